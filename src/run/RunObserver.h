// What became of each file of a run, for front ends that report it (the
// terminal's summary and its JSON lines). Called on the run's thread.
#pragma once

#include "platform/Instant.h"

#include <QList>
#include <QString>

namespace lumenscribe {

struct FileReport
{
    // Unchanged: the file already carries the name its style gives it.
    enum class Action
    {
        Renamed,
        Deleted,
        Skipped,
        Failed,
        NeedsConfirmation,
        Unchanged
    };

    // A thumbnail, sidecar or edit file that went (or was to go) with the
    // file: Renamed, or Failed with the reason in `message`.
    struct Companion
    {
        QString source;
        QString target;
        Action action = Action::Renamed;
        QString message;
    };

    QString source;
    QString target; // empty when no new path was decided
    OptionalInstant date;
    // "thm", "THM", "file", "creation-date", or empty for no date.
    QString dateSource;
    // No capture date was found: the date is the file's own time.
    bool noCaptureDate = false;
    // The capture date names a day but no time of day.
    bool timeUnknown = false;
    // The time shift added to the capture date (already in `date`), in
    // seconds: the run's, plus that of the file's camera model.
    qint64 shiftSeconds = 0;
    Action action = Action::Skipped;
    // Renamed as a copy: the original stays where it was, as it was.
    bool copied = false;
    QString message;
    QList<Companion> companions;
    // The other files of its group (a RAW+JPEG pair, a Live Photo's still
    // and movie), named with it: Renamed, Unchanged, or Failed with the
    // reason. Their companions are among `companions`.
    QList<Companion> members;
};

class RunObserver
{
public:
    virtual ~RunObserver() = default;
    virtual void fileDone(const FileReport& report) = 0;
    virtual void runEnded(bool aborted) = 0;
    // True when the observer shows each file's failure with its reason, so
    // that the run need not raise the same reason as an alert as well.
    virtual bool showsFailureReasons() const { return false; }
};

} // namespace lumenscribe
