// Carries the run's StatusProxy calls from its worker thread to the thread
// that owns the front end: one-way calls are queued and return at once,
// two-way calls wait until carried out, and all run in the order sent. The
// owning thread carries them out by calling serve().
#pragma once

#include "run/StatusProxy.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace lumenscribe {

class StatusBridge : public StatusProxy
{
public:
    explicit StatusBridge(StatusProxy& target) : m_target(target) {}

    // The owning thread: carries out what is queued, waiting up to `wait`
    // for the first call to arrive.
    void serve(std::chrono::milliseconds wait);
    // From now on calls are dropped and waiting callers released, so that a
    // run can never be left blocked on a front end that has gone.
    void shutdown();

    void showAlertPanel(const QString& message) override;
    void closeFIW() override;
    void openFIW() override;
    void ciwWithFile(const QString& file, const QString& path, Instant date) override;
    void closeCIW() override;
    void openCIW() override;
    QString fiwMakeFolderName() override;
    void refreshCounters() override;
    void makeInfoWindowCloseTimer() override;
    void setNIWDoubleValue(double value) override;
    void setNIWMaxValue(double value) override;
    void setNIWInfo(const QString& text) override;

private:
    void post(std::function<void()> call);
    void callAndWait(std::function<void()> call);

    StatusProxy& m_target;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::condition_variable m_done;
    std::deque<std::function<void()>> m_queue;
    quint64 m_sent = 0;
    quint64 m_served = 0;
    bool m_shutDown = false;
};

} // namespace lumenscribe
