// The preferences panel: every setting of the application in one window,
// each written through PreferencesController the moment the person changes
// it (there is no OK or Cancel). The advanced settings sit in tabs that the
// "Show advanced options" box shows or hides. The two style editors open as
// sheets on this window.
#pragma once

#include "controllers/PreferencesView.h"

#include <QDialog>
#include <QHash>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace lumenscribe {

class MainController;
class NamingStylesWindow;
class PreferencesController;

class PreferencesWindow : public QDialog, public PreferencesView
{
    Q_OBJECT

public:
    PreferencesWindow(PreferencesController& controller, MainController& mainController, QWidget* parent = nullptr);
    ~PreferencesWindow() override;

    NamingStylesWindow* fileStylesWindow() const { return m_fileStyles.get(); }
    NamingStylesWindow* folderStylesWindow() const { return m_folderStyles.get(); }
    // Another place changed "show the names first": the box follows.
    void refreshShowNamesFirst();

    // PreferencesView
    void showPanel() override;
    void centerPanel() override;
    void hidePanel() override;
    void showAdvancedControls(bool attached, bool animated) override;
    void setEnabled(Control control, bool enabled) override;
    void showChecked(Control checkBox, bool on) override;
    void showSelection(Control control, int index) override;
    void showText(Control textField, const QString& text) override;
    void showStyleItems(Control popUp, const QList<StylePopUpItem>& items, int selectedItem) override;
    void showDeletePatterns(const QStringList& rows) override;
    void editDeletePattern(int row) override;
    void showDeleteExplanation(bool shown) override;
    void showModelShifts(const QList<ModelShiftTable::Row>& rows) override;
    void editModelShift(int row) override;
    void showRunNote(const QString& text) override;
    std::optional<QString> chooseFolder(const QString& start) override;
    std::optional<QString> chooseFile(const QString& start) override;
    NamingStylesView* namingStylesView(bool folderStyles) override;

    void reject() override;

signals:
    // The panel was closed: what it changed may show elsewhere now.
    void panelHidden();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeFileStylesBox();
    QWidget* makeRenamingTab();
    QWidget* makeDownloadTab();
    QWidget* makeAfterRenamingTab();
    QWidget* makeDeleteTab();
    QWidget* makeDatesTab();
    QWidget* makeModelShiftTable();
    void fillZonePopUp();
    void showZone(const QString& zone);
    void zoneChosen();
    QButtonGroup* makeMatrix(const QStringList& titles, const char* name, QWidget* box);
    void register_(Control control, QWidget* widget);
    void fillApplicationPopUp();
    void applicationPopUpChosen(int index);
    void fitHeight();

    PreferencesController& m_controller;
    MainController& m_mainController;
    QHash<int, QWidget*> m_controls;
    QHash<int, QButtonGroup*> m_matrices;
    QComboBox* m_stylePopUp = nullptr;
    QComboBox* m_folderStylePopUp = nullptr;
    QPushButton* m_editFileStyles = nullptr;
    QTabWidget* m_tabs = nullptr;
    QCheckBox* m_showNamesFirst = nullptr;
    QComboBox* m_applicationPopUp = nullptr;
    QListWidget* m_patterns = nullptr;
    QComboBox* m_zonePopUp = nullptr;
    QTableWidget* m_modelShifts = nullptr;
    QLabel* m_runNote = nullptr;
    std::unique_ptr<NamingStylesWindow> m_fileStyles;
    std::unique_ptr<NamingStylesWindow> m_folderStyles;
    // An application picked from the list, handed to the controller as if
    // the file chooser had answered it.
    std::optional<QString> m_pickedApplication;
};

} // namespace lumenscribe
