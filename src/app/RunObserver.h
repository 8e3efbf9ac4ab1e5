// What became of each file of a run, for front ends that report it (the
// terminal's summary and its JSON lines). Called on the run's thread.
#pragma once

#include "naming/Instant.h"

#include <QString>

namespace lumenscribe {

struct FileReport
{
    enum class Action { Renamed, Deleted, Skipped, Failed, NeedsConfirmation };

    QString source;
    QString target; // empty when no new path was decided
    OptionalInstant date;
    // "thm", "THM", "file", "creation-date", or empty for no date.
    QString dateSource;
    Action action = Action::Skipped;
    QString message;
};

class RunObserver
{
public:
    virtual ~RunObserver() = default;
    virtual void fileDone(const FileReport& report) = 0;
    virtual void runEnded(bool aborted) = 0;
};

} // namespace lumenscribe
