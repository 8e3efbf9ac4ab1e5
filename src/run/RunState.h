// The flags of a run, shared between the run's thread and the front end's:
// private, and changed only through what each side may ask for.
#pragma once

#include <atomic>

namespace lumenscribe {

class RunState
{
public:
    // The front end: stop after the file in hand.
    void requestAbort() { m_abort.store(true); }
    // The front end, when the application quits: stop, and show nothing more.
    void requestTermination()
    {
        m_terminate.store(true);
        m_abort.store(true);
    }
    bool abortRequested() const { return m_abort.load(); }
    bool terminationRequested() const { return m_terminate.load(); }
    bool isRunning() const { return m_running.load(); }
    // The person answered rename-all, or the run started with it.
    bool renameAll() const { return m_renameAll.load(); }
    void setRenameAll() { m_renameAll.store(true); }

    // The controller, as it starts a run; the run itself, as it ends.
    void started(bool renameAll)
    {
        m_abort.store(false);
        m_renameAll.store(renameAll);
        m_running.store(true);
    }
    void ended()
    {
        m_renameAll.store(false);
        m_running.store(false);
    }
    // Whether this call made the run abort (false when it already was).
    bool abortOnce() { return !m_abort.exchange(true); }

private:
    std::atomic<bool> m_abort{false};
    std::atomic<bool> m_terminate{false};
    std::atomic<bool> m_renameAll{false};
    std::atomic<bool> m_running{false};
};

} // namespace lumenscribe
