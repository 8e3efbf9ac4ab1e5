#include "windows/DesktopApplication.h"

#include "controllers/MainController.h"
#include "controllers/MainWindowController.h"
#include "controllers/PreferencesController.h"
#include "controllers/StatusBridge.h"
#include "journal/RunLock.h"
#include "windows/AboutWindow.h"
#include "windows/AlertPanel.h"
#include "windows/CIWWindow.h"
#include "windows/DonationWindow.h"
#include "windows/FIWWindow.h"
#include "windows/GuiStatus.h"
#include "windows/MainWindow.h"
#include "windows/PreferencesWindow.h"
#include "windows/ProgressWindow.h"
#include "windows/TaskbarProgress.h"
#include "windows/TimingProbe.h"
#include "windows/UpdatePanel.h"

#include <QCoreApplication>

namespace lumenscribe {

DesktopApplication::DesktopApplication(MainController& controller, QObject* parent)
    : QObject(parent), m_controller(controller), m_progress(std::make_unique<ProgressWindow>()),
      m_alerts(std::make_unique<AlertPanel>()), m_updates(std::make_unique<UpdatePanel>())
{
    m_status = std::make_unique<GuiStatus>(m_controller, *m_progress, *m_alerts);
    // The donation information of a first start leads on to the preferences.
    connect(this, &DesktopApplication::preferencesRequested, this, &DesktopApplication::openPreferences);
    m_bridge = std::make_unique<StatusBridge>(*m_status);
    m_controller.setStatusProxy(m_status.get());
    m_controller.setStatusBridge(m_bridge.get());
    // The desktop application holds the lock only while a run goes, so that
    // the command line can run between them.
    m_controller.setRunLockPath(RunLock::defaultPath());
    m_windowController = std::make_unique<MainWindowController>(m_controller);
    m_ciwWindow = std::make_unique<CIWWindow>(m_controller.ciwController());
    m_fiwWindow = std::make_unique<FIWWindow>(m_controller.fiwController());

    connect(m_progress.get(), &ProgressWindow::abortClicked, this, [this] { m_controller.requestAbort(); });
    connect(m_progress.get(), &ProgressWindow::pathsDropped, this, &DesktopApplication::openPaths);
    connect(m_progress.get(), &ProgressWindow::closedByPerson, this, &DesktopApplication::progressClosedByPerson);
    connect(m_status.get(), &GuiStatus::progressClosed, this, &DesktopApplication::progressClosed);
    connect(m_alerts.get(), &QDialog::finished, this, &DesktopApplication::progressClosed);
    connect(m_status.get(), &GuiStatus::runEnded, m_windowController.get(), &MainWindowController::refresh);
    connect(m_status.get(), &GuiStatus::runEnded, this, [] { TimingProbe::mark("run-ended"); });
    m_taskbar = std::make_unique<TaskbarProgress>();
    connect(m_status.get(), &GuiStatus::progressChanged, m_taskbar.get(), [this](double value, double maximum) {
        m_taskbar->setProgress(static_cast<qint64>(value), static_cast<qint64>(maximum));
    });
    connect(m_status.get(), &GuiStatus::progressClosed, m_taskbar.get(), &TaskbarProgress::hide);
}

DesktopApplication::~DesktopApplication()
{
    if (!m_quitting)
        quit();
    m_controller.setStatusBridge(nullptr);
    m_controller.setStatusProxy(nullptr);
}

void DesktopApplication::start(const QStringList& paths)
{
    if (!paths.isEmpty())
        m_controller.applicationOpenFiles(paths);
    m_controller.applicationDidFinishLaunching();
    if (!m_controller.preferencesProblem().isEmpty())
        m_alerts->addMessage(m_controller.preferencesProblem());
    if (m_controller.startMode() != 2) {
        showMainWindow();
        // Not when started only to rename: the panel would go with the quit.
        if (m_controller.needsDonationInfo())
            openDonationInfo(true);
    }
}

void DesktopApplication::showMainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(m_controller, *m_windowController);
        connect(m_mainWindow.get(), &MainWindow::quitRequested, this, &DesktopApplication::quit);
        connect(m_mainWindow.get(), &MainWindow::preferencesRequested, this, &DesktopApplication::openPreferences);
        connect(m_mainWindow.get(), &MainWindow::aboutRequested, this, &DesktopApplication::openAbout);
        connect(m_mainWindow.get(), &MainWindow::donationInfoRequested, this, [this] { openDonationInfo(false); });
        connect(m_mainWindow.get(), &MainWindow::checkForUpdatesRequested, this, &DesktopApplication::checkForUpdates);
        connect(m_updates.get(), &UpdatePanel::checkingChanged, m_mainWindow.get(),
                &MainWindow::showCheckingForUpdates);
    }
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

// A second start's paths, or a drop: joins the run under way, or starts one
// (or, with the names shown first, plans them in the main window).
void DesktopApplication::openPaths(const QStringList& paths)
{
    if (m_quitting || paths.isEmpty())
        return;
    if (m_mainWindow && m_mainWindow->isVisible())
        m_windowController->open(paths);
    else
        m_controller.applicationOpenFiles(paths);
}

// The panel edits the collections the runs name with; after a run the pop-up
// titles follow the new sequence counters, and the main window shows what
// the panel chose once it closes.
void DesktopApplication::openPreferences()
{
    if (!m_preferences) {
        m_preferences = std::make_unique<PreferencesController>(m_controller.fileNameGenerators(),
                                                                m_controller.folderNameGenerators(), m_controller);
        m_preferencesWindow = std::make_unique<PreferencesWindow>(*m_preferences, m_controller);
        connect(m_status.get(), &GuiStatus::runEnded, m_preferencesWindow.get(), [this] {
            m_preferences->refreshStylePopUps();
            m_preferences->refreshRunNote();
        });
        connect(m_preferencesWindow.get(), &PreferencesWindow::panelHidden, m_windowController.get(),
                &MainWindowController::refresh);
    }
    m_preferences->openPanel();
}

void DesktopApplication::activate()
{
    if (m_mainWindow && m_mainWindow->isVisible()) {
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
}

void DesktopApplication::openAbout()
{
    if (!m_about) {
        m_about = std::make_unique<AboutWindow>();
        connect(m_about.get(), &AboutWindow::donationInfoRequested, this, [this] { openDonationInfo(false); });
    }
    m_about->openAboutPanel();
}

void DesktopApplication::openDonationInfo(bool firstStart)
{
    if (!m_donation) {
        m_donation = std::make_unique<DonationWindow>();
        connect(m_donation.get(), &DonationWindow::preferencesRequested, this,
                &DesktopApplication::preferencesRequested);
    }
    m_donation->openDonationInfoPanel(firstStart);
}

void DesktopApplication::checkForUpdates()
{
    m_updates->check(m_mainWindow.get());
}

void DesktopApplication::progressClosed()
{
    // The run has ended by now and its journal is complete: the undo offer
    // can count what it would put back.
    m_windowController->refresh();
    // Started to open files: quits once the run is over and its alerts are read.
    if (m_controller.startMode() == 2 && !m_controller.isRunning() && !m_status->progressWindowIsOpen() &&
        !m_alerts->isVisible())
        quit();
}

// A window closed by hand while its run goes on stops the run; the window
// goes away with the run's end.
void DesktopApplication::progressClosedByPerson()
{
    if (m_controller.isRunning())
        m_controller.requestAbort();
    else
        m_progress->hide();
}

void DesktopApplication::quit()
{
    if (m_quitting)
        return;
    m_quitting = true;
    emit quitStarted();
    m_windowController->discardShown();
    m_controller.applicationShouldTerminate();
    m_bridge->shutdown();
    m_progress->hide();
    m_alerts->hide();
    for (QWidget* panel : {static_cast<QWidget*>(m_about.get()), static_cast<QWidget*>(m_donation.get())})
        if (panel)
            panel->hide();
    if (m_mainWindow)
        m_mainWindow->hide();
    emit finished();
    QCoreApplication::quit();
}

} // namespace lumenscribe
