#include "controllers/StatusBridge.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace lumenscribe {

namespace {

// How often a wait looks whether the run has ended; calls from the run are
// carried out as they arrive, not at this pace.
constexpr int kDonePollMilliseconds = 10;

} // namespace

StatusBridge::StatusBridge(StatusProxy& target, QObject* parent) : QObject(parent), m_target(target)
{
}

void StatusBridge::serveUntil(const std::function<bool()>& done)
{
    if (!done()) {
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(kDonePollMilliseconds);
        connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        poll.start();
        loop.exec();
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void StatusBridge::shutdown()
{
    m_shutDown.store(true);
    // Releases a caller blocked on a call that is still queued.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void StatusBridge::post(std::function<void()> call)
{
    if (m_shutDown.load())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, call = std::move(call)] {
            if (!m_shutDown.load())
                call();
        },
        Qt::QueuedConnection);
}

void StatusBridge::callAndWait(const std::function<void()>& call)
{
    if (m_shutDown.load())
        return;
    const auto guarded = [this, &call] {
        if (!m_shutDown.load())
            call();
    };
    if (QThread::currentThread() == thread())
        guarded(); // a blocking call to its own thread would never return
    else
        QMetaObject::invokeMethod(this, guarded, Qt::BlockingQueuedConnection);
}

void StatusBridge::showAlertPanel(const QString& message)
{
    post([this, message] { m_target.showAlertPanel(message); });
}

void StatusBridge::closeFIW()
{
    post([this] { m_target.closeFIW(); });
}

void StatusBridge::openFIW()
{
    post([this] { m_target.openFIW(); });
}

void StatusBridge::ciwWithFile(const QString& file, const QString& path, Instant date)
{
    post([this, file, path, date] { m_target.ciwWithFile(file, path, date); });
}

void StatusBridge::ciwSubSeconds(const QString& digits)
{
    post([this, digits] { m_target.ciwSubSeconds(digits); });
}

void StatusBridge::closeCIW()
{
    post([this] { m_target.closeCIW(); });
}

void StatusBridge::openCIW()
{
    post([this] { m_target.openCIW(); });
}

QString StatusBridge::fiwMakeFolderName()
{
    QString name;
    callAndWait([this, &name] { name = m_target.fiwMakeFolderName(); });
    return name;
}

void StatusBridge::refreshCounters()
{
    callAndWait([this] { m_target.refreshCounters(); });
}

void StatusBridge::makeInfoWindowCloseTimer()
{
    callAndWait([this] { m_target.makeInfoWindowCloseTimer(); });
}

void StatusBridge::setNIWDoubleValue(double value)
{
    callAndWait([this, value] { m_target.setNIWDoubleValue(value); });
}

void StatusBridge::setNIWMaxValue(double value)
{
    callAndWait([this, value] { m_target.setNIWMaxValue(value); });
}

void StatusBridge::setNIWInfo(const QString& text)
{
    callAndWait([this, text] { m_target.setNIWInfo(text); });
}

} // namespace lumenscribe
