// The desktop application put together: the controller, the bridge that
// carries the run's calls to this thread, the windows, and start-up and quit
// as the classic application has them. Started with paths it renames them
// and quits after the run; started plainly it shows the main window.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

namespace lumenscribe {

class AboutWindow;
class AlertPanel;
class CIWWindow;
class DonationWindow;
class FIWWindow;
class GuiStatus;
class MainController;
class MainWindow;
class MainWindowController;
class PreferencesController;
class PreferencesWindow;
class ProgressWindow;
class StatusBridge;
class TaskbarProgress;
class UpdatePanel;

class DesktopApplication : public QObject
{
    Q_OBJECT

public:
    explicit DesktopApplication(MainController& controller, QObject* parent = nullptr);
    ~DesktopApplication() override;

    // Loads the settings; with paths, starts renaming them (start mode 2).
    void start(const QStringList& paths);
    // Paths from a drop, a chooser or a second start.
    void openPaths(const QStringList& paths);
    // Ends a run under way (its windows answer abort), saves, and quits.
    void quit();
    // Another start came: the main window comes forward, if there is one.
    void activate();
    // Shows the preferences panel, made on first use.
    void openPreferences();
    // The Help menu: the About panel, the donation information (at the first
    // start of a new version with its button held back a moment) and the
    // update check. The panels are made when first wanted.
    void openAbout();
    void openDonationInfo(bool firstStart = false);
    void checkForUpdates();

    MainController& controller() { return m_controller; }
    MainWindowController& mainWindowController() { return *m_windowController; }
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    ProgressWindow& progressWindow() { return *m_progress; }
    AlertPanel& alertPanel() { return *m_alerts; }
    GuiStatus& status() { return *m_status; }
    CIWWindow& ciwWindow() { return *m_ciwWindow; }
    FIWWindow& fiwWindow() { return *m_fiwWindow; }
    bool quitting() const { return m_quitting; }
    // Null until the panel was first opened.
    PreferencesWindow* preferencesWindow() const { return m_preferencesWindow.get(); }
    AboutWindow* aboutWindow() const { return m_about.get(); }
    DonationWindow* donationWindow() const { return m_donation.get(); }
    UpdatePanel& updatePanel() { return *m_updates; }

signals:
    // Quitting has begun: nothing new is taken from now on.
    void quitStarted();
    // Everything is saved; the event loop may end.
    void finished();
    // The donation information of a first start was acknowledged: the
    // preferences come next.
    void preferencesRequested();

private:
    void showMainWindow();
    void progressClosed();
    void progressClosedByPerson();

    MainController& m_controller;
    std::unique_ptr<ProgressWindow> m_progress;
    std::unique_ptr<AlertPanel> m_alerts;
    std::unique_ptr<GuiStatus> m_status;
    std::unique_ptr<StatusBridge> m_bridge;
    std::unique_ptr<MainWindowController> m_windowController;
    std::unique_ptr<CIWWindow> m_ciwWindow;
    std::unique_ptr<FIWWindow> m_fiwWindow;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<TaskbarProgress> m_taskbar;
    // The window is a view of the controller: it goes first.
    std::unique_ptr<PreferencesController> m_preferences;
    std::unique_ptr<PreferencesWindow> m_preferencesWindow;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<DonationWindow> m_donation;
    std::unique_ptr<UpdatePanel> m_updates;
    bool m_quitting = false;
};

} // namespace lumenscribe
