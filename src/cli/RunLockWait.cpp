#include "cli/RunLockWait.h"

namespace lumenscribe {

bool RunLockWait::take(RunLock& lock, bool wait, QTextStream& err)
{
    RunLock::State state = lock.tryTake();
    if (state == RunLock::State::HeldByAnother) {
        const QString holder =
            lock.holder() > 0 ? QStringLiteral("process %1").arg(lock.holder()) : QStringLiteral("another process");
        if (!wait) {
            err << "lumenscribe: another run or undo is going on (" << holder << ", lock " << lock.path()
                << "); use --wait to wait for it\n";
            err.flush();
            return false;
        }
        err << "lumenscribe: waiting for " << holder << " to finish its run or undo\n";
        err.flush();
        state = lock.take();
    }
    if (state == RunLock::State::Failed) {
        err << "lumenscribe: " << lock.error() << '\n';
        err.flush();
        return false;
    }
    return true;
}

} // namespace lumenscribe
