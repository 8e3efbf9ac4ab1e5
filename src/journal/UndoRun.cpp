#include "journal/UndoRun.h"

#include "fs/FileMover.h"
#include "fs/FileSystem.h"
#include "fs/TrashCan.h"
#include "journal/Journal.h"
#include "journal/JournalStore.h"
#include "platform/PathNames.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace lumenscribe {

namespace {

QString noteOf(const QString& trashed)
{
    return PathNames::folderOf(PathNames::folderOf(trashed)) + QStringLiteral("/info/") +
           PathNames::lastComponent(trashed) + QStringLiteral(".trashinfo");
}

// Same device and inode: renamed in place. Another device: a copy, which
// keeps the size and the modification time.
bool sameFileAsBefore(const JournalEntry::Identity& now, const JournalEntry::Identity& before)
{
    if (now.device == before.device)
        return now.inode == before.inode && now.size == before.size;
    return now.size == before.size && now.modificationTime == before.modificationTime;
}

} // namespace

UndoRun::UndoRun(FileSystem& fileSystem) : m_fileSystem(fileSystem)
{
}

UndoRun::Result UndoRun::undo(const QString& journalPath, bool dryRun)
{
    m_dryRun = dryRun;
    m_journalPath = journalPath;
    Result result;
    const QList<JournalEntry> entries = JournalStore::read(journalPath);
    if (entries.isEmpty()) {
        result.found = false;
        return result;
    }
    FileStatus journal;
    if (!m_fileSystem.status(journalPath, journal, FileSystem::Links::Follow))
        m_runEnd = journal.modificationTime.seconds;
    for (const JournalEntry& entry : entries) {
        switch (entry.kind) {
        case JournalEntry::Kind::Undone:
            result.alreadyUndone = true;
            break;
        case JournalEntry::Kind::Moved:
            if (entry.identity)
                m_moved.insert(stepKey(entry.from, entry.to), *entry.identity);
            break;
        case JournalEntry::Kind::Trash:
            if (entry.identity)
                m_trashing.insert(entry.from, *entry.identity);
            break;
        case JournalEntry::Kind::Restored:
            m_restoredBefore.insert(stepKey(entry.from, entry.to));
            break;
        case JournalEntry::Kind::Copied:
            if (entry.identity)
                m_copied.insert(stepKey(entry.from, entry.to), *entry.identity);
            break;
        case JournalEntry::Kind::Uncopied:
            m_uncopied.insert(entry.from);
            m_restoredBefore.insert(stepKey(entry.from, entry.to));
            break;
        case JournalEntry::Kind::End:
            m_runEnd = entry.time;
            break;
        default:
            break;
        }
    }
    if (result.alreadyUndone)
        return result;
    takeBack(entries, result);
    // Marked undone only once nothing is left to take back, and only when
    // something was: an undo that restored nothing can be tried again.
    const bool somethingRestored = !result.restored.isEmpty() || !m_restoredBefore.isEmpty();
    if (!dryRun && somethingRestored && result.notRestored.size() == m_lostForGood) {
        JournalEntry undone;
        undone.kind = JournalEntry::Kind::Undone;
        undone.time = QDateTime::currentSecsSinceEpoch();
        if (!Journal::append(m_fileSystem, journalPath, undone))
            result.notRestored.append(QStringLiteral("%1: could not be marked as undone").arg(journalPath));
    }
    return result;
}

void UndoRun::takeBack(const QList<JournalEntry>& entries, Result& result)
{
    QSet<QString> trashed;
    for (const JournalEntry& entry : entries) {
        if (entry.kind == JournalEntry::Kind::Trashed || entry.kind == JournalEntry::Kind::Removed)
            trashed.insert(entry.from);
    }
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        switch (it->kind) {
        case JournalEntry::Kind::Move:
            if (!m_restoredBefore.contains(stepKey(it->to, it->from)))
                undoMove(*it, result);
            break;
        case JournalEntry::Kind::Trashed:
            if (!m_restoredBefore.contains(stepKey(it->to, it->from)))
                undoTrash(it->from, it->to, result);
            break;
        case JournalEntry::Kind::Trash:
            // The run stopped before it wrote down where the file went: the
            // trash's own note of the file's origin tells.
            if (!trashed.contains(it->from) && !exists(it->from)) {
                const QString found = TrashCan(m_fileSystem).findTrashed(it->from);
                if (found.isEmpty())
                    result.notRestored.append(QStringLiteral("%1: not found in the trash").arg(it->from));
                else if (!m_restoredBefore.contains(stepKey(found, it->from)))
                    undoTrash(it->from, found, result);
            }
            break;
        case JournalEntry::Kind::Removed:
            ++m_lostForGood;
            result.notRestored.append(
                QStringLiteral("%1: deleted outright (no trash on its volume), cannot be restored").arg(it->from));
            break;
        case JournalEntry::Kind::MakeFolder:
            undoFolder(it->to, result);
            break;
        case JournalEntry::Kind::Copy:
            if (!m_uncopied.contains(it->to))
                undoCopy(*it, result);
            break;
        default:
            break;
        }
    }
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
    if (const std::error_code error = mover.move(from, to)) {
        result.notRestored.append(QStringLiteral("%1: could not be moved back to %2 (%3)")
                                      .arg(from, to, QString::fromLocal8Bit(error.message().c_str())));
        return false;
    }
    return true;
}

// Written down as soon as it is done: an undo killed part way, or one that
// had to leave files, is finished later without touching these again.
void UndoRun::restoredStep(const QString& from, const QString& to, Result& result)
{
    result.restored.append(QStringLiteral("%1 -> %2").arg(from, to));
    if (m_dryRun)
        return;
    JournalEntry restored;
    restored.kind = JournalEntry::Kind::Restored;
    restored.from = from;
    restored.to = to;
    Journal::append(m_fileSystem, m_journalPath, restored);
}

// The file at the new name must be the one the run put there: as the run
// wrote it down after the move, else the same inode as before the move.
// Where neither can tell (a copy to another disk cut short before its note,
// journals of older versions), the size must match and the file must be no
// newer than the run, so that a file written there since is left alone.
bool UndoRun::isTheMovedFile(const FileStatus& now, const JournalEntry& move) const
{
    const JournalEntry::Identity id = JournalEntry::Identity::of(now);
    if (const auto moved = m_moved.constFind(stepKey(move.from, move.to)); moved != m_moved.cend())
        return id == *moved;
    // Renamed in place: the same inode.
    if (move.identity && id.device == move.identity->device && id.inode == move.identity->inode)
        return id.size == move.identity->size;
    // Within one folder a move is always a rename (the run writes no note
    // after it), so another inode there is another file.
    if (move.identity && PathNames::folderOf(move.from) == PathNames::folderOf(move.to))
        return false;
    // A copy whose outcome the run could not write down (killed, or a full
    // disk), or a journal of an older version.
    const qint64 size = move.identity ? move.identity->size : move.size;
    return now.isRegularFile() && (size < 0 || now.size == size) && now.modificationTime.seconds <= m_runEnd;
}

void UndoRun::undoMove(const JournalEntry& move, Result& result)
{
    const QString& from = move.from;
    const QString& to = move.to;
    // A kill during a copy to another disk, by the run or by an undo, may
    // have left a temporary copy, or the file under both names.
    if (!m_dryRun && FileMover(m_fileSystem).resolveInterrupted(from, to, FileMover::Resolve::TakeBack)) {
        restoredStep(to, from, result);
        return;
    }
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
    if (!m_plannedThere.contains(to) && (m_fileSystem.status(to, status) || !isTheMovedFile(status, move))) {
        result.notRestored.append(QStringLiteral("%1: not the file the run put there, left where it is").arg(to));
        return;
    }
    if (put(to, from, result))
        restoredStep(to, from, result);
}

// Only the file the run trashed comes back: the trash's note must say it
// came from that path, and the file must be the one the run was about to
// trash when the journal knows which that was.
bool UndoRun::isTheTrashedFile(const QString& original, const QString& trashed, Result& result)
{
    QFile note(noteOf(trashed));
    const QList<QByteArray> lines =
        note.open(QIODevice::ReadOnly) ? note.read(64 * 1024).split('\n') : QList<QByteArray>();
    const QByteArray absolute = "Path=" + QUrl::toPercentEncoding(QFileInfo(original).absoluteFilePath(), "/");
    const QByteArray given = "Path=" + QUrl::toPercentEncoding(original, "/");
    if (!lines.contains(absolute) && !lines.contains(given)) {
        result.notRestored.append(
            QStringLiteral("%1: the trash does not say it came from %2, left in the trash").arg(trashed, original));
        return false;
    }
    const auto before = m_trashing.constFind(original);
    FileStatus status;
    if (before != m_trashing.cend() &&
        (m_fileSystem.status(trashed, status) || !sameFileAsBefore(JournalEntry::Identity::of(status), *before))) {
        result.notRestored.append(QStringLiteral("%1: not the file the run trashed, left in the trash").arg(trashed));
        return false;
    }
    return true;
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
    if (!isTheTrashedFile(original, trashed, result) || !put(trashed, original, result))
        return;
    restoredStep(trashed, original, result);
    // The trash keeps a note of each file's origin beside it; without the
    // file, the note would show a ghost in the trash.
    const QString info = noteOf(trashed);
    if (!m_dryRun && m_fileSystem.exists(info))
        m_fileSystem.unlink(info);
}

void UndoRun::undoFolder(const QString& folder, Result& result)
{
    if (!exists(folder))
        return;
    QStringList names;
    if (m_fileSystem.listFolder(folder, names))
        return;
    for (const QString& name : std::as_const(names)) {
        if (!m_plannedGone.contains(PathNames::join(folder, name))) {
            result.notRestored.append(QStringLiteral("%1: not empty, left in place").arg(folder));
            return;
        }
    }
    if (m_dryRun)
        m_plannedGone.insert(folder); // so that the folder holding it is seen empty too
    else
        m_fileSystem.rmdir(folder);
}

// Only the copy the run made goes, to the trash, and only while it is the
// very file the run wrote down after copying: a copy changed since, or one
// whose making the run could not write down, stays. The original it was
// copied from is never touched.
void UndoRun::undoCopy(const JournalEntry& copy, Result& result)
{
    const QString& to = copy.to;
    if (!m_dryRun)
        FileMover(m_fileSystem).dropLeftover(to);
    if (!exists(to))
        return; // never made, or removed since
    const auto made = m_copied.constFind(stepKey(copy.from, to));
    FileStatus status;
    if (made == m_copied.cend() || m_fileSystem.status(to, status) || JournalEntry::Identity::of(status) != *made) {
        result.notRestored.append(QStringLiteral("%1: not the copy the run made, left where it is").arg(to));
        return;
    }
    QString trashed;
    if (m_dryRun) {
        m_plannedGone.insert(to);
    } else if (const std::error_code error = m_fileSystem.moveToTrash(to, trashed)) {
        result.notRestored.append(QStringLiteral("%1: could not be moved to the trash (%2)")
                                      .arg(to, QString::fromLocal8Bit(error.message().c_str())));
        return;
    }
    result.restored.append(QStringLiteral("%1 -> %2").arg(to, m_dryRun ? QStringLiteral("trash") : trashed));
    if (m_dryRun)
        return;
    JournalEntry uncopied;
    uncopied.kind = JournalEntry::Kind::Uncopied;
    uncopied.from = to;
    uncopied.to = trashed;
    Journal::append(m_fileSystem, m_journalPath, uncopied);
}

} // namespace lumenscribe
