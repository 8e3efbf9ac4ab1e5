#include "fs/PosixFileSystem.h"

#include "fs/TrashCan.h"
#include "platform/FileProbe.h"
#include "platform/FolderAnchors.h"

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

using Resolved = FolderAnchors::Resolved;

// Extended attributes have no *at() calls; the folder's descriptor is named
// through /proc so that the file is still reached from its folder.
QByteArray attributePath(const Resolved& file)
{
    if (file.folder == AT_FDCWD)
        return file.name;
    return "/proc/self/fd/" + QByteArray::number(file.folder) + '/' + file.name;
}

// No error, or errno after a call that answered -1; EINTR is retried.
template <typename Call> std::error_code retrying(Call call)
{
    for (;;) {
        if (call() != -1)
            return {};
        if (errno != EINTR)
            return FileSystem::lastError();
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

bool PosixFileSystem::nameTaken(const QString& path)
{
    return FileProbe::exists(path);
}

std::error_code PosixFileSystem::status(const QString& path, FileStatus& status, Links links)
{
    const Resolved file = FolderAnchors::at(path);
    if (file.error)
        return errorFrom(file.error);
    struct stat info
    {
    };
    const int flags = links == Links::Follow ? 0 : AT_SYMLINK_NOFOLLOW;
    const std::error_code error = retrying([&] { return ::fstatat(file.folder, file.name.constData(), &info, flags); });
    if (error)
        return error;
    status.mode = info.st_mode;
    status.size = info.st_size;
    status.device = info.st_dev;
    status.inode = info.st_ino;
    status.owner = info.st_uid;
    status.group = info.st_gid;
    status.accessTime = fromTimespec(info.st_atim);
    status.modificationTime = fromTimespec(info.st_mtim);
    return {};
}

std::error_code PosixFileSystem::renameNoReplace(const QString& from, const QString& to)
{
    const Resolved source = FolderAnchors::at(from);
    const Resolved target = FolderAnchors::at(to);
    if (source.error || target.error)
        return errorFrom(source.error ? source.error : target.error);
#if defined(SYS_renameat2)
    // Called directly: older C libraries have no wrapper, and the wrapper of
    // some falls back to a check followed by a plain rename.
    return retrying([&] {
        return ::syscall(SYS_renameat2, source.folder, source.name.constData(), target.folder, target.name.constData(),
                         RENAME_NOREPLACE);
    });
#else
    return errorFrom(ENOSYS);
#endif
}

std::error_code PosixFileSystem::link(const QString& existing, const QString& newPath)
{
    const Resolved source = FolderAnchors::at(existing);
    const Resolved target = FolderAnchors::at(newPath);
    if (source.error || target.error)
        return errorFrom(source.error ? source.error : target.error);
    return retrying(
        [&] { return ::linkat(source.folder, source.name.constData(), target.folder, target.name.constData(), 0); });
}

std::error_code PosixFileSystem::rename(const QString& from, const QString& to)
{
    const Resolved source = FolderAnchors::at(from);
    const Resolved target = FolderAnchors::at(to);
    if (source.error || target.error)
        return errorFrom(source.error ? source.error : target.error);
    return retrying(
        [&] { return ::renameat(source.folder, source.name.constData(), target.folder, target.name.constData()); });
}

std::error_code PosixFileSystem::unlink(const QString& path)
{
    const Resolved file = FolderAnchors::at(path);
    if (file.error)
        return errorFrom(file.error);
    return retrying([&] { return ::unlinkat(file.folder, file.name.constData(), 0); });
}

std::error_code PosixFileSystem::open(const QString& path, int flags, quint32 mode, int& fd)
{
    const Resolved file = FolderAnchors::at(path);
    if (file.error)
        return errorFrom(file.error);
    return retrying([&] { return fd = ::openat(file.folder, file.name.constData(), flags | O_CLOEXEC, mode_t(mode)); });
}

std::error_code PosixFileSystem::read(int fd, char* buffer, qint64 size, qint64& count)
{
    return retrying([&] { return count = ::read(fd, buffer, size_t(size)); });
}

std::error_code PosixFileSystem::write(int fd, const char* data, qint64 size, qint64& count)
{
    return retrying([&] { return count = ::write(fd, data, size_t(size)); });
}

std::error_code PosixFileSystem::fsync(int fd)
{
    return retrying([&] { return ::fsync(fd); });
}

std::error_code PosixFileSystem::close(int fd)
{
    // Linux releases the descriptor even when close is interrupted; calling
    // it again could close a descriptor another thread has just opened.
    if (::close(fd) == -1 && errno != EINTR)
        return lastError();
    return {};
}

std::error_code PosixFileSystem::getAttribute(const QString& path, const QByteArray& name, QByteArray& value)
{
    const Resolved resolved = FolderAnchors::at(path);
    if (resolved.error)
        return errorFrom(resolved.error);
    const QByteArray file = attributePath(resolved);
    // The attribute may grow between asking its size and reading it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::getxattr(file.constData(), name.constData(), nullptr, 0);
        if (size == -1)
            return lastError();
        value.resize(qsizetype(size));
        const ssize_t got = ::getxattr(file.constData(), name.constData(), value.data(), size_t(value.size()));
        if (got >= 0) {
            value.resize(qsizetype(got));
            return {};
        }
        if (errno != ERANGE)
            return lastError();
    }
    return errorFrom(ERANGE);
}

std::error_code PosixFileSystem::setAttribute(const QString& path, const QByteArray& name, const QByteArray& value)
{
    const Resolved resolved = FolderAnchors::at(path);
    if (resolved.error)
        return errorFrom(resolved.error);
    const QByteArray file = attributePath(resolved);
    return retrying(
        [&] { return ::setxattr(file.constData(), name.constData(), value.constData(), size_t(value.size()), 0); });
}

std::error_code PosixFileSystem::setTimes(const QString& path, std::optional<FileTime> access,
                                          std::optional<FileTime> modification)
{
    const Resolved file = FolderAnchors::at(path);
    if (file.error)
        return errorFrom(file.error);
    const timespec times[2] = {toTimespec(access), toTimespec(modification)};
    return retrying([&] { return ::utimensat(file.folder, file.name.constData(), times, 0); });
}

std::error_code PosixFileSystem::listAttributes(const QString& path, QList<QByteArray>& names)
{
    const Resolved resolved = FolderAnchors::at(path);
    if (resolved.error)
        return errorFrom(resolved.error);
    const QByteArray file = attributePath(resolved);
    names.clear();
    // The list may grow between asking its size and reading it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::listxattr(file.constData(), nullptr, 0);
        if (size == -1)
            return lastError();
        QByteArray list(qsizetype(size), '\0');
        const ssize_t got = ::listxattr(file.constData(), list.data(), size_t(list.size()));
        if (got >= 0) {
            list.truncate(qsizetype(got));
            for (const QByteArray& name : list.split('\0')) {
                if (!name.isEmpty())
                    names.append(name);
            }
            return {};
        }
        if (errno != ERANGE)
            return lastError();
    }
    return errorFrom(ERANGE);
}

std::error_code PosixFileSystem::changeOwner(const QString& path, quint32 owner, quint32 group)
{
    const Resolved file = FolderAnchors::at(path);
    if (file.error)
        return errorFrom(file.error);
    return retrying([&] {
        return ::fchownat(file.folder, file.name.constData(), uid_t(owner), gid_t(group), AT_SYMLINK_NOFOLLOW);
    });
}

std::error_code PosixFileSystem::chmod(const QString& path, quint32 mode)
{
    const Resolved file = FolderAnchors::at(path);
    if (file.error)
        return errorFrom(file.error);
    return retrying([&] { return ::fchmodat(file.folder, file.name.constData(), mode_t(mode), 0); });
}

std::error_code PosixFileSystem::mkdir(const QString& path, quint32 mode)
{
    const Resolved folder = FolderAnchors::at(path);
    if (folder.error)
        return errorFrom(folder.error);
    return retrying([&] { return ::mkdirat(folder.folder, folder.name.constData(), mode_t(mode)); });
}

std::error_code PosixFileSystem::rmdir(const QString& path)
{
    const Resolved folder = FolderAnchors::at(path);
    if (folder.error)
        return errorFrom(folder.error);
    return retrying([&] { return ::unlinkat(folder.folder, folder.name.constData(), AT_REMOVEDIR); });
}

std::error_code PosixFileSystem::listFolder(const QString& path, QList<FolderEntry>& entries)
{
    return errorFrom(NativePath::listFolder(path, entries));
}

std::error_code PosixFileSystem::moveToTrash(const QString& path, QString& trashedPath)
{
    TrashCan trash(*this);
    const std::error_code error = trash.moveToTrash(path, trashedPath);
    // The run's alert names the file only; the reason the trash was refused
    // goes to the log (stderr for the tool).
    if (!trash.problem().isEmpty())
        qWarning("lumenscribe: %s: %s", qPrintable(path), qPrintable(trash.problem()));
    return error;
}

} // namespace lumenscribe
