#include "run/FolderExpander.h"

#include "fs/FileSystem.h"
#include "platform/PathNames.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace lumenscribe {

namespace {

bool isHiddenName(const QString& path)
{
    return PathNames::lastComponent(path).startsWith(u'.');
}

std::pair<quint64, quint64> identity(const FileStatus& status)
{
    return {status.device, status.inode};
}

// A trash by its name alone (the hidden ".Trash", ".Trash-1000" and
// ".Trashes" are hidden names anyway), or a freedesktop trash by its
// layout: "Trash" holding "files" and "info".
bool isTrash(const QString& folder, const QList<FolderEntry>& entries)
{
    const QString name = PathNames::lastComponent(folder);
    if (name == u"$RECYCLE.BIN" || name == u"RECYCLER")
        return true;
    if (name.compare(u"Trash", Qt::CaseInsensitive) != 0)
        return false;
    int parts = 0;
    for (const FolderEntry& entry : entries) {
        if (entry.name == u"files" || entry.name == u"info")
            ++parts;
    }
    return parts == 2;
}

} // namespace

void FolderExpander::setOwnPaths(const QStringList& paths)
{
    for (const QString& path : paths) {
        FileStatus status;
        if (!path.isEmpty() && !m_fileSystem.status(path, status, FileSystem::Links::Follow)) {
            m_own.insert(identity(status));
            m_ownNames.insert(PathNames::lastComponent(path));
        }
    }
}

bool FolderExpander::isOwn(const FileStatus& status) const
{
    return m_own.contains(identity(status));
}

// Files are listed without a look of their own; only a name that one of
// the program's files carries costs one.
bool FolderExpander::isOwnFile(const QString& path) const
{
    if (!m_ownNames.contains(PathNames::lastComponent(path)))
        return false;
    FileStatus status;
    return !m_fileSystem.status(path, status, FileSystem::Links::Follow) && isOwn(status);
}

void FolderExpander::add(const QString& path)
{
    FileStatus status;
    const std::error_code error = m_fileSystem.status(path, status, FileSystem::Links::Follow);
    if (!error && status.isFolder()) {
        walk(path);
        return;
    }
    // Gone, or a link that leads nowhere: nothing to do. Anything else that
    // cannot be looked at is said, not passed over.
    if (error && error != std::errc::no_such_file_or_directory)
        m_unreadable.append(path);
    else if (!error)
        addFile(path, false);
}

void FolderExpander::walk(const QString& top)
{
    QStringList folders{top};
    while (!folders.isEmpty()) {
        const QString folder = folders.takeLast();
        FileStatus status;
        if (const std::error_code error = m_fileSystem.status(folder, status, FileSystem::Links::Follow)) {
            if (error != std::errc::no_such_file_or_directory)
                m_unreadable.append(folder);
            continue;
        }
        const std::pair<quint64, quint64> id = identity(status);
        if (m_visited.contains(id) || isOwn(status))
            continue;
        m_visited.insert(id);
        QList<FolderEntry> entries;
        if (m_fileSystem.listFolder(folder, entries)) {
            m_unreadable.append(folder);
            continue;
        }
        if (isTrash(folder, entries))
            continue;
        for (const FolderEntry& entry : std::as_const(entries))
            addEntry(PathNames::join(folder, entry.name), entry.type, folders);
    }
}

void FolderExpander::addEntry(const QString& path, quint32 listedType, QStringList& folders)
{
    // The listing's type spares a look at each file of a card; links and
    // listings without types are looked at.
    FileStatus own;
    own.mode = listedType;
    if (listedType != S_IFREG && listedType != S_IFDIR) {
        if (const std::error_code error = m_fileSystem.status(path, own, FileSystem::Links::Keep)) {
            if (error != std::errc::no_such_file_or_directory)
                m_unreadable.append(path);
            return;
        }
    }
    if (own.isFolder()) {
        // A hidden folder is a program's or the system's (a git repository,
        // a thumbnail cache, a volume's trash): not the person's photos.
        if (!isHiddenName(path))
            folders.append(path);
        return;
    }
    if (own.isRegularFile()) {
        addFile(path, true);
        return;
    }
    // A link counts as what it leads to: a link to a folder is a folder (not
    // entered), a link that leads nowhere is nothing.
    FileStatus target;
    const std::error_code error = m_fileSystem.status(path, target, FileSystem::Links::Follow);
    if (error && error != std::errc::no_such_file_or_directory)
        m_unreadable.append(path);
    if (error || target.isFolder())
        return;
    addFile(path, false);
}

void FolderExpander::addFile(const QString& path, bool plain)
{
    if (!isHiddenName(path) && !isOwnFile(path))
        m_files.append({path, plain});
}

QList<ListedFile> FolderExpander::sortedFiles()
{
    std::sort(m_files.begin(), m_files.end());
    return std::exchange(m_files, {});
}

} // namespace lumenscribe
