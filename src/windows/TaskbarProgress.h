// Shows a run's progress on the application's taskbar or dock entry, through
// the launcher API that KDE Plasma's task manager, Dash to Dock, Plank and
// others read: the com.canonical.Unity.LauncherEntry "Update" signal on the
// session bus. Best effort: without a bus it does nothing.
#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>

namespace lumenscribe {

class TaskbarProgress : public QObject
{
    Q_OBJECT

public:
    // Docks repaint on every signal; a run of small files must not flood them.
    static constexpr std::chrono::milliseconds MinInterval{100};

    // The session bus and the application's desktop file name.
    explicit TaskbarProgress(QObject* parent = nullptr);
    TaskbarProgress(const QDBusConnection& bus, const QString& desktopFileName, QObject* parent = nullptr);
    // Takes the bar away: a dock would otherwise keep it after the window is gone.
    ~TaskbarProgress() override;

    bool isAvailable() const { return m_bus.isConnected(); }
    QString appUri() const { return m_appUri; }

    // Shows value of maximum; a maximum of 0 or less shows an empty bar.
    void setProgress(qint64 value, qint64 maximum);
    void hide();

private:
    struct State
    {
        double progress = 0;
        bool visible = false;
        bool operator==(const State&) const = default;
    };

    void change(const State& state);
    void flush();

    QDBusConnection m_bus;
    QString m_appUri;
    State m_wanted;
    State m_sent;
    QElapsedTimer m_lastSent;
    QTimer m_timer;
};

} // namespace lumenscribe
