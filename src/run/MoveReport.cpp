#include "run/MoveReport.h"

#include "platform/LocalizedStrings.h"

namespace lumenscribe {

QStringList MoveReport::alerts(const MoveOutcome& outcome, const QString& source, const QString& target)
{
    const LocalizedStrings& strings = LocalizedStrings::shared();
    if (outcome.moveError)
        return {strings.format(QStringLiteral("AlertPanelFileMove"), {source, target}) + reason(outcome.moveError)};
    QStringList alerts;
    if (outcome.creatorCodeError)
        alerts << strings.format(QStringLiteral("AlertPanelFileCreatorCodeError"), {target}) +
                      reason(outcome.creatorCodeError);
    if (outcome.creationDateError)
        alerts << strings.format(QStringLiteral("AlertPanelFileCreationDateError"), {target}) +
                      reason(outcome.creationDateError);
    return alerts;
}

QString MoveReport::reason(const std::error_code& error)
{
    return QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(error.message().c_str()));
}

} // namespace lumenscribe
