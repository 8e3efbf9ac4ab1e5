#include "cli/RunReporter.h"

#include "cli/LocalDateText.h"
#include "cli/TerminalOutput.h"
#include "platform/PathNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumenscribe {

namespace {

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

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
    for (const FileReport::Companion& companion : report.companions)
        m_failedCompanions += companion.action == FileReport::Action::Failed ? 1 : 0;
    // Counted where the line says so: a file named, or to be, by its file time.
    if (report.noCaptureDate &&
        (report.action == FileReport::Action::Renamed || report.action == FileReport::Action::NeedsConfirmation))
        ++m_withoutCaptureDate;
    m_output.result(m_json ? jsonLine(report) : plainLine(report) + companionLines(report));
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
    QString text = QStringLiteral("%1 %2, deleted %3, skipped %4, failed %5")
                       .arg(m_dryRun ? QStringLiteral("would rename") : QStringLiteral("renamed"))
                       .arg(count(FileReport::Action::Renamed))
                       .arg(count(FileReport::Action::Deleted))
                       .arg(count(FileReport::Action::Skipped))
                       .arg(count(FileReport::Action::Failed) + m_failedCompanions);
    if (const int unchanged = count(FileReport::Action::Unchanged))
        text += QStringLiteral(", %1 unchanged").arg(unchanged);
    if (const int open = count(FileReport::Action::NeedsConfirmation))
        text += QStringLiteral(", %1 need confirmation").arg(open);
    if (m_withoutCaptureDate)
        text += QStringLiteral(", %1 without capture date").arg(m_withoutCaptureDate);
    if (m_aborted)
        text += QStringLiteral(" (aborted)");
    return text;
}

QString RunReporter::plainLine(const FileReport& report) const
{
    const auto details = [&report] {
        QString text = report.date ? LocalDateText::format(*report.date) : QStringLiteral("no date");
        if (!report.dateSource.isEmpty())
            text += QStringLiteral(", ") + report.dateSource;
        if (report.noCaptureDate)
            text += QStringLiteral("; ") + kNoCaptureDate;
        if (report.timeUnknown)
            text += QStringLiteral("; time unknown");
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
        return QStringLiteral("%1 %2").arg(m_dryRun ? QStringLiteral("would delete") : QStringLiteral("deleted"),
                                           report.source);
    case FileReport::Action::Skipped:
        return report.message.isEmpty() ? QStringLiteral("skipped %1").arg(report.source)
                                        : QStringLiteral("skipped %1: %2").arg(report.source, report.message);
    case FileReport::Action::Failed:
        return QStringLiteral("%1 %2: %3")
            .arg(m_dryRun ? QStringLiteral("would fail") : QStringLiteral("failed"), report.source, report.message);
    case FileReport::Action::NeedsConfirmation:
        return QStringLiteral("needs confirmation %1 (%2)").arg(report.source, details());
    case FileReport::Action::Unchanged:
        return QStringLiteral("unchanged %1").arg(report.source);
    }
    return QString();
}

// Each companion on a line of its own under its file.
QString RunReporter::companionLines(const FileReport& report) const
{
    QString lines;
    for (const FileReport::Companion& companion : report.companions) {
        if (companion.action == FileReport::Action::Failed) {
            lines += QStringLiteral("\n  with %1 %2: %3")
                         .arg(companion.source, m_dryRun ? QStringLiteral("would fail") : QStringLiteral("failed"),
                              companion.message);
        } else {
            lines += QStringLiteral("\n  with %1 -> %2")
                         .arg(companion.source, shownTarget(companion.source, companion.target));
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
    object.insert(QStringLiteral("action"), actionName(report.action, m_dryRun));
    object.insert(QStringLiteral("message"),
                  report.noCaptureDate && report.message.isEmpty() ? kNoCaptureDate : report.message);
    QJsonArray companions;
    for (const FileReport::Companion& companion : report.companions) {
        QJsonObject entry;
        entry.insert(QStringLiteral("source"), companion.source);
        entry.insert(QStringLiteral("target"), textOrNull(companion.target));
        entry.insert(QStringLiteral("action"), actionName(companion.action, m_dryRun));
        entry.insert(QStringLiteral("message"), companion.message);
        companions.append(entry);
    }
    object.insert(QStringLiteral("companions"), companions);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace lumenscribe
