// Carries the run's StatusProxy calls from its worker thread to the thread
// that owns the front end, the Qt way: one-way calls are queued invocations
// and return at once, two-way calls are blocking queued invocations, and all
// arrive in the order sent, as events of the owning thread's event loop.
//
// The owning thread must never simply block on the run: while it waits it
// serves the calls (serveUntil), so a run inside a two-way call is carried
// through instead of deadlocking the two.
#pragma once

#include "run/StatusProxy.h"

#include <QObject>
#include <atomic>
#include <functional>

namespace lumenscribe {

class StatusBridge : public QObject, public StatusProxy
{
    Q_OBJECT

public:
    // Belongs to the thread it is made on; `target` is used on that thread.
    explicit StatusBridge(StatusProxy& target, QObject* parent = nullptr);

    // The owning thread: runs its event loop, carrying out the calls, until
    // `done` answers true, then carries out what is still queued.
    void serveUntil(const std::function<bool()>& done);
    // From now on calls are dropped, and two-way calls answer at once with
    // nothing, so that a run can never be left blocked on a front end that
    // has gone.
    void shutdown();

    void showAlertPanel(const QString& message) override;
    void closeFIW() override;
    void openFIW() override;
    void ciwWithFile(const QString& file, const QString& path, Instant date) override;
    void ciwSubSeconds(const QString& digits) override;
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
    void callAndWait(const std::function<void()>& call);

    StatusProxy& m_target;
    std::atomic<bool> m_shutDown{false};
};

} // namespace lumenscribe
