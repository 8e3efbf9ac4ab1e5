#include "app/PosixFileSystem.h"

#include "app/TrashCan.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace lumenscribe {

namespace {

// A path holding a NUL would reach the kernel cut short and name another file.
bool encode(const QString& path, QByteArray& out)
{
    out = FileSystem::encodePath(path);
    return !out.contains('\0') && !out.isEmpty();
}

// 0, or errno after a call that answered -1; EINTR is retried.
template <typename Call> int retrying(Call call)
{
    for (;;) {
        if (call() != -1)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

FileTime fromTimespec(const timespec& time)
{
    return {qint64(time.tv_sec), qint32(time.tv_nsec)};
}

timespec toTimespec(std::optional<FileTime> time)
{
    timespec out{};
    if (!time) {
        out.tv_nsec = UTIME_OMIT;
        return out;
    }
    out.tv_sec = time_t(time->seconds);
    out.tv_nsec = long(time->nanoseconds);
    return out;
}

} // namespace

FileSystem& FileSystem::real()
{
    static PosixFileSystem instance;
    return instance;
}

int PosixFileSystem::status(const QString& path, FileStatus& status, Links links)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    struct stat info
    {
    };
    const int error = retrying([&] {
        return links == Links::Follow ? ::stat(name.constData(), &info)
                                      : ::lstat(name.constData(), &info);
    });
    if (error)
        return error;
    status.mode = info.st_mode;
    status.size = info.st_size;
    status.device = info.st_dev;
    status.inode = info.st_ino;
    status.owner = info.st_uid;
    status.accessTime = fromTimespec(info.st_atim);
    status.modificationTime = fromTimespec(info.st_mtim);
    return 0;
}

int PosixFileSystem::renameNoReplace(const QString& from, const QString& to)
{
    QByteArray oldName, newName;
    if (!encode(from, oldName) || !encode(to, newName))
        return EINVAL;
#if defined(SYS_renameat2)
    // Called directly: older C libraries have no wrapper, and the wrapper of
    // some falls back to a check followed by a plain rename.
    return retrying([&] {
        return ::syscall(SYS_renameat2, AT_FDCWD, oldName.constData(), AT_FDCWD,
                         newName.constData(), RENAME_NOREPLACE);
    });
#else
    return ENOSYS;
#endif
}

int PosixFileSystem::link(const QString& existing, const QString& newPath)
{
    QByteArray oldName, newName;
    if (!encode(existing, oldName) || !encode(newPath, newName))
        return EINVAL;
    return retrying([&] { return ::link(oldName.constData(), newName.constData()); });
}

int PosixFileSystem::unlink(const QString& path)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    return retrying([&] { return ::unlink(name.constData()); });
}

int PosixFileSystem::open(const QString& path, int flags, quint32 mode, int& fd)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    return retrying([&] { return fd = ::open(name.constData(), flags | O_CLOEXEC, mode_t(mode)); });
}

int PosixFileSystem::read(int fd, char* buffer, qint64 size, qint64& count)
{
    return retrying([&] { return count = ::read(fd, buffer, size_t(size)); });
}

int PosixFileSystem::write(int fd, const char* data, qint64 size, qint64& count)
{
    return retrying([&] { return count = ::write(fd, data, size_t(size)); });
}

int PosixFileSystem::fsync(int fd)
{
    return retrying([&] { return ::fsync(fd); });
}

int PosixFileSystem::close(int fd)
{
    // Linux releases the descriptor even when close is interrupted; calling
    // it again could close a descriptor another thread has just opened.
    if (::close(fd) == -1 && errno != EINTR)
        return errno;
    return 0;
}

int PosixFileSystem::getAttribute(const QString& path, const QByteArray& name, QByteArray& value)
{
    QByteArray file;
    if (!encode(path, file))
        return EINVAL;
    // The attribute may grow between asking its size and reading it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::getxattr(file.constData(), name.constData(), nullptr, 0);
        if (size == -1)
            return errno;
        value.resize(qsizetype(size));
        const ssize_t got =
            ::getxattr(file.constData(), name.constData(), value.data(), size_t(value.size()));
        if (got >= 0) {
            value.resize(qsizetype(got));
            return 0;
        }
        if (errno != ERANGE)
            return errno;
    }
    return ERANGE;
}

int PosixFileSystem::setAttribute(const QString& path, const QByteArray& name,
                                  const QByteArray& value)
{
    QByteArray file;
    if (!encode(path, file))
        return EINVAL;
    return retrying([&] {
        return ::setxattr(file.constData(), name.constData(), value.constData(),
                          size_t(value.size()), 0);
    });
}

int PosixFileSystem::setTimes(const QString& path, std::optional<FileTime> access,
                              std::optional<FileTime> modification)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    const timespec times[2] = {toTimespec(access), toTimespec(modification)};
    return retrying([&] { return ::utimensat(AT_FDCWD, name.constData(), times, 0); });
}

int PosixFileSystem::chmod(const QString& path, quint32 mode)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    return retrying([&] { return ::chmod(name.constData(), mode_t(mode)); });
}

int PosixFileSystem::mkdir(const QString& path, quint32 mode)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    return retrying([&] { return ::mkdir(name.constData(), mode_t(mode)); });
}

int PosixFileSystem::rmdir(const QString& path)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    return retrying([&] { return ::rmdir(name.constData()); });
}

int PosixFileSystem::listFolder(const QString& path, QList<FolderEntry>& entries)
{
    QByteArray name;
    if (!encode(path, name))
        return EINVAL;
    return NativePath::listFolder(path, entries);
}

int PosixFileSystem::moveToTrash(const QString& path, QString& trashedPath)
{
    TrashCan trash(*this);
    const int error = trash.moveToTrash(path, trashedPath);
    // The run's alert names the file only; the reason the trash was refused
    // goes to the log (stderr for the tool).
    if (!trash.problem().isEmpty())
        qWarning("lumenscribe: %s: %s", qPrintable(path), qPrintable(trash.problem()));
    return error;
}

} // namespace lumenscribe
