// Where a file's capture date comes from: its companion thumbnail ("thm",
// then "THM"), then the file itself, as the rename run asks them.
#pragma once

#include "platform/NativePath.h"

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
        // "thm", "THM", "file", or the XMP sidecar's name after the photo's
        // stem ("xmp", "XMP", "JPG.xmp"); empty for none. For a companion,
        // companionPath(path, source) is the companion's path.
        QString source;
        QString key;                         // the date key it was filed under
        QString companion;                   // the companion's path, empty for the file itself
        std::optional<int> utcOffsetMinutes; // the zone written with the date
        bool timeUnknown = false;            // the source named a day only: 00:00 of it
        QString subSeconds;                  // the digits of the fraction of the second, empty for none
        // The file stored a moment in UTC (a movie header, "TimeDate="), not
        // a camera's wall-clock time; `date` is that moment.
        bool storedAsInstant = false;
        // The camera model of the file the date came from, trimmed; read
        // only when asked for (`withModel`), and never from an XMP sidecar.
        QString model;
    };

    // mayExist, when given, answers cheaply whether a companion could be
    // there at all (from a folder listing), sparing a failed probe per file.
    // `look` is for the file itself (see NativePath::openForReading).
    // `withModel` reads the camera model too.
    static Result find(const QString& path, const std::function<bool(const QString&)>& mayExist = {},
                       NativePath::Look look = NativePath::Look::First, bool withModel = false);
    // The same, with the file itself already open as `file`.
    static Result find(const QString& path, const std::function<bool(const QString&)>& mayExist, const FileSource& file,
                       bool withModel = false);
    // The file's own date, the file open as `file`: for a caller that knows
    // that no companion lies beside it.
    static Result fromFile(const FileSource& file, bool withModel = false);
    // The path with its extension replaced by `extension`.
    static QString companionPath(const QString& path, const QString& extension);

    // The XMP sidecar of `path`: "stem.xmp" or "name.ext.xmp" in any letter
    // case, in the file's folder; empty for none.
    static QString sidecarPath(const QString& path, const std::function<bool(const QString&)>& mayExist = {});
    // The date of an XMP sidecar file.
    static Result fromSidecar(const QString& path, const QString& sidecar);

private:
    static Result search(const QString& path, const std::function<bool(const QString&)>& mayExist,
                         NativePath::Look look, const FileSource* file, bool withModel);
};

} // namespace lumenscribe
