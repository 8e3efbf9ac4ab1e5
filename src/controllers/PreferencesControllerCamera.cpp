// The panel's options for what comes off a camera: pairs, photos and movies
// only, copying, the time shift of a wrong clock and the naming zone.
#include "controllers/MainController.h"
#include "controllers/PreferencesController.h"

#include <QTimeZone>

namespace lumenscribe {

using Control = PreferencesView::Control;

void PreferencesController::refreshCameraOptions()
{
    const MainController& mc = m_mainController;
    m_modelShiftRows = ModelShiftTable::rowsOf(mc.timeShiftByModel());
    if (!m_view)
        return;
    m_view->showChecked(Control::NamePairsTogetherCheckBox, mc.namePairsTogether());
    m_view->showChecked(Control::OnlyPhotosAndMoviesCheckBox, mc.onlyPhotosAndMovies());
    m_view->showChecked(Control::CopyInsteadOfMovingCheckBox, mc.copyInsteadOfMoving());
    m_view->showText(Control::TimeShiftTextField, mc.timeShift());
    m_view->showText(Control::NameZonePopUp, mc.nameZone());
    m_view->showModelShifts(m_modelShiftRows);
}

void PreferencesController::namePairsTogetherCheckBoxChange(bool on)
{
    m_mainController.setNamePairsTogether(on);
    changed();
}

void PreferencesController::onlyPhotosAndMoviesCheckBoxChange(bool on)
{
    m_mainController.setOnlyPhotosAndMovies(on);
    changed();
}

void PreferencesController::copyInsteadOfMovingCheckBoxChange(bool on)
{
    m_mainController.setCopyInsteadOfMoving(on);
    changed();
}

bool PreferencesController::timeShiftTextFieldChange(const QString& text)
{
    const QString wanted = text.trimmed();
    m_mainController.setTimeShift(wanted);
    changed();
    return m_mainController.timeShift() == wanted;
}

bool PreferencesController::nameZonePopUpChange(const QString& value)
{
    const QString wanted = value.trimmed();
    m_mainController.setNameZone(wanted);
    changed();
    return m_mainController.nameZone() == wanted;
}

QStringList PreferencesController::zoneChoices()
{
    QStringList choices{QStringLiteral("local"), QStringLiteral("camera")};
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        // The "Etc/GMT+1" kind means the opposite of what it reads as.
        if (!id.startsWith("Etc/"))
            choices.append(QString::fromLatin1(id));
    }
    return choices;
}

void PreferencesController::modelShiftNewButtonClick()
{
    m_modelShiftRows.append({QString(), QStringLiteral("+1h")});
    if (m_view) {
        m_view->showModelShifts(m_modelShiftRows);
        m_view->editModelShift(int(m_modelShiftRows.size()) - 1);
    }
}

void PreferencesController::modelShiftRemoveButtonClick(int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= m_modelShiftRows.size())
        return;
    QList<ModelShiftTable::Row> rows = m_modelShiftRows;
    rows.removeAt(selectedRow);
    storeModelShifts(rows);
}

bool PreferencesController::modelShiftTableSetValue(int row, ModelShiftTable::Column column, const QString& text)
{
    if (row < 0 || row >= m_modelShiftRows.size())
        return false;
    QList<ModelShiftTable::Row> rows = m_modelShiftRows;
    (column == ModelShiftTable::Column::Model ? rows[row].model : rows[row].shift) = text.trimmed();
    return storeModelShifts(rows);
}

// The table is stored whole; what the settings refuse leaves the table as
// it was, so the view shows what the run will go by.
bool PreferencesController::storeModelShifts(const QList<ModelShiftTable::Row>& rows)
{
    const QStringList entries = ModelShiftTable::entriesOf(rows);
    m_mainController.setTimeShiftByModel(entries);
    const bool taken = m_mainController.timeShiftByModel() == entries;
    if (taken)
        m_modelShiftRows = rows;
    if (m_view)
        m_view->showModelShifts(m_modelShiftRows);
    changed();
    return taken;
}

} // namespace lumenscribe
