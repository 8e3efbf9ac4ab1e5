// Whether a newer version is on the web: the text of the version file beside
// this build's full version. Only exact equality counts as up to date; a
// trailing line break, or an older version on the web, is a difference.
#pragma once

#include <QString>
#include <optional>

namespace lumenscribe {

class UpdateCheck
{
public:
    enum class Panel
    {
        NetworkUnreachable,
        NoUpdate,
        UpdateAvailable
    };

    struct Message
    {
        Panel panel;
        QString title;
        QString text;
        // The first, default button; the second exists only for an update.
        QString acceptButton;
        QString rejectButton;
    };

    // The address of the version file: LUMENSCRIBE_VERSION_URL when set (a
    // test serves the file itself), else the maker's.
    static QString versionFileUrl();
    // This build's version as the version file names it.
    static QString thisVersion();

    // `webVersion` is none when the download failed.
    static Panel decide(const std::optional<QString>& webVersion, const QString& thisVersion);
    static Message message(const std::optional<QString>& webVersion, const QString& thisVersion);
};

} // namespace lumenscribe
