#include "app/UndoRun.h"

#include "app/FileMover.h"
#include "app/FileSystem.h"
#include "app/Journal.h"
#include "app/JournalStore.h"
#include "app/PathNames.h"
#include "app/TrashCan.h"

#include <QDateTime>

#include <cstring>

namespace lumenscribe {

UndoRun::UndoRun(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

UndoRun::Result UndoRun::undo(const QString& journalPath, bool dryRun)
{
    m_dryRun = dryRun;
    Result result;
    const QList<JournalEntry> entries = JournalStore::read(journalPath);
    if (entries.isEmpty()) {
        result.found = false;
        return result;
    }
    QSet<QString> trashed;
    for (const JournalEntry& entry : entries) {
        if (entry.kind == JournalEntry::Kind::Undone)
            result.alreadyUndone = true;
        if (entry.kind == JournalEntry::Kind::Trashed || entry.kind == JournalEntry::Kind::Removed)
            trashed.insert(entry.from);
    }
    if (result.alreadyUndone)
        return result;
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        switch (it->kind) {
        case JournalEntry::Kind::Move: undoMove(it->from, it->to, it->size, result); break;
        case JournalEntry::Kind::Trashed: undoTrash(it->from, it->to, result); break;
        case JournalEntry::Kind::Trash:
            // The run stopped before it wrote down where the file went: the
            // trash's own note of the file's origin tells.
            if (!trashed.contains(it->from) && !exists(it->from)) {
                const QString found = TrashCan(m_fileSystem).findTrashed(it->from);
                if (found.isEmpty())
                    result.notRestored.append(QStringLiteral("%1: not found in the trash").arg(it->from));
                else
                    undoTrash(it->from, found, result);
            }
            break;
        case JournalEntry::Kind::Removed:
            result.notRestored.append(
                QStringLiteral("%1: deleted outright (no trash on its volume), cannot be restored").arg(it->from));
            break;
        case JournalEntry::Kind::MakeFolder: undoFolder(it->to, result); break;
        default: break;
        }
    }
    if (!dryRun) {
        JournalEntry undone;
        undone.kind = JournalEntry::Kind::Undone;
        undone.time = QDateTime::currentSecsSinceEpoch();
        if (!Journal::append(m_fileSystem, journalPath, undone))
            result.notRestored.append(QStringLiteral("%1: could not be marked as undone").arg(journalPath));
    }
    return result;
}

bool UndoRun::exists(const QString& path)
{
    if (m_plannedGone.contains(path))
        return false;
    return m_plannedThere.contains(path) || m_fileSystem.exists(path);
}

bool UndoRun::put(const QString& from, const QString& to, Result& result)
{
    if (m_dryRun) {
        m_plannedGone.insert(from);
        m_plannedThere.insert(to);
        m_plannedGone.remove(to);
        return true;
    }
    FileMover mover(m_fileSystem);
    if (const int error = mover.move(from, to)) {
        result.notRestored.append(
            QStringLiteral("%1: could not be moved back to %2 (%3)").arg(from, to, QString::fromLocal8Bit(std::strerror(error))));
        return false;
    }
    return true;
}

void UndoRun::undoMove(const QString& from, const QString& to, qint64 size, Result& result)
{
    const bool oldThere = exists(from);
    const bool newThere = exists(to);
    if (oldThere && !newThere)
        return; // the step never happened, or was taken back already
    if (!newThere) {
        result.notRestored.append(QStringLiteral("%1: no longer there, so %2 cannot be restored").arg(to, from));
        return;
    }
    if (oldThere) {
        result.notRestored.append(QStringLiteral("%1: left where it is, %2 is taken again").arg(to, from));
        return;
    }
    FileStatus status;
    if (size >= 0 && m_fileSystem.status(to, status) == 0 && status.isRegularFile() && status.size != size) {
        result.notRestored.append(QStringLiteral("%1: changed since the run, left where it is").arg(to));
        return;
    }
    if (put(to, from, result))
        result.restored.append(QStringLiteral("%1 -> %2").arg(to, from));
}

void UndoRun::undoTrash(const QString& original, const QString& trashed, Result& result)
{
    if (exists(original)) {
        result.notRestored.append(QStringLiteral("%1: taken again, its old file stays in the trash").arg(original));
        return;
    }
    if (trashed.isEmpty() || !exists(trashed)) {
        result.notRestored.append(QStringLiteral("%1: no longer in the trash").arg(original));
        return;
    }
    if (!put(trashed, original, result))
        return;
    result.restored.append(QStringLiteral("%1 -> %2").arg(trashed, original));
    // The trash keeps a note of each file's origin beside it; without the
    // file, the note would show a ghost in the trash.
    const QString info = PathNames::folderOf(PathNames::folderOf(trashed)) + QStringLiteral("/info/") +
                         PathNames::lastComponent(trashed) + QStringLiteral(".trashinfo");
    if (!m_dryRun && m_fileSystem.exists(info))
        m_fileSystem.unlink(info);
}

void UndoRun::undoFolder(const QString& folder, Result& result)
{
    if (!exists(folder))
        return;
    QStringList names;
    if (m_fileSystem.listFolder(folder, names) != 0)
        return;
    for (const QString& name : std::as_const(names)) {
        if (!m_plannedGone.contains(PathNames::join(folder, name))) {
            result.notRestored.append(QStringLiteral("%1: not empty, left in place").arg(folder));
            return;
        }
    }
    if (!m_dryRun)
        m_fileSystem.rmdir(folder);
}

} // namespace lumenscribe
