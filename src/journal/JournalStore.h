// The folder that keeps the journals of past runs, one file per run, named
// by the start in UTC and a sequence number that orders them.
#pragma once

#include "journal/JournalEntry.h"

#include <QList>
#include <QString>

namespace lumenscribe {

class JournalStore
{
public:
    struct RunSummary
    {
        QString id;
        QString path;
        qint64 time = 0;
        int files = 0;
        QString folder;
        bool finished = false;
        bool undone = false;
        int restored = 0; // files an undo put back, also one cut short
    };

    // LUMENSCRIBE_STATE_DIR, else the platform's state folder
    // ($XDG_STATE_HOME or ~/.local/state on Linux) + "/lumenscribe/journal".
    static QString defaultFolder();
    // How many runs are kept; older journals are dropped as new runs start.
    static constexpr int kRunsKept = 100;

    explicit JournalStore(QString folder = defaultFolder());

    const QString& folder() const { return m_folder; }
    // A fresh journal path for a run starting now; makes the folder. A
    // later attempt, after another run took the name, gives the next one.
    QString newJournalPath(int attempt = 0) const;
    QList<RunSummary> runs() const; // newest first
    // The journal of a run named by its id, found in the folder, or by a
    // path holding a "/"; empty if unknown. No id: the newest run.
    QString pathForId(const QString& id) const;
    void prune() const;

    static QList<JournalEntry> read(const QString& path);
    static RunSummary summarize(const QString& path);

private:
    QStringList journalNames() const;              // oldest first
    static qint64 sequenceOf(const QString& name); // 0 for older names

    QString m_folder;
};

} // namespace lumenscribe
