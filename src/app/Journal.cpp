#include "app/Journal.h"

#include "app/FileSystem.h"
#include "app/JournalStore.h"

#include <QDateTime>

#include <cstring>
#include <fcntl.h>

namespace lumenscribe {

namespace {

int writeAll(FileSystem& fileSystem, int fd, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        qint64 count = 0;
        if (const int error = fileSystem.write(fd, bytes.constData() + done, bytes.size() - done, count))
            return error;
        done += count;
    }
    return 0;
}

QString describe(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

Journal::Journal(FileSystem& fileSystem, const JournalStore& store) : m_fileSystem(fileSystem), m_store(store) {}

Journal::~Journal()
{
    finish();
}

void Journal::setDroppedPaths(const QStringList& paths)
{
    if (m_droppedPaths.isEmpty())
        m_droppedPaths = paths;
}

bool Journal::open()
{
    m_store.prune();
    m_path = m_store.newJournalPath();
    if (const int error = m_fileSystem.open(m_path, O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600, m_fd)) {
        m_error = QStringLiteral("%1: %2").arg(m_path, describe(error));
        m_fd = -1;
        return false;
    }
    JournalEntry begin;
    begin.kind = JournalEntry::Kind::Begin;
    begin.time = QDateTime::currentSecsSinceEpoch();
    begin.paths = m_droppedPaths.join(u'\n');
    return writeLine(begin.toLine());
}

bool Journal::record(const JournalEntry& entry)
{
    if (m_failed)
        return false;
    if (m_fd < 0 && !open()) {
        m_failed = true;
        return false;
    }
    if (!writeLine(entry.toLine())) {
        m_failed = true;
        return false;
    }
    return true;
}

bool Journal::writeLine(const QByteArray& line)
{
    if (const int error = writeAll(m_fileSystem, m_fd, line)) {
        m_error = QStringLiteral("%1: %2").arg(m_path, describe(error));
        return false;
    }
    return true;
}

void Journal::finish()
{
    if (m_fd < 0)
        return;
    if (!m_failed) {
        JournalEntry end;
        end.kind = JournalEntry::Kind::End;
        end.time = QDateTime::currentSecsSinceEpoch();
        writeLine(end.toLine());
    }
    m_fileSystem.fsync(m_fd);
    m_fileSystem.close(m_fd);
    m_fd = -1;
}

bool Journal::append(FileSystem& fileSystem, const QString& path, const JournalEntry& entry)
{
    int fd = -1;
    if (fileSystem.open(path, O_WRONLY | O_APPEND | O_CLOEXEC, 0600, fd) != 0)
        return false;
    const bool written = writeAll(fileSystem, fd, entry.toLine()) == 0 && fileSystem.fsync(fd) == 0;
    return fileSystem.close(fd) == 0 && written;
}

} // namespace lumenscribe
