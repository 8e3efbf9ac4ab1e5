// Where a file's capture date comes from: its companion thumbnail ("thm",
// then "THM"), then the file itself, as the rename run asks them.
#pragma once

#include "naming/NativePath.h"

#include <QString>

#include <functional>
#include <optional>

namespace lumenscribe {

class FileSource;

class CaptureDateFinder
{
public:
    struct Result
    {
        std::optional<double> date; // an instant
        QString source;             // "thm", "THM", "file", or empty
        QString key;                // the date key it was filed under
    };

    // mayExist, when given, answers cheaply whether a companion could be
    // there at all (from a folder listing), sparing a failed probe per file.
    // `look` is for the file itself (see NativePath::openForReading).
    static Result find(const QString& path, const std::function<bool(const QString&)>& mayExist = {},
                       NativePath::Look look = NativePath::Look::First);
    // The same, with the file itself already open as `file`.
    static Result find(const QString& path, const std::function<bool(const QString&)>& mayExist,
                       const FileSource& file);
    // The file's own date, the file open as `file`: for a caller that knows
    // that no companion lies beside it.
    static Result fromFile(const FileSource& file);
    // The path with its extension replaced by `extension`.
    static QString companionPath(const QString& path, const QString& extension);

private:
    static Result search(const QString& path, const std::function<bool(const QString&)>& mayExist,
                         NativePath::Look look, const FileSource* file);
};

} // namespace lumenscribe
