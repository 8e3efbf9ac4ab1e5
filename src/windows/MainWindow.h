// The main window of a plain start: the drop area, the current styles with
// their example names, what a drop does, the names-first table and the undo
// of the last run. A view of MainWindowController.
#pragma once

#include "controllers/MainWindowView.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace lumenscribe {

class DropArea;
class MainController;
class MainWindowController;
class NamesTableModel;

class MainWindow : public QMainWindow, public MainWindowView
{
    Q_OBJECT

public:
    MainWindow(MainController& controller, MainWindowController& windowController, QWidget* parent = nullptr);
    ~MainWindow() override;

    void showStyles(const QList<StylePopUpItem>& fileItems, int fileItem, const QList<StylePopUpItem>& folderItems,
                    int folderItem) override;
    void showDropAction(const QString& text) override;
    void showNames(bool shown, const QList<FileReport>& rows, bool planning) override;
    void showUndo(const QString& text, bool enabled) override;

    NamesTableModel& namesModel() { return *m_namesModel; }

public slots:
    void openFiles();
    void openFolder();
    void undoLastRun();

    void showCheckingForUpdates(bool checking);

signals:
    void quitRequested();
    void preferencesRequested();
    void aboutRequested();
    void checkForUpdatesRequested();
    void donationInfoRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void makeMenus();
    QWidget* makeStylesBox();
    QWidget* makeNamesBox();
    void open(const QStringList& paths);
    static void fillPopUp(QComboBox* popUp, const QList<StylePopUpItem>& items, int current);

    MainController& m_controller;
    MainWindowController& m_windowController;
    DropArea* m_dropArea = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QComboBox* m_fileStyles = nullptr;
    QComboBox* m_folderStyles = nullptr;
    QLabel* m_dropAction = nullptr;
    QCheckBox* m_namesFirst = nullptr;
    QWidget* m_namesBox = nullptr;
    QTableView* m_namesTable = nullptr;
    NamesTableModel* m_namesModel = nullptr;
    QLabel* m_namesStatus = nullptr;
    QPushButton* m_renameButton = nullptr;
    QPushButton* m_undoButton = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_updatesAction = nullptr;
};

} // namespace lumenscribe
