// Takes the run lock for "lumenscribe" and "lumenscribe undo": at once, or
// after waiting with --wait; otherwise says which process holds it.
#pragma once

#include "journal/RunLock.h"

#include <QTextStream>

namespace lumenscribe {

class RunLockWait
{
public:
    // True when `lock` is taken; false after the reason was written to err.
    static bool take(RunLock& lock, bool wait, QTextStream& err);
};

} // namespace lumenscribe
