#include "windows/TaskbarProgress.h"

#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>
#include <algorithm>

namespace lumenscribe {

namespace {
const QString Interface = QStringLiteral("com.canonical.Unity.LauncherEntry");
// Docks go by the application URI in the signal, not by the sender's path.
const QString ObjectPath = QStringLiteral("/io/github/lumenscribe/Lumenscribe/LauncherEntry");
} // namespace

TaskbarProgress::TaskbarProgress(QObject* parent)
    : TaskbarProgress(QDBusConnection::sessionBus(), QGuiApplication::desktopFileName(), parent)
{
}

TaskbarProgress::TaskbarProgress(const QDBusConnection& bus, const QString& desktopFileName, QObject* parent)
    : QObject(parent), m_bus(bus),
      m_appUri(QStringLiteral("application://") + desktopFileName + QStringLiteral(".desktop"))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TaskbarProgress::flush);
}

TaskbarProgress::~TaskbarProgress()
{
    if (m_sent.visible) {
        m_wanted = State{};
        flush();
    }
}

void TaskbarProgress::setProgress(qint64 value, qint64 maximum)
{
    const double progress = maximum > 0 ? std::clamp(double(value) / double(maximum), 0.0, 1.0) : 0.0;
    change({progress, true});
}

void TaskbarProgress::hide()
{
    change({m_wanted.progress, false});
}

void TaskbarProgress::change(const State& state)
{
    m_wanted = state;
    if (!isAvailable() || m_timer.isActive())
        return;
    const auto since = std::chrono::milliseconds(m_lastSent.isValid() ? m_lastSent.elapsed() : MinInterval.count());
    if (since >= MinInterval)
        flush();
    else
        m_timer.start(MinInterval - since);
}

void TaskbarProgress::flush()
{
    m_timer.stop();
    if (!isAvailable() || m_wanted == m_sent)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(ObjectPath, Interface, QStringLiteral("Update"));
    const QVariantMap properties{{QStringLiteral("progress"), m_wanted.progress},
                                 {QStringLiteral("progress-visible"), m_wanted.visible}};
    signal << m_appUri << properties;
    m_bus.send(signal);
    m_sent = m_wanted;
    m_lastSent.start();
}

} // namespace lumenscribe
