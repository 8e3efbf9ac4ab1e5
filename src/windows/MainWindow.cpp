#include "windows/MainWindow.h"

#include "controllers/MainController.h"
#include "controllers/MainWindowController.h"
#include "windows/DropArea.h"
#include "windows/DroppedPaths.h"
#include "windows/FileDialog.h"
#include "windows/MessageBox.h"
#include "windows/NamesTableModel.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace lumenscribe {

MainWindow::MainWindow(MainController& controller, MainWindowController& windowController, QWidget* parent)
    : QMainWindow(parent), m_controller(controller), m_windowController(windowController)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Lumenscribe"));
    setAcceptDrops(true);
    makeMenus();

    m_dropArea = new DropArea(this);
    connect(m_dropArea, &DropArea::pathsDropped, this, &MainWindow::open);
    connect(m_dropArea, &DropArea::openFilesClicked, this, &MainWindow::openFiles);
    connect(m_dropArea, &DropArea::openFolderClicked, this, &MainWindow::openFolder);

    //% "&Undo the last run"
    m_undoButton = new QPushButton(qtTrId("MainUndoNothingButton"), this);
    m_undoButton->setObjectName(QStringLiteral("undoButton"));
    connect(m_undoButton, &QPushButton::clicked, this, &MainWindow::undoLastRun);
    auto* undoRow = new QHBoxLayout;
    undoRow->addStretch();
    undoRow->addWidget(m_undoButton);

    auto* central = new QWidget(this);
    m_layout = new QVBoxLayout(central);
    m_layout->addWidget(m_dropArea, 1);
    m_layout->addWidget(makeStylesBox());
    m_layout->addWidget(makeNamesBox(), 0);
    m_layout->addLayout(undoRow);
    setCentralWidget(central);
    resize(720, 520);

    m_windowController.setView(this);
}

MainWindow::~MainWindow()
{
    m_windowController.setView(nullptr);
}

void MainWindow::makeMenus()
{
    //% "&File"
    QMenu* file = menuBar()->addMenu(qtTrId("MenuFile"));
    //% "&Open Files…"
    QAction* openFiles = file->addAction(qtTrId("MenuOpenFiles"), this, &MainWindow::openFiles);
    openFiles->setShortcut(QKeySequence::Open);
    openFiles->setObjectName(QStringLiteral("openFilesAction"));
    //% "Open F&older…"
    file->addAction(qtTrId("MenuOpenFolder"), this, &MainWindow::openFolder)
        ->setObjectName(QStringLiteral("openFolderAction"));
    file->addSeparator();
    //% "&Undo Last Run…"
    m_undoAction = file->addAction(qtTrId("MenuUndoLastRun"), this, &MainWindow::undoLastRun);
    m_undoAction->setObjectName(QStringLiteral("undoAction"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    file->addSeparator();
    //% "&Quit"
    QAction* quit = file->addAction(qtTrId("MenuQuit"), this, &MainWindow::quitRequested);
    quit->setShortcut(QKeySequence::Quit);
    quit->setObjectName(QStringLiteral("quitAction"));

    //% "&Settings"
    QMenu* settings = menuBar()->addMenu(qtTrId("MenuSettings"));
    //% "&Preferences…"
    QAction* preferences = settings->addAction(qtTrId("MenuPreferences"), this, &MainWindow::preferencesRequested);
    preferences->setObjectName(QStringLiteral("preferencesAction"));
    preferences->setShortcut(QKeySequence::Preferences);

    //% "&Help"
    QMenu* help = menuBar()->addMenu(qtTrId("MenuHelp"));
    //% "&About Lumenscribe"
    help->addAction(qtTrId("MenuAbout"), this, &MainWindow::aboutRequested)
        ->setObjectName(QStringLiteral("aboutAction"));
    //% "Check for &Updates"
    m_updatesAction = help->addAction(qtTrId("MenuCheckForUpdates"), this, &MainWindow::checkForUpdatesRequested);
    m_updatesAction->setObjectName(QStringLiteral("checkForUpdatesAction"));
    //% "&Donation Information"
    help->addAction(qtTrId("MenuDonationInformation"), this, &MainWindow::donationInfoRequested)
        ->setObjectName(QStringLiteral("donationAction"));
}

// While the version file is on its way the command says so and cannot be
// given again.
void MainWindow::showCheckingForUpdates(bool checking)
{
    if (checking) {
        //% "Checking for Updates…"
        m_updatesAction->setText(qtTrId("MenuCheckingForUpdates"));
    } else {
        //% "Check for &Updates"
        m_updatesAction->setText(qtTrId("MenuCheckForUpdates"));
    }
    m_updatesAction->setEnabled(!checking);
}

QWidget* MainWindow::makeStylesBox()
{
    auto* box = new QWidget(this);
    m_fileStyles = new QComboBox(box);
    m_fileStyles->setObjectName(QStringLiteral("fileStylePopUp"));
    m_folderStyles = new QComboBox(box);
    m_folderStyles->setObjectName(QStringLiteral("folderStylePopUp"));
    for (QComboBox* popUp : {m_fileStyles, m_folderStyles})
        popUp->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_fileStyles, &QComboBox::activated, &m_windowController, &MainWindowController::fileStyleChosen);
    connect(m_folderStyles, &QComboBox::activated, &m_windowController, &MainWindowController::folderStyleChosen);
    m_dropAction = new QLabel(box);
    m_dropAction->setObjectName(QStringLiteral("dropActionLabel"));
    m_dropAction->setTextFormat(Qt::PlainText);
    m_dropAction->setWordWrap(true);
    //% "Show the &names before renaming"
    m_namesFirst = new QCheckBox(qtTrId("MainShowNamesFirst"), box);
    m_namesFirst->setObjectName(QStringLiteral("namesFirstCheckBox"));
    m_namesFirst->setChecked(m_controller.showNamesFirst());
    connect(m_namesFirst, &QCheckBox::toggled, this, [this](bool on) { m_controller.setShowNamesFirst(on); });

    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    //% "File &style:"
    form->addRow(qtTrId("MainFileStyleLabel"), m_fileStyles);
    //% "F&older style:"
    form->addRow(qtTrId("MainFolderStyleLabel"), m_folderStyles);
    form->addRow(m_dropAction);
    form->addRow(m_namesFirst);
    return box;
}

QWidget* MainWindow::makeNamesBox()
{
    m_namesBox = new QWidget(this);
    m_namesBox->setObjectName(QStringLiteral("namesBox"));
    m_namesModel = new NamesTableModel(this);
    m_namesTable = new QTableView(m_namesBox);
    m_namesTable->setObjectName(QStringLiteral("namesTable"));
    //% "Names the files will get"
    m_namesTable->setAccessibleName(qtTrId("NamesTableAccessibleName"));
    m_namesTable->setModel(m_namesModel);
    m_namesTable->verticalHeader()->hide();
    m_namesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_namesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_namesTable->setWordWrap(false);
    m_namesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_namesTable->horizontalHeader()->setStretchLastSection(true);
    m_namesStatus = new QLabel(m_namesBox);
    m_namesStatus->setObjectName(QStringLiteral("namesStatus"));
    //% "&Rename"
    m_renameButton = new QPushButton(qtTrId("NamesRenameButton"), m_namesBox);
    m_renameButton->setObjectName(QStringLiteral("renameNamesButton"));
    m_renameButton->setDefault(true);
    //% "&Clear"
    auto* clear = new QPushButton(qtTrId("NamesClearButton"), m_namesBox);
    clear->setObjectName(QStringLiteral("clearNamesButton"));
    connect(m_renameButton, &QPushButton::clicked, &m_windowController, &MainWindowController::renameShown);
    connect(clear, &QPushButton::clicked, &m_windowController, &MainWindowController::discardShown);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_namesStatus, 1);
    buttons->addWidget(clear);
    buttons->addWidget(m_renameButton);
    auto* layout = new QVBoxLayout(m_namesBox);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_namesTable);
    layout->addLayout(buttons);
    m_namesBox->hide();
    return m_namesBox;
}

void MainWindow::fillPopUp(QComboBox* popUp, const QList<StylePopUpItem>& items, int current)
{
    const QSignalBlocker blocker(popUp);
    popUp->clear();
    for (const StylePopUpItem& item : items) {
        if (item.isSeparator)
            popUp->insertSeparator(popUp->count());
        else
            popUp->addItem(item.title);
    }
    popUp->setCurrentIndex(current);
}

void MainWindow::showStyles(const QList<StylePopUpItem>& fileItems, int fileItem,
                            const QList<StylePopUpItem>& folderItems, int folderItem)
{
    fillPopUp(m_fileStyles, fileItems, fileItem);
    fillPopUp(m_folderStyles, folderItems, folderItem);
}

void MainWindow::showDropAction(const QString& text)
{
    m_dropAction->setText(text);
}

void MainWindow::showNames(bool shown, const QList<FileReport>& rows, bool planning)
{
    {
        const QSignalBlocker blocker(m_namesFirst);
        m_namesFirst->setChecked(m_controller.showNamesFirst());
    }
    // With names to check, the table takes the room and the drop area keeps
    // enough to take more files.
    m_namesBox->setVisible(shown);
    m_layout->setStretchFactor(m_dropArea, shown ? 0 : 1);
    m_layout->setStretchFactor(m_namesBox, shown ? 1 : 0);
    m_dropArea->setMaximumHeight(shown ? m_dropArea->minimumSizeHint().height() : QWIDGETSIZE_MAX);
    m_namesModel->setRows(rows);
    if (!rows.isEmpty() && m_namesTable->isVisible())
        m_namesTable->resizeColumnsToContents();
    if (planning)
        //% "Working out the names…"
        m_namesStatus->setText(qtTrId("NamesPlanning"));
    else
        //% "%n file(s)"
        m_namesStatus->setText(qtTrId("NamesCount", static_cast<int>(rows.size())));
    m_renameButton->setEnabled(shown && !planning && !m_controller.isRunning());
}

void MainWindow::showUndo(const QString& text, bool enabled)
{
    m_undoButton->setText(text);
    m_undoButton->setEnabled(enabled);
    m_undoAction->setEnabled(enabled);
}

void MainWindow::open(const QStringList& paths)
{
    m_windowController.open(paths);
}

void MainWindow::openFiles()
{
    //% "Open Photos and Movies"
    open(FileDialog::getOpenFileNames(this, qtTrId("OpenFilesCaption"), QDir::homePath()));
}

void MainWindow::openFolder()
{
    //% "Open a Folder of Photos and Movies"
    const QString folder = FileDialog::getExistingDirectory(this, qtTrId("OpenFolderCaption"), QDir::homePath());
    if (!folder.isEmpty())
        open({folder});
}

void MainWindow::undoLastRun()
{
    const MainWindowController::UndoOffer offer = m_windowController.undoOffer();
    const QString title = QStringLiteral("Lumenscribe");
    if (!offer.available()) {
        //% "There is no run left to undo."
        MessageBox::information(this, title, qtTrId("UndoNothing"));
        m_windowController.refresh();
        return;
    }
    if (MessageBox::question(this, title, m_windowController.undoQuestion(offer), MessageBox::Yes | MessageBox::Cancel,
                             MessageBox::Cancel) != MessageBox::Yes)
        return;
    const MainWindowController::UndoResult result = m_windowController.undoLastRun(offer);
    switch (result.outcome) {
    case MainWindowController::UndoOutcome::Done:
        //% "%n file(s) put back."
        MessageBox::information(this, title, qtTrId("UndoDone", result.restored));
        break;
    case MainWindowController::UndoOutcome::Partly:
        //% "%n file(s) put back. These could not be put back:"
        MessageBox::warning(this, title,
                            qtTrId("UndoPartly", result.restored) + QStringLiteral("\n\n") +
                                result.lines.join(QLatin1Char('\n')));
        break;
    case MainWindowController::UndoOutcome::Locked:
        //% "A rename run or undo is going on. Try again when it has ended."
        MessageBox::warning(this, title, qtTrId("UndoLocked"));
        break;
    case MainWindowController::UndoOutcome::Failed:
        //% "The run could not be undone."
        MessageBox::warning(this, title,
                            qtTrId("UndoFailed") + QStringLiteral("\n") + result.lines.join(QLatin1Char('\n')));
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit quitRequested();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppedPaths::hasLocalPaths(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedPaths::localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    open(paths);
}

} // namespace lumenscribe
