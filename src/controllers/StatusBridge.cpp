#include "controllers/StatusBridge.h"

namespace lumenscribe {

void StatusBridge::serve(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_mutex);
    m_arrived.wait_for(lock, wait, [this] { return !m_queue.empty() || m_shutDown; });
    while (!m_queue.empty()) {
        std::function<void()> call = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        call();
        lock.lock();
        ++m_served;
        m_done.notify_all();
    }
}

void StatusBridge::shutdown()
{
    const std::lock_guard lock(m_mutex);
    m_shutDown = true;
    m_queue.clear();
    m_arrived.notify_all();
    m_done.notify_all();
}

void StatusBridge::post(std::function<void()> call)
{
    const std::lock_guard lock(m_mutex);
    if (m_shutDown)
        return;
    m_queue.push_back(std::move(call));
    ++m_sent;
    m_arrived.notify_all();
}

void StatusBridge::callAndWait(std::function<void()> call)
{
    std::unique_lock lock(m_mutex);
    if (m_shutDown)
        return;
    m_queue.push_back(std::move(call));
    const quint64 ticket = ++m_sent;
    m_arrived.notify_all();
    m_done.wait(lock, [this, ticket] { return m_served >= ticket || m_shutDown; });
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
    // Shared, so that a caller released by shutdown never sees it written late.
    auto result = std::make_shared<QString>();
    callAndWait([this, result] { *result = m_target.fiwMakeFolderName(); });
    const std::lock_guard lock(m_mutex);
    return *result;
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
