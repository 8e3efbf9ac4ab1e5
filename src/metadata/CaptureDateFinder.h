// Where a file's capture date comes from: its companion thumbnail ("thm",
// then "THM"), then the file itself, as the rename run asks them.
#pragma once

#include <QString>

#include <optional>

namespace lumenscribe {

class CaptureDateFinder
{
public:
    struct Result
    {
        std::optional<double> date; // an instant
        QString source;             // "thm", "THM", "file", or empty
        QString key;                // the date key it was filed under
    };

    static Result find(const QString& path);
    // The path with its extension replaced by `extension`.
    static QString companionPath(const QString& path, const QString& extension);
};

} // namespace lumenscribe
