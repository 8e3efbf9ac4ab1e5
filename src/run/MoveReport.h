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
    // " (reason)" for an error, as every alert ends: for an errno value the
    // system's own words, as strerror gives them.
    static QString reason(const std::error_code& error);
};

} // namespace lumenscribe
