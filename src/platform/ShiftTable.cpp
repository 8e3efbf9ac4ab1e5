#include "platform/ShiftTable.h"

#include <algorithm>

namespace lumenscribe {

ShiftTable::ShiftTable(const QString& runWide, const QStringList& byModel)
    : m_runWide(TimeShift::parse(runWide).value_or(0))
{
    for (const QString& entry : byModel) {
        if (const auto parsed = TimeShift::parseModelEntry(entry))
            m_models.append(*parsed);
    }
}

qint64 ShiftTable::secondsFor(QStringView model) const
{
    if (!model.trimmed().isEmpty()) {
        for (const TimeShift::ModelShift& entry : m_models) {
            if (TimeShift::sameModel(entry.model, model))
                return m_runWide + entry.seconds;
        }
    }
    return m_runWide;
}

QString ShiftTable::description() const
{
    QStringList parts;
    if (m_runWide != 0)
        parts.append(TimeShift::text(m_runWide));
    for (const TimeShift::ModelShift& entry : m_models)
        parts.append(entry.model + u' ' + TimeShift::text(entry.seconds));
    return parts.join(QStringLiteral(", "));
}

QStringList ShiftTable::modelEntries() const
{
    QStringList entries;
    for (const TimeShift::ModelShift& entry : m_models)
        entries.append(TimeShift::modelEntryText(entry.model, entry.seconds));
    return entries;
}

QStringList ShiftTable::merged(const QStringList& stored, const QStringList& added)
{
    QStringList result = stored;
    for (const QString& entry : added) {
        const auto parsed = TimeShift::parseModelEntry(entry);
        const auto same = [&](const QString& held) {
            const auto old = TimeShift::parseModelEntry(held);
            return parsed && old && TimeShift::sameModel(old->model, parsed->model);
        };
        result.erase(std::remove_if(result.begin(), result.end(), same), result.end());
        result.append(entry);
    }
    return result;
}

} // namespace lumenscribe
