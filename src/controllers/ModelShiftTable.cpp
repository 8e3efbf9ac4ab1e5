#include "controllers/ModelShiftTable.h"

namespace lumenscribe {

ModelShiftTable::Row ModelShiftTable::rowOf(const QString& entry)
{
    const qsizetype equals = entry.lastIndexOf(u'=');
    if (equals < 0)
        return {entry.trimmed(), QString()};
    return {entry.first(equals).trimmed(), entry.sliced(equals + 1).trimmed()};
}

QList<ModelShiftTable::Row> ModelShiftTable::rowsOf(const QStringList& entries)
{
    QList<Row> rows;
    rows.reserve(entries.size());
    for (const QString& entry : entries)
        rows.append(rowOf(entry));
    return rows;
}

QStringList ModelShiftTable::entriesOf(const QList<Row>& rows)
{
    QStringList entries;
    for (const Row& row : rows) {
        const QString model = row.model.trimmed();
        const QString shift = row.shift.trimmed();
        if (!model.isEmpty() && !shift.isEmpty())
            entries.append(model + u'=' + shift);
    }
    return entries;
}

} // namespace lumenscribe
