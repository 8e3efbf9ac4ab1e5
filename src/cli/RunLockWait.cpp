#include "cli/RunLockWait.h"

namespace lumenscribe {

bool RunLockWait::take(RunLock& lock, bool wait, QTextStream& err)
{
    RunLock::State state = lock.tryTake();
    if (state == RunLock::State::HeldByAnother) {
        //% "another process"
        QString holder = qtTrId("CliLockAnotherProcess");
        if (lock.holder() > 0)
            //% "process %1"
            holder = qtTrId("CliLockProcess").arg(lock.holder());
        if (!wait) {
            //% "another run or undo is going on (%1, lock %2); use --wait to wait for it"
            err << "lumenscribe: " << qtTrId("CliLockHeld").arg(holder, lock.path()) << '\n';
            err.flush();
            return false;
        }
        //% "waiting for %1 to finish its run or undo"
        err << "lumenscribe: " << qtTrId("CliLockWaiting").arg(holder) << '\n';
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
