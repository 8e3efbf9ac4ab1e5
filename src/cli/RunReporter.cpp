#include "cli/RunReporter.h"

#include "app/PathNames.h"
#include "cli/LocalDateText.h"
#include "cli/TerminalOutput.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace lumenscribe {

namespace {

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

} // namespace

RunReporter::RunReporter(TerminalOutput& output, bool json, bool dryRun)
    : m_output(output), m_json(json), m_dryRun(dryRun)
{
}

QString RunReporter::actionName(FileReport::Action action)
{
    switch (action) {
    case FileReport::Action::Renamed: return QStringLiteral("renamed");
    case FileReport::Action::Deleted: return QStringLiteral("deleted");
    case FileReport::Action::Skipped: return QStringLiteral("skipped");
    case FileReport::Action::Failed: return QStringLiteral("failed");
    case FileReport::Action::NeedsConfirmation: return QStringLiteral("needs-confirmation");
    }
    return QString();
}

void RunReporter::fileDone(const FileReport& report)
{
    ++m_counts[static_cast<size_t>(report.action)];
    m_output.result(m_json ? jsonLine(report) : plainLine(report));
}

void RunReporter::runEnded(bool aborted)
{
    m_aborted = aborted;
}

bool RunReporter::allHandled() const
{
    return !m_aborted && count(FileReport::Action::Failed) == 0 &&
           count(FileReport::Action::NeedsConfirmation) == 0;
}

QString RunReporter::summary() const
{
    QString text = QStringLiteral("%1 %2, deleted %3, skipped %4, failed %5")
                       .arg(m_dryRun ? QStringLiteral("would rename") : QStringLiteral("renamed"))
                       .arg(count(FileReport::Action::Renamed))
                       .arg(count(FileReport::Action::Deleted))
                       .arg(count(FileReport::Action::Skipped))
                       .arg(count(FileReport::Action::Failed));
    if (const int open = count(FileReport::Action::NeedsConfirmation))
        text += QStringLiteral(", %1 need confirmation").arg(open);
    if (m_aborted)
        text += QStringLiteral(" (aborted)");
    return text;
}

QString RunReporter::plainLine(const FileReport& report) const
{
    // Only the plan and the questions show the date: a real run does not
    // spend a conversion on every file for lines that leave it out.
    const auto date = [&report] {
        return report.date ? LocalDateText::format(*report.date) : QStringLiteral("no date");
    };
    const auto source = [&report] {
        return report.dateSource.isEmpty() ? QString() : QStringLiteral(", ") + report.dateSource;
    };
    switch (report.action) {
    case FileReport::Action::Renamed: {
        // A rename in place shows the new name alone, a move the whole path.
        const qsizetype slash = report.target.lastIndexOf(u'/');
        const bool inPlace = (slash > 0 && report.source.lastIndexOf(u'/') == slash &&
                              QStringView(report.source).first(slash) == QStringView(report.target).first(slash)) ||
                             PathNames::folderOf(report.target) == PathNames::folderOf(report.source);
        const QStringView target = inPlace ? QStringView(report.target).sliced(slash + 1) : QStringView(report.target);
        if (m_dryRun)
            return QStringLiteral("%1 -> %2  (%3%4)").arg(report.source, target, date(), source());
        // Made by hand: a line per file, and arg() parses its pattern each time.
        QString line;
        line.reserve(report.source.size() + 4 + target.size());
        return line.append(report.source).append(QStringView(u" -> ")).append(target);
    }
    case FileReport::Action::Deleted:
        return QStringLiteral("%1 %2").arg(m_dryRun ? QStringLiteral("would delete") : QStringLiteral("deleted"),
                                           report.source);
    case FileReport::Action::Skipped: return QStringLiteral("skipped %1").arg(report.source);
    case FileReport::Action::Failed: return QStringLiteral("failed %1: %2").arg(report.source, report.message);
    case FileReport::Action::NeedsConfirmation:
        return QStringLiteral("needs confirmation %1 (%2%3)").arg(report.source, date(), source());
    }
    return QString();
}

QString RunReporter::jsonLine(const FileReport& report)
{
    QJsonObject object;
    object.insert(QStringLiteral("source"), report.source);
    object.insert(QStringLiteral("target"), textOrNull(report.target));
    object.insert(QStringLiteral("date"),
                  report.date ? QJsonValue(LocalDateText::format(*report.date)) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("date_source"), textOrNull(report.dateSource));
    object.insert(QStringLiteral("action"), actionName(report.action));
    object.insert(QStringLiteral("message"), report.message);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace lumenscribe
