// Takes a run back from its journal, newest step first: each file returns to
// its old path where that path is free and its new path, or the trash, still
// holds the very file the run moved; trashed files come back from the trash,
// copies the run made go to the trash (never the originals), and the
// folders the run made are removed once empty. Nothing is ever
// overwritten; what cannot be taken back is listed. Each step taken back is
// written down at once, so an undo cut short, or one that left files behind,
// can be finished later. The desktop application and the terminal share this.
#pragma once

#include "journal/JournalEntry.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace lumenscribe {

class FileSystem;

class UndoRun
{
public:
    struct Result
    {
        bool found = true;
        bool alreadyUndone = false;
        QStringList restored;    // "NEW -> OLD", one per file put back
        QStringList notRestored; // one line each, saying why
    };

    explicit UndoRun(FileSystem& fileSystem);

    // With dryRun, only says what it would do.
    Result undo(const QString& journalPath, bool dryRun);

private:
    void takeBack(const QList<JournalEntry>& entries, Result& result);
    void undoMove(const JournalEntry& move, Result& result);
    void undoTrash(const QString& original, const QString& trashed, Result& result);
    void undoFolder(const QString& folder, Result& result);
    void undoCopy(const JournalEntry& copy, Result& result);
    bool isTheMovedFile(const FileStatus& now, const JournalEntry& move) const;
    bool isTheTrashedFile(const QString& original, const QString& trashed, Result& result);
    bool exists(const QString& path);
    bool put(const QString& from, const QString& to, Result& result);
    void restoredStep(const QString& from, const QString& to, Result& result);
    static QString stepKey(const QString& from, const QString& to) { return from + u'\0' + to; }

    FileSystem& m_fileSystem;
    bool m_dryRun = false;
    QString m_journalPath;
    qint64 m_runEnd = 0;                               // seconds: the last time the run wrote down
    QHash<QString, JournalEntry::Identity> m_moved;    // the file each finished move left at its target
    QHash<QString, JournalEntry::Identity> m_trashing; // the file each delete was about to trash
    QHash<QString, JournalEntry::Identity> m_copied;   // the copy each finished copy made
    QSet<QString> m_uncopied;                          // copies an earlier undo trashed
    QSet<QString> m_restoredBefore;                    // steps an earlier undo took back
    int m_lostForGood = 0;                             // notes about files deleted outright
    // What a dry run would have changed, so that later steps see it.
    QSet<QString> m_plannedGone;
    QSet<QString> m_plannedThere;
};

} // namespace lumenscribe
