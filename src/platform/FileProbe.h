// Questions to the file system that name making asks: is a name taken, and
// when was a file made.
#pragma once

#include "platform/Instant.h"

#include <QSet>
#include <QString>

namespace lumenscribe {

class FileProbe
{
public:
    // Changes a plan would make, seen by exists() on the thread that set
    // them, so that a dry run names files exactly as the real run would.
    struct PlannedChanges
    {
        QSet<QString> added;
        QSet<QString> removed;

        void add(const QString& path)
        {
            removed.remove(path);
            added.insert(path);
        }
        void remove(const QString& path)
        {
            added.remove(path);
            removed.insert(path);
        }
    };
    // Null to see the file system as it is.
    static void setPlannedChanges(PlannedChanges* changes);

    // While one lives, exists() on its thread answers false for the path of
    // the file being named: a file that already carries the name its style
    // gives it keeps that name instead of moving a second on at every run.
    class OwnPathFree
    {
    public:
        explicit OwnPathFree(const QString& path);
        ~OwnPathFree();
        OwnPathFree(const OwnPathFree&) = delete;
        OwnPathFree& operator=(const OwnPathFree&) = delete;

    private:
        const QString* m_previous;
    };

    // True when anything at all is at the path: a file, a folder, or a
    // symbolic link even when it leads nowhere (renaming onto it would
    // still replace it).
    static bool exists(const QString& path);

    // The moment the file was made, or none when the path cannot be read.
    // Where the platform keeps a creation date it is used as it is. On Linux
    // it is the earlier of the birth time (where the file system records one)
    // and the modification time: a copy made with its times kept carries the
    // capture moment in its modification time, while its birth time is the
    // moment of copying.
    static OptionalInstant creationDate(const QString& path);
};

} // namespace lumenscribe
