// One rename run, on the worker thread: takes the queued paths in batches,
// expands folders, sorts, applies the delete rules, finds each file's date,
// names it, asks where the settings or a failed check call for it, and moves
// it with its companion files. A dry run is this run on a file system that
// only plans (PlannedFileSystem): it asks no one and journals nothing.
#pragma once

#include "fs/FileSystem.h"
#include "journal/Journal.h"
#include "journal/JournalStore.h"
#include "platform/Instant.h"
#include "platform/NameProbe.h"
#include "platform/NameZone.h"
#include "platform/ShiftTable.h"
#include "run/CompanionIndex.h"
#include "run/CopyProgress.h"
#include "run/DayFolders.h"
#include "run/FolderExpander.h"
#include "run/PairIndex.h"
#include "run/RunObserver.h"
#include "run/RunSnapshot.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace lumenscribe {

class FileSource;
class NameGenerator;
class RunHost;
class RunState;
class StatusProxy;

class RenameRun
{
public:
    // `observer` may be null.
    RenameRun(RunSnapshot snapshot, RunHost& host, RunState& state, StatusProxy& proxy, RunObserver* observer,
              FileSystem& fileSystem);
    void run();

private:
    struct FileWork
    {
        QString path;
        FileStatus status;        // as the run found the file, for the journal
        bool statusIsOwn = false; // the file's own, not that of a link's target
        OptionalInstant date;
        QString dateSource;
        bool timeUnknown = false; // the date names a day only
        QString subSeconds;       // the fraction of the second's digits, for %f
        qint64 shift = 0;         // seconds added to the capture date
        QString companion;
        QString target;
        bool needsConfirmation = false;
        bool unchanged = false; // already carries the name its style gives it
        int checkResult = 0;
        QList<FileReport::Companion> companions;
        QList<FileReport::Companion> members; // the rest of its group, named with it
    };

    void startRun();
    bool decideDatedFolder();
    void startDayFolders();
    // The day folder of the file's own date becomes the target folder;
    // false, with the file reported, when the folder style gives no usable name.
    bool chooseDayFolder(FileWork& work);
    bool makeDayFolder(const FileWork& work, QStringList& made, QString* alert);
    QList<ListedFile> buildBatch();
    void anchorFolder(const QString& folder);
    void processBatch(const QList<ListedFile>& batch);
    std::error_code lookAt(const ListedFile& file, FileStatus& status, FileSource& opened);
    void processFile(const ListedFile& file, int index);
    // `regular`: the path itself is a regular file, as looked at just now.
    bool applyDeleteRules(const QString& path, const FileStatus* status, bool regular);
    bool isRegularItself(const ListedFile& file, const FileStatus& followed);
    QStringList ownPaths() const;
    // `opened`: the file itself, open, when processFile opened it.
    void findDate(FileWork& work, NameGenerator& style, const FileSource* opened);
    void readDate(FileWork& work, const NameGenerator& style, const FileSource* opened);
    // `probe`: the group's names (PairNames), null for a file on its own.
    void makeTarget(FileWork& work, NameGenerator& style, NameProbe* probe = nullptr);
    bool nameAsGroup(const FileWork& work, NameGenerator& style);
    bool readPartner(const ListedFile& file, FileWork& work, const NameGenerator& style);
    void moveMembers(FileWork& work, OptionalInstant creationDate);
    // Whether the person is asked about every file, whatever its name.
    bool asksEachFile() const;
    // Why the run leaves the file as it is, empty for a file it takes: a
    // card's own file, by its name; and, when only photos and movies are
    // asked for, a file that is neither by its content (`opened` when
    // open, else read through its path).
    static QString nameSkipReason(const QString& path);
    QString contentSkipReason(const QString& path, const FileSource& opened) const;
    bool wouldDelete(const QString& path, const FileStatus& status) const;
    bool confirm(FileWork& work);
    void moveWithCompanions(FileWork& work);
    // `size`: the source's size when the caller has just looked, else -1.
    // `known`: the source as the caller has just looked at it, else null.
    bool move(const QString& source, const QString& target, OptionalInstant creationDate, QString* alert,
              const FileStatus* known = nullptr);
    void moveCompanions(FileWork& work, OptionalInstant creationDate);
    // An alert about one file: raised unless the observer shows the reason
    // with the file's own report.
    void fileAlert(const QString& message);
    bool deleteFile(const QString& path, const FileStatus* status, QString* alert);
    // Whether a companion or sidecar may be in its folder, by one listing
    // of the folder per run: they are rare, and probing each of their names
    // for every photo would cost most of the run.
    bool mayExist(const QString& path);
    // Null when the folder cannot be listed.
    const QSet<QString>* companionNamesIn(const QString& folder);
    const QSet<QString>* companionNamesBeside(const QString& path);
    // Writes the step down before it is taken; when that fails the run
    // stops, so that no step is ever taken that cannot be taken back.
    bool journalStep(const JournalEntry& entry);
    void report(const FileWork& work, FileReport::Action action, const QString& message = QString());
    void endRun();

    class OwnPathFree : public NameProbe
    {
    public:
        OwnPathFree(NameProbe& probe, const QString& path);
        bool nameTaken(const QString& path) override;
        OptionalInstant creationDate(const QString& path) override;

    private:
        NameProbe& m_probe;
        const QString& m_path;
    };

    bool aborted() const;
    bool askFile(FileWork& work, Instant shown);

    RunSnapshot m_snapshot;
    NameZone m_nameZone;
    RunHost& m_host;
    RunState& m_state;
    StatusProxy& m_proxy;
    RunObserver* m_observer;
    FileSystem& m_fileSystem;
    bool m_dryRun;
    DownloadOption m_downloadOption = DownloadOption::InPlace;
    QString m_targetFolder;
    QString m_createdFolder;
    std::optional<DayFolders> m_dayFolders;
    // Copies the files to their targets and leaves the originals as they are.
    bool m_copying = false;
    CopyProgress m_copyProgress;
    QStringList m_processed;
    // Per folder, the names that could be companions or sidecars.
    QHash<QString, QSet<QString>> m_folderNames;
    QString m_lastFolder;
    const QSet<QString>* m_lastFolderNames = nullptr;
    // Files this run moved along with another (companions, sidecars): their
    // own turn finds nothing to do.
    QSet<QString> m_movedAlong;
    CompanionIndex m_companions;
    ShiftTable m_shifts;
    PairIndex m_pairs;
    JournalStore m_journalStore;
    Journal m_journal;
};

} // namespace lumenscribe
