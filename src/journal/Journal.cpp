#include "journal/Journal.h"

#include "fs/FileMover.h"
#include "fs/FileSystem.h"
#include "journal/JournalStore.h"

#include <QDateTime>
#include <fcntl.h>
#include <unistd.h>

namespace lumenscribe {

namespace {

std::error_code writeAll(FileSystem& fileSystem, int fd, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        qint64 count = 0;
        if (const std::error_code error = fileSystem.write(fd, bytes.constData() + done, bytes.size() - done, count))
            return error;
        done += count;
    }
    return {};
}

// Read straight from the descriptor: the seam has no seek, and a journal is
// never read through it.
bool endsWithNewline(int fd)
{
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size <= 0)
        return true;
    char last = 0;
    return ::pread(fd, &last, 1, size - 1) != 1 || last == '\n';
}

QString describe(const std::error_code& error)
{
    return QString::fromLocal8Bit(error.message().c_str());
}

} // namespace

Journal::Journal(FileSystem& fileSystem, const JournalStore& store) : m_fileSystem(fileSystem), m_store(store)
{
}

Journal::~Journal()
{
    finish();
}

void Journal::setDroppedPaths(const QStringList& paths)
{
    if (m_droppedPaths.isEmpty())
        m_droppedPaths = paths;
}

void Journal::setTimeShift(const QString& runWide, const QStringList& byModel)
{
    m_shift = runWide.trimmed();
    m_shiftByModel = byModel;
}

bool Journal::open()
{
    m_store.prune();
    // Two runs starting at once may pick the same number: the second takes the next.
    std::error_code error = std::make_error_code(std::errc::file_exists);
    for (int attempt = 0; attempt < 16 && error == std::errc::file_exists; ++attempt) {
        m_path = m_store.newJournalPath(attempt);
        error = m_fileSystem.open(m_path, O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600, m_fd);
    }
    if (error) {
        m_error = QStringLiteral("%1: %2").arg(m_path, describe(error));
        m_fd = -1;
        return false;
    }
    JournalEntry begin;
    begin.kind = JournalEntry::Kind::Begin;
    begin.time = QDateTime::currentSecsSinceEpoch();
    begin.paths = m_droppedPaths.join(u'\n');
    begin.shift = m_shift;
    begin.shiftByModel = m_shiftByModel.join(u'\n');
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
    if (const std::error_code error = writeAll(m_fileSystem, m_fd, line)) {
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

// Moves are one at a time: only the last one can have been cut short.
void Journal::resolveInterrupted(FileSystem& fileSystem, const JournalStore& store)
{
    const QString newest = store.pathForId(QString());
    if (newest.isEmpty())
        return;
    const QList<JournalEntry> entries = JournalStore::read(newest);
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (it->kind == JournalEntry::Kind::End || it->kind == JournalEntry::Kind::Undone ||
            it->kind == JournalEntry::Kind::Restored || it->kind == JournalEntry::Kind::Moved ||
            it->kind == JournalEntry::Kind::Copied || it->kind == JournalEntry::Kind::Uncopied)
            return;
        // A copy cut short leaves at most its temporary file; its source is
        // never to go, whatever lies at the target.
        if (it->kind == JournalEntry::Kind::Copy) {
            FileMover(fileSystem).dropLeftover(it->to);
            return;
        }
        if (it->kind == JournalEntry::Kind::Move) {
            FileMover(fileSystem).resolveInterrupted(it->from, it->to, FileMover::Resolve::Finish);
            return;
        }
    }
}

// A journal cut short by a full disk may end in part of a line; a mark
// glued to it would be lost with it, so it starts a line of its own.
bool Journal::append(FileSystem& fileSystem, const QString& path, const JournalEntry& entry)
{
    int fd = -1;
    if (fileSystem.open(path, O_RDWR | O_APPEND | O_CLOEXEC, 0600, fd))
        return false;
    QByteArray line = entry.toLine();
    if (!endsWithNewline(fd))
        line.prepend('\n');
    const bool written = !writeAll(fileSystem, fd, line) && !fileSystem.fsync(fd);
    return !fileSystem.close(fd) && written;
}

} // namespace lumenscribe
