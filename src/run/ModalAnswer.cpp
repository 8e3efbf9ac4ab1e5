#include "run/ModalAnswer.h"

#include <chrono>
#include <thread>

namespace lumenscribe {

int ModalAnswer::wait()
{
    for (;;) {
        if (m_terminate.load()) {
            m_code.store(kAbort);
            return kAbort;
        }
        const int code = m_code.load(std::memory_order_acquire);
        if (code != kNone)
            return m_terminate.load() ? kAbort : code;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void ModalAnswer::setPath(const QString& path)
{
    const std::lock_guard lock(m_pathMutex);
    m_path = path.toUtf8().left(kMaxPathBytes);
}

QString ModalAnswer::path() const
{
    const std::lock_guard lock(m_pathMutex);
    return QString::fromUtf8(m_path);
}

} // namespace lumenscribe
