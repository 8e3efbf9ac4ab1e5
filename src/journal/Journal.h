// The journal of one run: every step is written down, and handed to the
// operating system, before it is taken, so that a run killed at any moment
// can still be taken back. The file is synced to disk once, at the end: a
// sync per step would cost the run most of its speed.
#pragma once

#include "journal/JournalEntry.h"

#include <QString>
#include <QStringList>

namespace lumenscribe {

class FileSystem;
class JournalStore;

class Journal
{
public:
    Journal(FileSystem& fileSystem, const JournalStore& store);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // The paths the run was given; written with the first step.
    void setDroppedPaths(const QStringList& paths);
    // The run's time shifts, as the settings hold them; written with the
    // first step.
    void setTimeShift(const QString& runWide, const QStringList& byModel);
    // False when the entry could not be written: the step must not be taken.
    bool record(const JournalEntry& entry);
    void finish();

    const QString& path() const { return m_path; }
    const QString& error() const { return m_error; }

    // Mends the last move of the newest run if that run was killed during a
    // copy to another disk; a run calls this as it starts, before it reads
    // its folders.
    static void resolveInterrupted(FileSystem& fileSystem, const JournalStore& store);

    // Appends one entry to an existing journal and syncs it.
    static bool append(FileSystem& fileSystem, const QString& path, const JournalEntry& entry);

private:
    bool open();
    bool writeLine(const QByteArray& line);

    FileSystem& m_fileSystem;
    const JournalStore& m_store;
    QStringList m_droppedPaths;
    QString m_shift;
    QStringList m_shiftByModel;
    QString m_path;
    QString m_error;
    int m_fd = -1;
    bool m_failed = false;
};

} // namespace lumenscribe
