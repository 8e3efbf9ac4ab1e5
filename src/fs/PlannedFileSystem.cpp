#include "fs/PlannedFileSystem.h"

#include "platform/PathNames.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace lumenscribe {

bool PlannedFileSystem::nameTaken(const QString& path)
{
    if (m_added.contains(path))
        return true;
    if (m_removed.contains(path))
        return false;
    return m_real.nameTaken(path);
}

OptionalInstant PlannedFileSystem::creationDate(const QString& path)
{
    return m_removed.contains(path) ? std::nullopt : m_real.creationDate(path);
}

std::error_code PlannedFileSystem::status(const QString& path, FileStatus& status, Links links)
{
    if (const auto it = m_added.constFind(path); it != m_added.constEnd()) {
        status = *it;
        return {};
    }
    if (m_removed.contains(path))
        return errorFrom(ENOENT);
    return m_real.status(path, status, links);
}

std::error_code PlannedFileSystem::renameNoReplace(const QString& from, const QString& to)
{
    FileStatus moved;
    if (const std::error_code error = status(from, moved, Links::Keep))
        return error;
    if (nameTaken(to))
        return errorFrom(EEXIST);
    if (const std::error_code error = canPutInto(PathNames::folderOf(to)))
        return error;
    remove(from);
    add(to, moved);
    return {};
}

std::error_code PlannedFileSystem::link(const QString& existing, const QString& newPath)
{
    FileStatus linked;
    if (const std::error_code error = status(existing, linked, Links::Keep))
        return error;
    if (nameTaken(newPath))
        return errorFrom(EEXIST);
    if (const std::error_code error = canPutInto(PathNames::folderOf(newPath)))
        return error;
    add(newPath, linked);
    return {};
}

std::error_code PlannedFileSystem::rename(const QString& from, const QString& to)
{
    FileStatus moved;
    if (const std::error_code error = status(from, moved, Links::Keep))
        return error;
    if (const std::error_code error = canPutInto(PathNames::folderOf(to)))
        return error;
    remove(from);
    add(to, moved);
    return {};
}

std::error_code PlannedFileSystem::unlink(const QString& path)
{
    if (const std::error_code error = present(path))
        return error;
    remove(path);
    return {};
}

std::error_code PlannedFileSystem::open(const QString&, int, quint32, int& fd)
{
    fd = -1;
    return errorFrom(EROFS);
}

std::error_code PlannedFileSystem::read(int, char*, qint64, qint64& count)
{
    count = 0;
    return errorFrom(EBADF);
}

std::error_code PlannedFileSystem::write(int, const char*, qint64, qint64& count)
{
    count = 0;
    return errorFrom(EBADF);
}

std::error_code PlannedFileSystem::fsync(int)
{
    return errorFrom(EBADF);
}

std::error_code PlannedFileSystem::close(int)
{
    return errorFrom(EBADF);
}

std::error_code PlannedFileSystem::getAttribute(const QString& path, const QByteArray& name, QByteArray& value)
{
    if (m_added.contains(path))
        return errorFrom(ENODATA);
    return m_real.getAttribute(path, name, value);
}

std::error_code PlannedFileSystem::setAttribute(const QString& path, const QByteArray&, const QByteArray&)
{
    return present(path);
}

std::error_code PlannedFileSystem::setTimes(const QString& path, std::optional<FileTime>, std::optional<FileTime>)
{
    return present(path);
}

std::error_code PlannedFileSystem::listAttributes(const QString& path, QList<QByteArray>& names)
{
    names.clear();
    return m_added.contains(path) ? std::error_code() : m_real.listAttributes(path, names);
}

std::error_code PlannedFileSystem::chmod(const QString& path, quint32)
{
    return present(path);
}

std::error_code PlannedFileSystem::changeOwner(const QString& path, quint32, quint32)
{
    return present(path);
}

std::error_code PlannedFileSystem::mkdir(const QString& path, quint32 mode)
{
    if (nameTaken(path))
        return errorFrom(EEXIST);
    if (const std::error_code error = canPutInto(PathNames::folderOf(path)))
        return error;
    FileStatus folder;
    folder.mode = S_IFDIR | (mode & 07777u);
    add(path, folder);
    return {};
}

std::error_code PlannedFileSystem::rmdir(const QString& path)
{
    if (const std::error_code error = present(path))
        return error;
    remove(path);
    return {};
}

std::error_code PlannedFileSystem::listFolder(const QString& path, QList<FolderEntry>& entries)
{
    entries.clear();
    const bool plannedFolder = m_added.contains(path);
    if (!plannedFolder) {
        if (const std::error_code error = m_real.listFolder(path, entries))
            return error;
    }
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    entries.removeIf([&](const FolderEntry& entry) { return m_removed.contains(prefix + entry.name); });
    for (auto it = m_added.constBegin(); it != m_added.constEnd(); ++it) {
        if (PathNames::folderOf(it.key()) == path)
            entries.append(FolderEntry{PathNames::lastComponent(it.key()), it->mode & S_IFMT});
    }
    return {};
}

std::error_code PlannedFileSystem::moveToTrash(const QString& path, QString& trashedPath)
{
    trashedPath.clear();
    if (const std::error_code error = present(path))
        return error;
    remove(path);
    return {};
}

// A folder the plan made takes anything; a real one must let this process
// write into it, as the real call would find.
std::error_code PlannedFileSystem::canPutInto(const QString& folder)
{
    FileStatus status;
    if (const std::error_code error = this->status(folder, status, Links::Follow))
        return error;
    if (!status.isFolder())
        return errorFrom(ENOTDIR);
    if (m_added.contains(folder))
        return {};
    return ::access(encodePath(folder).constData(), W_OK | X_OK) == 0 ? std::error_code() : lastError();
}

std::error_code PlannedFileSystem::present(const QString& path)
{
    FileStatus ignored;
    return status(path, ignored, Links::Keep);
}

void PlannedFileSystem::add(const QString& path, const FileStatus& status)
{
    m_removed.remove(path);
    m_added.insert(path, status);
}

void PlannedFileSystem::remove(const QString& path)
{
    m_added.remove(path);
    m_removed.insert(path);
}

} // namespace lumenscribe
