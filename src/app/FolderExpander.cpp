#include "app/FolderExpander.h"

#include "app/FileSystem.h"
#include "app/PathNames.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace lumenscribe {

namespace {

bool isHiddenName(const QString& path)
{
    return PathNames::lastComponent(path).startsWith(u'.');
}

} // namespace

void FolderExpander::add(const QString& path)
{
    FileStatus status;
    const int error = m_fileSystem.status(path, status, FileSystem::Links::Follow);
    if (error == 0 && status.isFolder()) {
        walk(path);
        return;
    }
    // Gone, or a link that leads nowhere: nothing to do. Anything else that
    // cannot be looked at is said, not passed over.
    if (error != 0 && error != ENOENT)
        m_unreadable.append(path);
    else if (error == 0)
        addFile(path, false);
}

void FolderExpander::walk(const QString& top)
{
    QStringList folders{top};
    while (!folders.isEmpty()) {
        const QString folder = folders.takeLast();
        FileStatus status;
        if (const int error = m_fileSystem.status(folder, status, FileSystem::Links::Follow)) {
            if (error != ENOENT)
                m_unreadable.append(folder);
            continue;
        }
        const std::pair<quint64, quint64> id{status.device, status.inode};
        if (m_visited.contains(id))
            continue;
        m_visited.insert(id);
        QList<FolderEntry> entries;
        if (m_fileSystem.listFolder(folder, entries) != 0) {
            m_unreadable.append(folder);
            continue;
        }
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
        if (const int error = m_fileSystem.status(path, own, FileSystem::Links::Keep)) {
            if (error != ENOENT)
                m_unreadable.append(path);
            return;
        }
    }
    if (own.isFolder()) {
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
    const int error = m_fileSystem.status(path, target, FileSystem::Links::Follow);
    if (error != 0 && error != ENOENT)
        m_unreadable.append(path);
    if (error != 0 || target.isFolder())
        return;
    addFile(path, false);
}

void FolderExpander::addFile(const QString& path, bool plain)
{
    if (!isHiddenName(path))
        m_files.append({path, plain});
}

QList<ListedFile> FolderExpander::sortedFiles()
{
    std::sort(m_files.begin(), m_files.end());
    return std::exchange(m_files, {});
}

} // namespace lumenscribe
