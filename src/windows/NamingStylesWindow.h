// A naming style editor, for the file styles or the folder styles (the
// controller's collection says which; the folder editor has no substring,
// date source, file type or example file controls). It opens as a sheet on
// the preferences panel; every change goes straight into the selected style
// through NamingStylesController, and the example name follows each
// keystroke. A code picker beside the format field lists the %-codes with
// what each writes for the example.
#pragma once

#include "controllers/NamingStylesView.h"
#include "platform/Instant.h"

#include <QDialog>
#include <QHash>
#include <array>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QToolButton;

namespace lumenscribe {

class FormatField;
class NamingStylesController;

class NamingStylesWindow : public QDialog, public NamingStylesView
{
    Q_OBJECT

public:
    NamingStylesWindow(NamingStylesController& controller, Instant exampleDate, QWidget* parent = nullptr);
    ~NamingStylesWindow() override;

    FormatField* formatField() const { return m_format; }
    QMenu* codeMenu() const { return m_codeMenu; }
    // Fills the code picker with what each code writes now.
    void refreshCodeMenu();

    // NamingStylesView
    void openSheet() override;
    void closeSheet() override;
    void setEnabled(Control control, bool enabled) override;
    void showChecked(Control checkBox, bool on) override;
    void showValue(Control control, int value) override;
    void showText(Control textField, const QString& text) override;
    void setSlotEnabled(int slot, SlotControl control, bool enabled) override;
    void showSlotValue(int slot, SlotControl popUp, int value) override;
    void showSlotText(int slot, SlotControl textField, const QString& text) override;
    void showStyleItems(const QList<StylePopUpItem>& items, int selectedItem) override;
    void showRunNote(const QString& text) override;

    // Escape ends the sheet as the done button does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeStyleRow();
    QWidget* makeFormatBox();
    QWidget* makeCounterBox();
    QWidget* makeFileBox();
    QWidget* makeSubStringBox();
    QButtonGroup* makeMatrix(const QStringList& titles, const char* name, QWidget* box);
    QSlider* makeSlider(const char* name);
    void slotChanged(int slot);
    void showProblem();

    struct Slot
    {
        QComboBox* type = nullptr;
        QLineEdit* paramA = nullptr;
        QLineEdit* paramB = nullptr;
        QComboBox* source = nullptr;
    };

    NamingStylesController& m_controller;
    Instant m_exampleDate;
    bool m_files = true;
    QHash<int, QWidget*> m_controls;
    QHash<int, QButtonGroup*> m_matrices;
    QComboBox* m_stylePopUp = nullptr;
    FormatField* m_format = nullptr;
    QToolButton* m_codePicker = nullptr;
    QMenu* m_codeMenu = nullptr;
    QLabel* m_problem = nullptr;
    QLabel* m_runNote = nullptr;
    std::array<Slot, 4> m_slots{};
};

} // namespace lumenscribe
