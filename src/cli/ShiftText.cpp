#include "cli/ShiftText.h"

#include "platform/TimeShift.h"

namespace lumenscribe {

QString ShiftText::problem(const QString& text)
{
    TimeShift::Problem what = TimeShift::Problem::None;
    TimeShift::parse(text, &what);
    if (what == TimeShift::Problem::TooLarge)
        //% "'%1' shifts by more than 100 years"
        return qtTrId("CliShiftTooLarge").arg(text);
    //% "'%1' is not a time shift: write it as +1h, -30m, +2d3h, +90s, +1:30 or -0:00:05"
    return qtTrId("CliShiftMalformed").arg(text);
}

QString ShiftText::modelProblem(const QString& entry)
{
    const qsizetype equals = entry.lastIndexOf(u'=');
    TimeShift::Problem what = TimeShift::Problem::None;
    TimeShift::parseModelEntry(entry, &what);
    if (equals < 0 || what == TimeShift::Problem::NoModel || entry.mid(equals + 1).trimmed().isEmpty())
        //% "'%1' is not MODEL=SHIFT, such as \"Canon EOS R6=-5s\""
        return qtTrId("CliShiftNotModelEntry").arg(entry);
    return problem(entry.mid(equals + 1));
}

QString ShiftText::tableProblem(const QStringList& entries)
{
    TimeShift::Problem what = TimeShift::Problem::None;
    QString bad;
    if (TimeShift::isValidModelTable(entries, &what, &bad))
        return QString();
    if (what == TimeShift::Problem::Repeated)
        //% "the camera model of '%1' has a shift already"
        return qtTrId("CliShiftModelRepeated").arg(bad);
    return modelProblem(bad);
}

} // namespace lumenscribe
