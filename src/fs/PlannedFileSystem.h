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
    bool plansOnly() const override { return true; }
    OptionalInstant creationDate(const QString& path) override;

    std::error_code status(const QString& path, FileStatus& status, Links links) override;
    // Checks what the real call would: the source is there, nothing is at
    // the target, and the target's folder takes files.
    std::error_code renameNoReplace(const QString& from, const QString& to) override;
    std::error_code link(const QString& existing, const QString& newPath) override;
    std::error_code rename(const QString& from, const QString& to) override;
    std::error_code unlink(const QString& path) override;
    // Nothing is opened: a plan never reads or writes bytes through here.
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
    std::error_code listFolder(const QString& path, QList<FolderEntry>& entries) override;
    using FileSystem::listFolder;
    std::error_code moveToTrash(const QString& path, QString& trashedPath) override;

private:
    // No error when anything may be put into `folder`.
    std::error_code canPutInto(const QString& folder);
    // No error when `path` is there to be changed.
    std::error_code present(const QString& path);
    void add(const QString& path, const FileStatus& status);
    void remove(const QString& path);

    FileSystem& m_real;
    QHash<QString, FileStatus> m_added;
    QSet<QString> m_removed;
};

} // namespace lumenscribe
