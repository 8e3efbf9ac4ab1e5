// One rename run or undo at a time for a user: two runs over the same card
// would each vary names against files the other is about to move, and an
// undo must not take back a run that is still going.
//
// The lock is an flock on a file beside the journal folder (so it guards the
// same journals), holding the process number of its holder. The kernel
// releases it when the holder ends, however it ends.
#pragma once

#include <QString>

namespace lumenscribe {

class RunLock
{
public:
    enum class State
    {
        Taken,
        HeldByAnother,
        Failed
    };

    static QString defaultPath();

    explicit RunLock(QString path = defaultPath());
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // Takes the lock if it is free; otherwise says who holds it.
    State tryTake();
    // Waits until the lock is free, then takes it.
    State take();
    void release();

    const QString& path() const { return m_path; }
    // The holder's process number after HeldByAnother; 0 when it had not
    // written it yet.
    qint64 holder() const { return m_holder; }
    // Why the lock could not be used, after Failed.
    const QString& error() const { return m_error; }

private:
    bool open();
    State lock(bool wait);
    qint64 readHolder() const;

    QString m_path;
    int m_fd = -1;
    bool m_taken = false;
    qint64 m_holder = 0;
    QString m_error;
};

} // namespace lumenscribe
