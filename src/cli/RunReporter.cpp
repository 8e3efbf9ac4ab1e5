#include "cli/RunReporter.h"

#include "cli/LocalDateText.h"
#include "cli/TerminalOutput.h"
#include "platform/PathNames.h"
#include "platform/TimeShift.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumenscribe {

namespace {

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

// The JSON lines are for programs: their message stays in English.
const QString kNoCaptureDate = QStringLiteral("no capture date: named by its file time");

// A rename in place shows the new name alone, a move the whole path.
QStringView shownTarget(const QString& source, const QString& target)
{
    const qsizetype slash = target.lastIndexOf(u'/');
    const bool inPlace = slash > 0 && source.lastIndexOf(u'/') == slash &&
                         QStringView(source).first(slash) == QStringView(target).first(slash);
    return inPlace ? QStringView(target).sliced(slash + 1) : QStringView(target);
}

} // namespace

RunReporter::RunReporter(TerminalOutput& output, bool json, bool dryRun)
    : m_output(output), m_json(json), m_dryRun(dryRun)
{
}

QString RunReporter::actionName(FileReport::Action action, bool dryRun)
{
    switch (action) {
    case FileReport::Action::Renamed:
        return dryRun ? QStringLiteral("would-rename") : QStringLiteral("renamed");
    case FileReport::Action::Deleted:
        return dryRun ? QStringLiteral("would-delete") : QStringLiteral("deleted");
    case FileReport::Action::Skipped:
        return QStringLiteral("skipped");
    case FileReport::Action::Failed:
        return dryRun ? QStringLiteral("would-fail") : QStringLiteral("failed");
    case FileReport::Action::NeedsConfirmation:
        return QStringLiteral("needs-confirmation");
    case FileReport::Action::Unchanged:
        return QStringLiteral("unchanged");
    }
    return QString();
}

void RunReporter::fileDone(const FileReport& report)
{
    ++m_counts[static_cast<size_t>(report.action)];
    m_copies += report.copied ? 1 : 0;
    for (const FileReport::Companion& companion : report.companions)
        m_failedCompanions += companion.action == FileReport::Action::Failed ? 1 : 0;
    // A group's members are files of their own in the summary.
    for (const FileReport::Companion& member : report.members) {
        ++m_counts[static_cast<size_t>(member.action)];
        // A member of a copied group is copied as the still is.
        m_copies += report.copied && member.action == FileReport::Action::Renamed ? 1 : 0;
    }
    // Counted where the line says so: a file named, or to be, by its file time.
    if (report.noCaptureDate &&
        (report.action == FileReport::Action::Renamed || report.action == FileReport::Action::NeedsConfirmation))
        ++m_withoutCaptureDate;
    m_output.result(m_json ? jsonLine(report) : plainLine(report) + memberLines(report) + companionLines(report));
}

void RunReporter::runEnded(bool aborted)
{
    m_aborted = aborted;
}

bool RunReporter::allHandled() const
{
    return !m_aborted && count(FileReport::Action::Failed) == 0 && m_failedCompanions == 0 &&
           count(FileReport::Action::NeedsConfirmation) == 0;
}

QString RunReporter::summary() const
{
    //% "would rename %1, deleted %2, skipped %3, failed %4"
    const QString wouldRename = qtTrId("CliRunSummaryDryRun");
    //% "renamed %1, deleted %2, skipped %3, failed %4"
    QString text = (m_dryRun ? wouldRename : qtTrId("CliRunSummary"))
                       .arg(QString::number(count(FileReport::Action::Renamed)),
                            QString::number(count(FileReport::Action::Deleted)),
                            QString::number(count(FileReport::Action::Skipped)),
                            QString::number(count(FileReport::Action::Failed) + m_failedCompanions));
    const QString separator = QStringLiteral(", ");
    if (const int unchanged = count(FileReport::Action::Unchanged))
        //% "%1 unchanged"
        text += separator + qtTrId("CliRunSummaryUnchanged").arg(unchanged);
    if (const int open = count(FileReport::Action::NeedsConfirmation))
        //% "%1 need confirmation"
        text += separator + qtTrId("CliRunSummaryNeedConfirmation").arg(open);
    if (m_copies)
        //% "%1 of them as copies, the originals kept"
        text += separator + qtTrId("CliRunSummaryCopies").arg(m_copies);
    if (m_withoutCaptureDate)
        //% "%1 without capture date"
        text += separator + qtTrId("CliRunSummaryWithoutCaptureDate").arg(m_withoutCaptureDate);
    if (m_aborted)
        //% "aborted"
        text += QStringLiteral(" (") + qtTrId("CliRunSummaryAborted") + u')';
    return text;
}

QString RunReporter::plainLine(const FileReport& report) const
{
    const auto details = [&report] {
        //% "no date"
        QString text = report.date ? LocalDateText::format(*report.date) : qtTrId("CliRunNoDate");
        if (!report.dateSource.isEmpty())
            text += QStringLiteral(", ") + report.dateSource;
        if (report.shiftSeconds != 0)
            //% "shifted %1"
            text += QStringLiteral(", ") + qtTrId("CliRunShifted").arg(TimeShift::text(report.shiftSeconds));
        if (report.noCaptureDate)
            //% "no capture date: named by its file time"
            text += QStringLiteral("; ") + qtTrId("CliRunNoCaptureDate");
        if (report.timeUnknown)
            //% "time unknown"
            text += QStringLiteral("; ") + qtTrId("CliRunTimeUnknown");
        return text;
    };
    switch (report.action) {
    case FileReport::Action::Renamed: {
        // A creator code or date that could not be set: the file moved all the same.
        const QString line =
            QStringLiteral("%1 -> %2  (%3)").arg(report.source, shownTarget(report.source, report.target), details());
        return report.message.isEmpty() ? line : line + QStringLiteral("  ") + report.message;
    }
    case FileReport::Action::Deleted:
        if (m_dryRun)
            //% "would delete %1"
            return qtTrId("CliRunWouldDelete").arg(report.source);
        //% "deleted %1"
        return qtTrId("CliRunDeleted").arg(report.source);
    case FileReport::Action::Skipped:
        if (report.message.isEmpty())
            //% "skipped %1"
            return qtTrId("CliRunSkipped").arg(report.source);
        //% "skipped %1: %2"
        return qtTrId("CliRunSkippedBecause").arg(report.source, report.message);
    case FileReport::Action::Failed:
        if (m_dryRun)
            //% "would fail %1: %2"
            return qtTrId("CliRunWouldFail").arg(report.source, report.message);
        //% "failed %1: %2"
        return qtTrId("CliRunFailed").arg(report.source, report.message);
    case FileReport::Action::NeedsConfirmation:
        //% "needs confirmation %1 (%2)"
        return qtTrId("CliRunNeedsConfirmation").arg(report.source, details());
    case FileReport::Action::Unchanged:
        //% "unchanged %1"
        return qtTrId("CliRunUnchanged").arg(report.source);
    }
    return QString();
}

// Each other member of a group on a line of its own under the file whose
// name and date the group took.
QString RunReporter::memberLines(const FileReport& report) const
{
    QString lines;
    for (const FileReport::Companion& member : report.members) {
        lines += QStringLiteral("\n  ");
        if (member.action == FileReport::Action::Unchanged)
            lines += qtTrId("CliRunUnchanged").arg(member.source);
        else if (member.action == FileReport::Action::Failed && m_dryRun)
            lines += qtTrId("CliRunCompanionWouldFail").arg(member.source, member.message);
        else if (member.action == FileReport::Action::Failed)
            lines += qtTrId("CliRunCompanionFailed").arg(member.source, member.message);
        else
            lines += qtTrId("CliRunCompanion").arg(member.source, shownTarget(member.source, member.target));
    }
    return lines;
}

// Each companion on a line of its own under its file.
QString RunReporter::companionLines(const FileReport& report) const
{
    QString lines;
    for (const FileReport::Companion& companion : report.companions) {
        lines += QStringLiteral("\n  ");
        if (companion.action == FileReport::Action::Failed) {
            //% "with %1 would fail: %2"
            const QString wouldFail = qtTrId("CliRunCompanionWouldFail");
            //% "with %1 failed: %2"
            lines += (m_dryRun ? wouldFail : qtTrId("CliRunCompanionFailed")).arg(companion.source, companion.message);
        } else {
            //% "with %1 -> %2"
            lines += qtTrId("CliRunCompanion").arg(companion.source, shownTarget(companion.source, companion.target));
        }
    }
    return lines;
}

QString RunReporter::jsonLine(const FileReport& report) const
{
    QJsonObject object;
    object.insert(QStringLiteral("source"), report.source);
    object.insert(QStringLiteral("target"), textOrNull(report.target));
    object.insert(QStringLiteral("date"),
                  report.date ? QJsonValue(LocalDateText::format(*report.date)) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("date_source"), textOrNull(report.dateSource));
    object.insert(QStringLiteral("no_capture_date"), report.noCaptureDate);
    object.insert(QStringLiteral("time_unknown"), report.timeUnknown);
    object.insert(QStringLiteral("shift"),
                  report.shiftSeconds != 0 ? QJsonValue(TimeShift::text(report.shiftSeconds)) : QJsonValue());
    object.insert(QStringLiteral("action"), report.copied
                                                ? (m_dryRun ? QStringLiteral("would-copy") : QStringLiteral("copied"))
                                                : actionName(report.action, m_dryRun));
    object.insert(QStringLiteral("message"),
                  report.noCaptureDate && report.message.isEmpty() ? kNoCaptureDate : report.message);
    const auto entries = [this](const QList<FileReport::Companion>& files) {
        QJsonArray array;
        for (const FileReport::Companion& file : files) {
            QJsonObject entry;
            entry.insert(QStringLiteral("source"), file.source);
            entry.insert(QStringLiteral("target"), textOrNull(file.target));
            entry.insert(QStringLiteral("action"), actionName(file.action, m_dryRun));
            entry.insert(QStringLiteral("message"), file.message);
            array.append(entry);
        }
        return array;
    };
    object.insert(QStringLiteral("companions"), entries(report.companions));
    // A group's other files, named with this one.
    object.insert(QStringLiteral("members"), entries(report.members));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace lumenscribe
