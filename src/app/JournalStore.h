// The folder that keeps the journals of past runs, one file per run, named
// so that names sort by time: the newest run is the last name.
#pragma once

#include "app/JournalEntry.h"

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
    };

    // LUMENSCRIBE_STATE_DIR, else the platform's state folder
    // ($XDG_STATE_HOME or ~/.local/state on Linux) + "/lumenscribe/journal".
    static QString defaultFolder();
    // How many runs are kept; older journals are dropped as new runs start.
    static constexpr int kRunsKept = 100;

    explicit JournalStore(QString folder = defaultFolder());

    const QString& folder() const { return m_folder; }
    // A fresh journal path for a run starting now; makes the folder.
    QString newJournalPath() const;
    QList<RunSummary> runs() const; // newest first
    // The journal of a run named by its id (or its path); empty if unknown.
    QString pathForId(const QString& id) const;
    void prune() const;

    static QList<JournalEntry> read(const QString& path);
    static RunSummary summarize(const QString& path);

private:
    QStringList journalNames() const; // oldest first

    QString m_folder;
};

} // namespace lumenscribe
