#include "windows/NamesTableModel.h"

#include "controllers/MainWindowController.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

namespace lumenscribe {

void NamesTableModel::setRows(const QList<FileReport>& rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int NamesTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int NamesTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString NamesTableModel::text(const FileReport& row, int column) const
{
    switch (column) {
    case OldName:
        return QFileInfo(row.source).fileName();
    case CaptureDate:
        return MainWindowController::dateText(row);
    case NewName:
        return row.target.isEmpty() ? QString() : QFileInfo(row.target).fileName();
    case Problem:
        return MainWindowController::problemText(row);
    default:
        return QString();
    }
}

QVariant NamesTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const FileReport& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole:
        if (index.column() == OldName)
            return row.source;
        if (index.column() == NewName)
            return row.target;
        return text(row, index.column());
    case Qt::ForegroundRole:
        // A file that will not be renamed as shown stands out in the
        // palette's own colour for links visited, readable light and dark.
        if (index.column() == Problem && (row.action != FileReport::Action::Renamed || row.noCaptureDate))
            return QGuiApplication::palette().color(QPalette::LinkVisited);
        return {};
    default:
        return {};
    }
}

QVariant NamesTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case OldName:
        //% "Name now"
        return qtTrId("NamesColumnOldName");
    case CaptureDate:
        //% "Capture date"
        return qtTrId("NamesColumnDate");
    case NewName:
        //% "New name"
        return qtTrId("NamesColumnNewName");
    case Problem:
        //% "Problems"
        return qtTrId("NamesColumnProblem");
    default:
        return {};
    }
}

} // namespace lumenscribe
