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
    std::error_code status(const QString& path, FileStatus& status, Links links) override;
    std::error_code renameNoReplace(const QString& from, const QString& to) override;
    std::error_code link(const QString& existing, const QString& newPath) override;
    std::error_code rename(const QString& from, const QString& to) override;
    std::error_code unlink(const QString& path) override;
    std::error_code open(const QString& path, int flags, quint32 mode, int& fd) override;
    std::error_code read(int fd, char* buffer, qint64 size, qint64& count) override;
    std::error_code write(int fd, const char* data, qint64 size, qint64& count) override;
    std::error_code fsync(int fd) override;
    std::error_code close(int fd) override;
    std::error_code getAttribute(const QString& path, const QByteArray& name, QByteArray& value) override;
    std::error_code setAttribute(const QString& path, const QByteArray& name, const QByteArray& value) override;
    std::error_code setTimes(const QString& path, std::optional<FileTime> access,
                             std::optional<FileTime> modification) override;
    std::error_code listAttributes(const QString& path, QList<QByteArray>& names) override;
    std::error_code chmod(const QString& path, quint32 mode) override;
    std::error_code changeOwner(const QString& path, quint32 owner, quint32 group) override;
    std::error_code mkdir(const QString& path, quint32 mode) override;
    std::error_code rmdir(const QString& path) override;
    using FileSystem::listFolder;
    std::error_code listFolder(const QString& path, QList<FolderEntry>& entries) override;
    std::error_code moveToTrash(const QString& path, QString& trashedPath) override;
};

} // namespace lumenscribe
