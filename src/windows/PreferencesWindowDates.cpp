// The panel's Dates tab: the shift of a camera clock that was wrong, for
// the whole run and per camera model, and the zone that names speak.
#include "controllers/MainController.h"
#include "controllers/PreferencesController.h"
#include "windows/Controls.h"
#include "windows/PreferencesWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumenscribe {

using Control = PreferencesView::Control;

QWidget* PreferencesWindow::makeDatesTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* form = new QFormLayout;
    auto* shift = new QLineEdit;
    shift->setObjectName(QStringLiteral("timeShiftTextField"));
    //% "none; for example +1h, -0:00:05, +2d3h"
    shift->setPlaceholderText(qtTrId("PrefsTimeShiftPlaceholder"));
    register_(Control::TimeShiftTextField, shift);
    //% "Shift every date &by:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsTimeShiftLabel"), shift), shift);
    m_zonePopUp = new QComboBox;
    m_zonePopUp->setObjectName(QStringLiteral("nameZonePopUp"));
    m_zonePopUp->setEditable(true);
    m_zonePopUp->setInsertPolicy(QComboBox::NoInsert);
    register_(Control::NameZonePopUp, m_zonePopUp);
    //% "Movies keep their time in UTC, and some photos say their zone: their names give the time in this zone. Photos that say no zone keep the camera's time."
    m_zonePopUp->setToolTip(qtTrId("PrefsNameZoneToolTip"));
    fillZonePopUp();
    //% "Movie times in the &zone:"
    form->addRow(Controls::buddyLabel(qtTrId("PrefsNameZoneLabel"), m_zonePopUp), m_zonePopUp);
    layout->addLayout(form);
    //% "Shift by ca&mera model:"
    auto* tableLabel = new QLabel(qtTrId("PrefsModelShiftLabel"));
    layout->addWidget(tableLabel);
    layout->addWidget(makeModelShiftTable());
    layout->addStretch();
    tableLabel->setBuddy(m_modelShifts);

    // A text that is no shift puts back the shift there is.
    connect(shift, &QLineEdit::editingFinished, this, [this, shift] {
        if (!m_controller.timeShiftTextFieldChange(shift->text()))
            shift->setText(m_mainController.timeShift());
    });
    connect(m_zonePopUp, &QComboBox::activated, this, [this] { zoneChosen(); });
    connect(m_zonePopUp->lineEdit(), &QLineEdit::editingFinished, this, [this] { zoneChosen(); });
    return tab;
}

QWidget* PreferencesWindow::makeModelShiftTable()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_modelShifts = new QTableWidget(0, 2);
    m_modelShifts->setObjectName(QStringLiteral("modelShiftTableView"));
    //% "Camera model"
    const QString model = qtTrId("PrefsModelShiftModel");
    //% "Shift"
    m_modelShifts->setHorizontalHeaderLabels({model, qtTrId("PrefsModelShiftShift")});
    m_modelShifts->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_modelShifts->verticalHeader()->hide();
    m_modelShifts->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_modelShifts->setSelectionMode(QAbstractItemView::SingleSelection);
    m_modelShifts->setMaximumHeight(m_modelShifts->fontMetrics().lineSpacing() * 7);
    register_(Control::ModelShiftTableView, m_modelShifts);
    row->addWidget(m_modelShifts, 1);
    auto* buttons = new QVBoxLayout;
    //% "Ne&w"
    auto* add = Controls::button(qtTrId("PrefsModelShiftNew"), "modelShiftNewButton");
    register_(Control::ModelShiftNewButton, add);
    //% "Re&move"
    auto* remove = Controls::button(qtTrId("PrefsModelShiftRemove"), "modelShiftRemoveButton");
    register_(Control::ModelShiftRemoveButton, remove);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    row->addLayout(buttons);

    connect(m_modelShifts, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        m_controller.modelShiftTableSetValue(item->row(), ModelShiftTable::Column(item->column()), item->text());
    });
    connect(add, &QPushButton::clicked, this, [this] { m_controller.modelShiftNewButtonClick(); });
    connect(remove, &QPushButton::clicked, this,
            [this] { m_controller.modelShiftRemoveButtonClick(m_modelShifts->currentRow()); });
    return box;
}

void PreferencesWindow::fillZonePopUp()
{
    for (const QString& zone : PreferencesController::zoneChoices()) {
        QString title = zone;
        if (zone == u"local")
            //% "This computer's zone"
            title = qtTrId("PrefsNameZoneLocal");
        else if (zone == u"camera")
            //% "The zone the file names, else this computer's"
            title = qtTrId("PrefsNameZoneCamera");
        m_zonePopUp->addItem(title, zone);
    }
}

void PreferencesWindow::showZone(const QString& zone)
{
    const QSignalBlocker blocker(m_zonePopUp);
    const int index = m_zonePopUp->findData(zone);
    if (index >= 0)
        m_zonePopUp->setCurrentIndex(index);
    else
        m_zonePopUp->setEditText(zone);
}

// A title chosen or typed stands for its zone; anything else typed is a
// zone name for the settings to take or refuse.
void PreferencesWindow::zoneChosen()
{
    const QString text = m_zonePopUp->currentText();
    const int index = m_zonePopUp->findText(text);
    const QString zone = index >= 0 ? m_zonePopUp->itemData(index).toString() : text;
    if (!m_controller.nameZonePopUpChange(zone))
        showZone(m_mainController.nameZone());
}

void PreferencesWindow::showModelShifts(const QList<ModelShiftTable::Row>& rows)
{
    const QSignalBlocker blocker(m_modelShifts);
    m_modelShifts->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        m_modelShifts->setItem(r, 0, new QTableWidgetItem(rows.at(r).model));
        m_modelShifts->setItem(r, 1, new QTableWidgetItem(rows.at(r).shift));
    }
}

void PreferencesWindow::editModelShift(int row)
{
    QTableWidgetItem* item = m_modelShifts->item(row, 0);
    if (!item)
        return;
    m_modelShifts->setCurrentItem(item);
    m_modelShifts->editItem(item);
}

} // namespace lumenscribe
