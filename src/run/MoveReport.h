// What the person is told about a move: one alert for each step that
// failed, in the words of the alert texts, with the system's own reason.
#pragma once

#include "fs/FileMover.h"

#include <QString>
#include <QStringList>

namespace lumenscribe {

class MoveReport
{
public:
    static QStringList alerts(const MoveOutcome& outcome, const QString& source, const QString& target);
    // " (reason)" for an errno value, as every alert ends.
    static QString reason(int error);
};

} // namespace lumenscribe
