// The per-camera time shifts as the preferences panel shows them: one row
// per camera model with its shift, stored as "MODEL=SHIFT" entries. A row
// still being typed (no model yet) is shown but not stored.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace lumenscribe {

class ModelShiftTable
{
public:
    enum class Column
    {
        Model = 0,
        Shift = 1,
    };
    struct Row
    {
        QString model;
        QString shift;
        bool operator==(const Row&) const = default;
    };

    // Split at the last "=": a shift never holds one, a model name might.
    static Row rowOf(const QString& entry);
    static QList<Row> rowsOf(const QStringList& entries);
    // The rows that can be stored: a model and a shift, both trimmed.
    static QStringList entriesOf(const QList<Row>& rows);
};

} // namespace lumenscribe
