// The hand-over between a confirmation window and the run waiting for it:
// an answer code the run polls, a flag that makes every wait answer abort
// when the application quits, and the confirmed full path, stored before the
// answer becomes visible.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <mutex>

namespace lumenscribe {

class ModalAnswer
{
public:
    static constexpr int kNone = 0;
    static constexpr int kAbort = 1;
    // Longest confirmed path handed to the run, in UTF-8 bytes.
    static constexpr int kMaxPathBytes = 2047;

    // Forgets an earlier answer; called before the window is asked, so an
    // answer given at once is never lost to the wait.
    void prepare() { m_code.store(kNone); }
    void give(int code) { m_code.store(code, std::memory_order_release); }
    // Polls every 0.1 s until an answer comes or the application quits.
    int wait();
    void terminate() { m_terminate.store(true); }

    void setPath(const QString& path);
    QString path() const;

private:
    std::atomic<int> m_code{kNone};
    std::atomic<bool> m_terminate{false};
    mutable std::mutex m_pathMutex;
    QByteArray m_path;
};

} // namespace lumenscribe
