// The rows of the names-first table: old name, capture date and where it
// came from, new name, and what stands in the way.
#pragma once

#include "run/RunObserver.h"

#include <QAbstractTableModel>

namespace lumenscribe {

class NamesTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        OldName,
        CaptureDate,
        NewName,
        Problem,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const QList<FileReport>& rows);
    const QList<FileReport>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const FileReport& row, int column) const;

    QList<FileReport> m_rows;
};

} // namespace lumenscribe
