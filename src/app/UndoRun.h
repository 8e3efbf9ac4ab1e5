// Takes a run back from its journal, newest step first: each file returns to
// its old path where that path is free and its new path still holds it,
// trashed files come back from the trash, and a dated folder the run made is
// removed once empty. Nothing is ever overwritten; what cannot be taken back
// is listed. The desktop application and the terminal share this.
#pragma once

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
    void undoMove(const QString& from, const QString& to, qint64 size, Result& result);
    void undoTrash(const QString& original, const QString& trashed, Result& result);
    void undoFolder(const QString& folder, Result& result);
    bool exists(const QString& path);
    bool put(const QString& from, const QString& to, Result& result);

    FileSystem& m_fileSystem;
    bool m_dryRun = false;
    // What a dry run would have changed, so that later steps see it.
    QSet<QString> m_plannedGone;
    QSet<QString> m_plannedThere;
};

} // namespace lumenscribe
