#include "journal/RunLock.h"

#include "journal/JournalStore.h"
#include "platform/PathNames.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lumenscribe {

QString RunLock::defaultPath()
{
    return PathNames::folderOf(JournalStore::defaultFolder()) + QStringLiteral("/run.lock");
}

RunLock::RunLock(QString path) : m_path(std::move(path))
{
}

RunLock::~RunLock()
{
    release();
}

RunLock::State RunLock::tryTake()
{
    return lock(false);
}

RunLock::State RunLock::take()
{
    return lock(true);
}

void RunLock::release()
{
    if (m_fd < 0)
        return;
    // The file stays: removing it would let the next two processes lock two
    // different files of the same name.
    if (m_taken)
        static_cast<void>(::ftruncate(m_fd, 0));
    ::close(m_fd);
    m_fd = -1;
    m_taken = false;
}

bool RunLock::open()
{
    if (m_fd >= 0)
        return true;
    QDir().mkpath(PathNames::folderOf(m_path));
    // Close-on-exec: a program opened after the run must not inherit the
    // lock and hold it after this process ended.
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0) {
        m_error = QStringLiteral("cannot open %1: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

RunLock::State RunLock::lock(bool wait)
{
    if (m_taken)
        return State::Taken;
    if (!open())
        return State::Failed;
    while (::flock(m_fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK) {
            m_holder = readHolder();
            return State::HeldByAnother;
        }
        m_error = QStringLiteral("cannot lock %1: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        return State::Failed;
    }
    m_taken = true;
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(m_fd, 0) == 0)
        static_cast<void>(::pwrite(m_fd, pid.constData(), size_t(pid.size()), 0));
    return State::Taken;
}

qint64 RunLock::readHolder() const
{
    char text[32] = {};
    const ssize_t count = ::pread(m_fd, text, sizeof text - 1, 0);
    return count > 0 ? QByteArray(text, int(count)).trimmed().toLongLong() : 0;
}

} // namespace lumenscribe
