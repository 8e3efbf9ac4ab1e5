// The file system of a POSIX machine (Linux first): each operation is one
// system call, retried on EINTR, its errno answered as it is.
#pragma once

#include "fs/FileSystem.h"

namespace lumenscribe {

class PosixFileSystem : public FileSystem
{
public:
    // A folder in the way of an anchored path counts as taken, as it does
    // for the disk probe the windows ask.
    bool nameTaken(const QString& path) override;
    int status(const QString& path, FileStatus& status, Links links) override;
    int renameNoReplace(const QString& from, const QString& to) override;
    int link(const QString& existing, const QString& newPath) override;
    int rename(const QString& from, const QString& to) override;
    int unlink(const QString& path) override;
    int open(const QString& path, int flags, quint32 mode, int& fd) override;
    int read(int fd, char* buffer, qint64 size, qint64& count) override;
    int write(int fd, const char* data, qint64 size, qint64& count) override;
    int fsync(int fd) override;
    int close(int fd) override;
    int getAttribute(const QString& path, const QByteArray& name, QByteArray& value) override;
    int setAttribute(const QString& path, const QByteArray& name, const QByteArray& value) override;
    int setTimes(const QString& path, std::optional<FileTime> access, std::optional<FileTime> modification) override;
    int listAttributes(const QString& path, QList<QByteArray>& names) override;
    int chmod(const QString& path, quint32 mode) override;
    int changeOwner(const QString& path, quint32 owner, quint32 group) override;
    int mkdir(const QString& path, quint32 mode) override;
    int rmdir(const QString& path) override;
    using FileSystem::listFolder;
    int listFolder(const QString& path, QList<FolderEntry>& entries) override;
    int moveToTrash(const QString& path, QString& trashedPath) override;
};

} // namespace lumenscribe
