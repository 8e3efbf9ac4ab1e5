// A file system that changes nothing: reads go to the real one, changes are
// only written down, and every later question sees them. A dry run is the
// real run handed this one, so it names, checks and fails exactly where the
// real run would, without touching a file.
#pragma once

#include "fs/FileSystem.h"

#include <QHash>
#include <QSet>

namespace lumenscribe {

class PlannedFileSystem : public FileSystem
{
public:
    explicit PlannedFileSystem(FileSystem& real) : m_real(real) {}

    bool nameTaken(const QString& path) override;
    OptionalInstant creationDate(const QString& path) override;

    int status(const QString& path, FileStatus& status, Links links) override;
    // Checks what the real call would: the source is there, nothing is at
    // the target, and the target's folder takes files.
    int renameNoReplace(const QString& from, const QString& to) override;
    int link(const QString& existing, const QString& newPath) override;
    int rename(const QString& from, const QString& to) override;
    int unlink(const QString& path) override;
    // Nothing is opened: a plan never reads or writes bytes through here.
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
    int listFolder(const QString& path, QList<FolderEntry>& entries) override;
    using FileSystem::listFolder;
    int moveToTrash(const QString& path, QString& trashedPath) override;

private:
    // 0 when anything may be put into `folder`.
    int canPutInto(const QString& folder);
    // 0 when `path` is there to be changed.
    int present(const QString& path);
    void add(const QString& path, const FileStatus& status);
    void remove(const QString& path);

    FileSystem& m_real;
    QHash<QString, FileStatus> m_added;
    QSet<QString> m_removed;
};

} // namespace lumenscribe
