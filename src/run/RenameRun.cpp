#include "run/RenameRun.h"

#include "controllers/CIWController.h"
#include "controllers/FIWController.h"
#include "controllers/MainController.h"
#include "fs/FileSystem.h"
#include "fs/TrashCan.h"
#include "metadata/CaptureDateFinder.h"
#include "metadata/FileSource.h"
#include "platform/ApplicationLauncher.h"
#include "platform/FolderAnchors.h"
#include "platform/LocalizedStrings.h"
#include "platform/PathNames.h"
#include "platform/WildcardMatcher.h"
#include "run/FolderExpander.h"
#include "run/StatusProxy.h"

#include <QDateTime>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace lumenscribe {

namespace {

Instant now()
{
    return static_cast<Instant>(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

QString text(const char* key)
{
    return LocalizedStrings::shared().text(QString::fromLatin1(key));
}

// Collects an alert for the file's report while passing it on.
class AlertCapture : public StatusProxy
{
public:
    AlertCapture(StatusProxy& target, bool forward) : m_target(target), m_forward(forward) {}
    QString alerts;

    void showAlertPanel(const QString& message) override
    {
        alerts += alerts.isEmpty() ? message : u' ' + message;
        if (m_forward)
            m_target.showAlertPanel(message);
    }
    void closeFIW() override { m_target.closeFIW(); }
    void openFIW() override { m_target.openFIW(); }
    void ciwWithFile(const QString& f, const QString& p, Instant d) override { m_target.ciwWithFile(f, p, d); }
    void closeCIW() override { m_target.closeCIW(); }
    void openCIW() override { m_target.openCIW(); }
    QString fiwMakeFolderName() override { return m_target.fiwMakeFolderName(); }
    void refreshCounters() override { m_target.refreshCounters(); }
    void makeInfoWindowCloseTimer() override { m_target.makeInfoWindowCloseTimer(); }
    void setNIWDoubleValue(double value) override { m_target.setNIWDoubleValue(value); }
    void setNIWMaxValue(double value) override { m_target.setNIWMaxValue(value); }
    void setNIWInfo(const QString& t) override { m_target.setNIWInfo(t); }

private:
    StatusProxy& m_target;
    bool m_forward;
};

} // namespace

RenameRun::RenameRun(MainController& controller, StatusProxy& proxy)
    : m_controller(controller), m_proxy(proxy), m_observer(controller.runObserver()), m_dryRun(controller.dryRun()),
      m_journalStore(controller.journalFolder()), m_journal(controller.fileSystem(), m_journalStore)
{
}

void RenameRun::run()
{
    // Everything below the folders the run was given is reached from them,
    // never through a link swapped in while the run goes on.
    FolderAnchors::Scope anchors;
    if (m_dryRun)
        FileProbe::setPlannedChanges(&m_plan);
    startRun();
    while (!m_controller.abortOperation.load() && m_controller.toOpenCount() > 0)
        processBatch(buildBatch());
    endRun();
    FileProbe::setPlannedChanges(nullptr);
}

void RenameRun::startRun()
{
    m_downloadOptions = m_controller.downloadOptions();
    m_controller.abortOperation.store(false);
    m_controller.renameAll.store(m_controller.renameAllAtStart() || m_dryRun);
    const int identical = m_controller.identicalFileNamesOption();
    m_controller.fileNameGenerators().setIdenticalFileNamesOption(identical);
    m_controller.folderNameGenerators().setIdenticalFileNamesOption(identical);
    m_controller.folderNameGenerators().setSeqCounter(m_controller.folderSeqCounter());
    m_controller.advanceFolderSeqCounter();
    m_controller.ciwController().updatePrefixSuffix();
    if (m_downloadOptions != 0)
        anchorFolder(m_controller.downloadDestinationFolder());
    if (m_downloadOptions == 1)
        m_targetFolder = m_controller.downloadDestinationFolder();
    else if (m_downloadOptions == 2)
        decideDatedFolder();
}

bool RenameRun::decideDatedFolder()
{
    FIWController& fiw = m_controller.fiwController();
    const unsigned flags = m_controller.alertOS9NameLength() ? 1u : 0u;
    QString folder;
    bool accepted = false;
    // --yes answers a window that would only ask to confirm a good name;
    // a dry run asks what the real run would ask.
    if (m_controller.downloadPrefixSuffixType() != 1 || m_controller.renameAllAtStart()) {
        folder = m_proxy.fiwMakeFolderName();
        accepted = CIWController::checkFileName(PathNames::lastComponent(folder), PathNames::folderOf(folder), flags) ==
                   CIWController::NameOk;
    }
    if (!accepted) {
        fiw.prepareForAnswer();
        m_proxy.openFIW();
        if (fiw.threadWaitForModal() == FIWController::Abort)
            m_controller.abortOperation.store(true);
        folder = fiw.newFolderName();
        m_proxy.closeFIW();
    }
    m_targetFolder = folder;
    if (m_controller.abortOperation.load())
        return false;
    if (m_dryRun) {
        if (!dryRunCanMakeFolder(folder)) {
            m_proxy.showAlertPanel(text("AlertPanelFolderCreateError"));
            m_controller.abortOperation.store(true);
            return false;
        }
        m_plan.add(folder); // not m_createdFolder: the end of a run removes that
        return true;
    }
    JournalEntry made;
    made.kind = JournalEntry::Kind::MakeFolder;
    made.to = folder;
    if (!journalStep(made))
        return false;
    if (m_controller.fileSystem().mkdir(folder, 0777) != 0) {
        m_proxy.showAlertPanel(text("AlertPanelFolderCreateError"));
        m_controller.abortOperation.store(true);
        return false;
    }
    m_createdFolder = folder;
    return true;
}

QList<ListedFile> RenameRun::buildBatch()
{
    FolderExpander expander(m_controller.fileSystem());
    expander.setOwnPaths(ownPaths());
    QStringList dropped;
    for (qsizetype n = m_controller.toOpenCount(); n > 0; --n) {
        const std::optional<QString> entry = m_controller.takeFirstToOpen();
        if (!entry)
            break;
        dropped.append(*entry);
        // A dropped file is anchored by its folder, a dropped folder itself.
        anchorFolder(NativePath::fileType(*entry) == S_IFDIR ? *entry : PathNames::folderOf(*entry));
        expander.add(*entry);
    }
    for (const QString& folder : expander.unreadable())
        m_proxy.showAlertPanel(
            LocalizedStrings::shared().format(QStringLiteral("AlertPanelFolderReadError"), {folder}));
    const QList<ListedFile> batch = expander.sortedFiles();
    m_companions = CompanionIndex(batch);
    m_journal.setDroppedPaths(dropped);
    m_proxy.setNIWInfo(QString());
    m_proxy.setNIWDoubleValue(0);
    m_proxy.setNIWMaxValue(static_cast<double>(batch.size()));
    return batch;
}

void RenameRun::anchorFolder(const QString& folder)
{
    if (FolderAnchors* anchors = FolderAnchors::current(); anchors && !folder.isEmpty())
        anchors->anchor(folder);
}

void RenameRun::processBatch(const QList<ListedFile>& batch)
{
    for (int i = 0; i < batch.size() && !m_controller.abortOperation.load(); ++i)
        processFile(batch.at(i), i);
    m_proxy.closeCIW();
}

// A file the walk saw as a plain regular file is opened straight away: the
// descriptor tells what it is now, and the file is read through it, so one
// open stands for a look by path and another open. Anything else (a link,
// a path dropped as it is, a file that could not be opened) is looked at by
// path first, so that a device is never opened.
int RenameRun::lookAt(const ListedFile& file, FileStatus& status, FileSource& opened)
{
    if (file.plain) {
        int fd = -1;
        quint64 size = 0;
        struct stat info
        {
        };
        if (NativePath::openPlainFile(file.path, fd, size, &info) == 0) {
            // What the journal needs to know the file again comes with the open.
            status = FileStatus();
            status.mode = S_IFREG;
            status.size = qint64(size);
            status.device = info.st_dev;
            status.inode = info.st_ino;
            status.modificationTime = {qint64(info.st_mtim.tv_sec), qint32(info.st_mtim.tv_nsec)};
            opened.take(fd, size);
            return 0;
        }
    }
    return m_controller.fileSystem().status(file.path, status, FileSystem::Links::Follow);
}

void RenameRun::processFile(const ListedFile& file, int index)
{
    const QString& path = file.path;
    m_proxy.setNIWInfo(PathNames::lastComponent(path));
    m_proxy.setNIWDoubleValue(index + 1);
    if (m_movedAlong.contains(path) || (m_dryRun && !FileProbe::exists(path)))
        return; // moved already, as a companion of an earlier file
    if (m_companions.isHeldBack(path))
        return; // goes with its file, at that file's turn
    FileStatus status;
    FileSource opened; // not a std::optional: GCC clears an optional's whole storage
    const int error = lookAt(file, status, opened);
    if (error == ENOENT && !m_controller.fileSystem().exists(path))
        return; // gone since the folder was read
    if (applyDeleteRules(path, error == 0 ? &status : nullptr, error == 0 && isRegularItself(file, status)))
        return;
    if (error) {
        FileWork work;
        work.path = path;
        const QString alert = LocalizedStrings::shared().format(QStringLiteral("AlertPanelFolderReadError"), {path});
        fileAlert(alert);
        report(work, FileReport::Action::Failed, alert);
        return;
    }
    if (!status.isRegularFile()) {
        // Pipes and devices are never read: reading one could wait for ever.
        FileWork work;
        work.path = path;
        report(work, FileReport::Action::Skipped, QStringLiteral("not a regular file"));
        return;
    }
    NameGenerator& style = *m_controller.fileNameGenerator();
    FileWork work;
    work.path = path;
    work.status = status;
    work.statusIsOwn = opened.isOpen(); // not a link's target
    const qsizetype slash = path.lastIndexOf(u'/');
    if (m_downloadOptions == 0 && (slash <= 0 || QStringView(path).first(slash) != m_targetFolder))
        m_targetFolder = PathNames::folderOf(path);
    findDate(work, style, opened.isOpen() ? &opened : nullptr);
    opened.close();
    makeTarget(work, style);
    if (work.unchanged) {
        report(work, FileReport::Action::Unchanged);
        return;
    }
    if (!confirm(work))
        return;
    if (m_controller.abortOperation.load())
        return;
    moveWithCompanions(work);
}

// The walk's regular files are what they were; anything else is looked at
// without following links, so that a rule never removes a link (or what it
// leads to) in the belief that it is a small file.
bool RenameRun::isRegularItself(const ListedFile& file, const FileStatus& followed)
{
    if (!followed.isRegularFile())
        return false;
    if (file.plain)
        return true;
    FileStatus own;
    return m_controller.fileSystem().status(file.path, own, FileSystem::Links::Keep) == 0 && own.isRegularFile();
}

// The program's own files and folders, which no walk takes: its settings,
// its journals, and the home trash that deleted files go to.
QStringList RenameRun::ownPaths() const
{
    QStringList paths;
    const QString settings = m_controller.preferencesStore().path();
    const QString journals = m_controller.journalFolder();
    paths << settings << journals << TrashCan::homeTrash();
    for (const QString& folder : {PathNames::folderOf(settings), PathNames::folderOf(journals)}) {
        if (PathNames::lastComponent(folder) == u"lumenscribe")
            paths << folder;
    }
    return paths;
}

bool RenameRun::applyDeleteRules(const QString& path, const FileStatus* status, bool regular)
{
    const int option = m_controller.deleteFilesOptions();
    // Only regular files are deleted: never a device, a pipe, a socket or a
    // link, whatever its name or its size of 0 says.
    if (option == 0 || !regular)
        return false;
    const bool match =
        WildcardMatcher::nameMatchesPatterns(PathNames::lastComponent(path), m_controller.deleteFilesPatterns());
    const quint64 limit = static_cast<quint64>(m_controller.deleteFilesSmallerThankB()) * 1024u;
    const bool small = status && static_cast<quint64>(status->size) < limit;
    const bool remove = (option == 1 && match) || (option == 2 && small) || (option == 3 && small && !match) ||
                        (option == 4 && (match || small));
    if (!remove)
        return false;
    FileWork work;
    work.path = path;
    if (m_dryRun) {
        m_plan.remove(path);
        report(work, FileReport::Action::Deleted);
        return true;
    }
    QString alert;
    if (deleteFile(path, status, &alert))
        report(work, FileReport::Action::Deleted);
    else
        report(work, FileReport::Action::Failed, alert);
    return true;
}

// A rule that matches more than the person meant must not cost a photo:
// deleted files go to the trash, and only where a volume has no trash are
// they removed outright.
bool RenameRun::deleteFile(const QString& path, const FileStatus* status, QString* alert)
{
    FileSystem& fileSystem = m_controller.fileSystem();
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Trash;
    entry.from = path;
    if (status)
        entry.identity = JournalEntry::Identity::of(*status);
    if (!journalStep(entry))
        return false;
    QString trashed;
    int error = fileSystem.moveToTrash(path, trashed);
    if (error == 0) {
        entry.kind = JournalEntry::Kind::Trashed;
        entry.to = trashed;
        journalStep(entry);
        return true;
    }
    if (error == ENOTSUP) {
        error = fileSystem.unlink(path);
        if (error == 0) {
            entry.kind = JournalEntry::Kind::Removed;
            journalStep(entry);
            return true;
        }
    }
    // A trash that is not the user's own is refused by name; anything else
    // by the system's own words.
    const QString reason = error == TrashCan::NotOwnTrash ? text("AlertPanelTrashNotOwn") : qt_error_string(error);
    *alert = LocalizedStrings::shared().format(QStringLiteral("AlertPanelFileDeleteError"), {path}) +
             QStringLiteral(" (") + reason + u')';
    fileAlert(*alert);
    return false;
}

bool RenameRun::journalStep(const JournalEntry& entry)
{
    if (m_dryRun || m_journal.record(entry))
        return true;
    if (!m_controller.abortOperation.exchange(true)) {
        m_proxy.showAlertPanel(
            LocalizedStrings::shared().format(QStringLiteral("AlertPanelJournalError"), {m_journal.error()}));
    }
    return false;
}

void RenameRun::findDate(FileWork& work, NameGenerator& style, const FileSource* opened)
{
    if (style.dateSource() != 2) {
        // processFile has just found a regular file at the path.
        const auto mayExistHere = [this](const QString& candidate) { return mayExist(candidate); };
        const QSet<QString>* beside = companionNamesBeside(work.path);
        const bool alone = beside && beside->isEmpty(); // no thumbnail can be there
        const CaptureDateFinder::Result found =
            opened && alone ? CaptureDateFinder::fromFile(*opened)
            : opened        ? CaptureDateFinder::find(work.path, mayExistHere, *opened)
                            : CaptureDateFinder::find(work.path, mayExistHere, NativePath::Look::AlreadyDone);
        if (found.date) {
            work.date = found.date;
            work.dateSource = found.source;
            work.companion = found.companion;
            work.timeUnknown = found.timeUnknown;
        }
    }
    if (!work.date && style.dateSource() != 1) {
        work.date = NameGenerator::fileCreationDateForFile(work.path);
        if (work.date)
            work.dateSource = QStringLiteral("creation-date");
    }
    // One step for every file that is still there and not deleted, whatever
    // becomes of it, so that numbers match the files the user sees.
    style.setSeqCounter(m_controller.fileSeqCounter());
    m_controller.advanceFileSeqCounter();
}

void RenameRun::makeTarget(FileWork& work, NameGenerator& style)
{
    if (!work.date) {
        work.needsConfirmation = true;
        return;
    }
    const Instant corrected = m_controller.ciwController().correctDate(*work.date);
    QString name;
    {
        // The file's own path is not a clash: run again, and it keeps its name.
        const FileProbe::OwnPathFree own(work.path);
        name = style.makeNewFileNameForFile(work.path, m_targetFolder, corrected);
    }
    work.target = PathNames::join(m_targetFolder, name);
    if (work.target == work.path && style.lastNameWasFree()) {
        work.unchanged = true;
        return;
    }
    const unsigned flags = m_controller.alertOS9NameLength() ? 1u : 0u;
    work.checkResult = style.lastNameWasFree() ? CIWController::checkFreeFileName(name, m_targetFolder, flags)
                                               : CIWController::checkFileName(name, m_targetFolder, flags);
    work.needsConfirmation = work.checkResult != CIWController::NameOk;
}

// Answers whether the file is to be renamed, to work.target.
bool RenameRun::confirm(FileWork& work)
{
    const bool renameAll = m_controller.renameAll.load();
    const bool show = work.needsConfirmation ||
                      (!renameAll && (m_controller.confirmEachFile() || m_controller.prefixSuffixType() == 1));
    if (!show)
        return true;
    if (m_dryRun) {
        report(work, FileReport::Action::NeedsConfirmation, work.date ? QString() : QStringLiteral("no date"));
        return false;
    }
    CIWController& ciw = m_controller.ciwController();
    ciw.prepareForAnswer();
    m_proxy.openCIW();
    // A file without a date is shown with this moment; named with it, it
    // keeps it as its date, not the later moment of the answer.
    const Instant shown = work.date.value_or(now());
    m_proxy.ciwWithFile(work.path, m_targetFolder, shown);
    const int answer = ciw.threadWaitForModal();
    work.target = ciw.newFileName();
    if (answer == CIWController::RenameAll)
        m_controller.renameAll.store(true);
    else if (answer == CIWController::Abort)
        m_controller.abortOperation.store(true);
    if (!m_controller.confirmEachFile() || m_controller.renameAll.load())
        m_proxy.closeCIW();
    if (answer == CIWController::Rename || answer == CIWController::RenameAll) {
        if (!work.date)
            work.date = shown;
        return true;
    }
    report(work, work.needsConfirmation ? FileReport::Action::NeedsConfirmation : FileReport::Action::Skipped);
    return false;
}

void RenameRun::moveWithCompanions(FileWork& work)
{
    OptionalInstant creationDate;
    if (m_controller.changeCreationDate() && work.date)
        creationDate = m_controller.ciwController().correctDate(*work.date);
    QString alert;
    const bool moved = move(work.path, work.target, creationDate, &alert, work.statusIsOwn ? &work.status : nullptr);
    // Companions stay with their file: a movie whose move failed keeps the
    // thumbnail that holds its date, so that a second try finds it.
    if (moved)
        moveCompanions(work, creationDate);
    report(work, moved ? FileReport::Action::Renamed : FileReport::Action::Failed, alert);
}

// Thumbnails, sidecars and edit files beside the file follow it to its new
// name, so that edits, ratings and the movie's date stay with it.
void RenameRun::moveCompanions(FileWork& work, OptionalInstant creationDate)
{
    QStringList companions;
    if (const QSet<QString>* names = companionNamesBeside(work.path); names && !names->isEmpty())
        companions = m_companions.companionsOf(work.path, *names);
    if (!work.companion.isEmpty() && !companions.contains(work.companion))
        companions.append(work.companion); // the folder could not be listed
    for (const QString& companion : std::as_const(companions)) {
        if (m_movedAlong.contains(companion) || !FileProbe::exists(companion))
            continue;
        FileReport::Companion moved;
        moved.source = companion;
        moved.target = CompanionIndex::targetFor(companion, work.path, work.target);
        if (!move(companion, moved.target, creationDate, &moved.message))
            moved.action = FileReport::Action::Failed;
        m_movedAlong.insert(companion);
        work.companions.append(moved);
    }
}

bool RenameRun::move(const QString& source, const QString& target, OptionalInstant creationDate, QString* alert,
                     const FileStatus* known)
{
    if (m_dryRun)
        return dryRunMove(source, target, alert);
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Move;
    entry.from = source;
    entry.to = target;
    // Which file this is, so that undo takes back this file and no other.
    FileStatus status;
    if (known)
        status = *known;
    if (known || m_controller.fileSystem().status(source, status) == 0) {
        entry.identity = JournalEntry::Identity::of(status);
        entry.size = status.size;
    }
    if (!journalStep(entry))
        return false;
    AlertCapture capture(m_proxy, !(m_observer && m_observer->showsFailureReasons()));
    const bool moved = m_controller.moveFile(source, target, capture, m_processed, creationDate);
    // A copy to another disk, or a new date, changes what the file looks
    // like; a rename within its folder keeps device, inode and times.
    const bool keptItsIdentity = !creationDate && PathNames::folderOf(source) == PathNames::folderOf(target);
    if (moved && !keptItsIdentity && m_controller.fileSystem().status(target, status) == 0) {
        entry.kind = JournalEntry::Kind::Moved;
        entry.identity = JournalEntry::Identity::of(status);
        journalStep(entry);
    }
    if (!capture.alerts.isEmpty())
        *alert += alert->isEmpty() ? capture.alerts : u' ' + capture.alerts;
    return moved;
}

// The checks the real move makes before it moves, against the plan: the
// source is there, the target is free, and its folder takes files.
bool RenameRun::dryRunMove(const QString& source, const QString& target, QString* alert)
{
    const QString folder = PathNames::folderOf(target);
    const bool writable =
        m_plan.added.contains(folder) || ::access(FileSystem::encodePath(folder).constData(), W_OK | X_OK) == 0;
    if (!FileProbe::exists(source) || FileProbe::exists(target) || !writable) {
        *alert = LocalizedStrings::shared().format(QStringLiteral("AlertPanelFileMove"), {source, target});
        return false;
    }
    m_plan.remove(source);
    m_plan.add(target);
    m_processed.append(target);
    return true;
}

bool RenameRun::dryRunCanMakeFolder(const QString& folder) const
{
    const QString parent = PathNames::folderOf(folder);
    return !FileProbe::exists(folder) && ::access(FileSystem::encodePath(parent).constData(), W_OK | X_OK) == 0;
}

void RenameRun::fileAlert(const QString& message)
{
    if (!m_observer || !m_observer->showsFailureReasons())
        m_proxy.showAlertPanel(message);
}

bool RenameRun::mayExist(const QString& path)
{
    const QStringView name = QStringView(path).sliced(path.lastIndexOf(u'/') + 1);
    if (!CompanionIndex::isCompanionName(name))
        return true; // not collected: let the probe decide
    const QSet<QString>* names = companionNamesBeside(path);
    // A folder that cannot be listed: let the probe decide.
    return !names || (!names->isEmpty() && names->contains(name.toString()));
}

// Asked several times for every photo, so the usual answer (the folder of
// the last question) costs no string of its own.
const QSet<QString>* RenameRun::companionNamesBeside(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (m_lastFolderNames && slash > 0 && QStringView(path).first(slash) == m_lastFolder)
        return m_lastFolderNames;
    return companionNamesIn(PathNames::folderOf(path));
}

const QSet<QString>* RenameRun::companionNamesIn(const QString& folder)
{
    if (m_lastFolderNames && folder == m_lastFolder)
        return m_lastFolderNames;
    auto it = m_folderNames.find(folder);
    if (it == m_folderNames.end()) {
        QSet<QString> companions;
        QStringList names;
        if (m_controller.fileSystem().listFolder(folder, names) != 0)
            return nullptr;
        for (const QString& name : std::as_const(names)) {
            if (CompanionIndex::isCompanionName(name))
                companions.insert(name);
        }
        it = m_folderNames.insert(folder, companions);
    }
    m_lastFolder = folder;
    m_lastFolderNames = &*it;
    return m_lastFolderNames;
}

void RenameRun::report(const FileWork& work, FileReport::Action action, const QString& message)
{
    if (!m_observer)
        return;
    FileReport r;
    r.source = work.path;
    r.target = work.target;
    r.date = work.date;
    r.dateSource = work.dateSource;
    r.noCaptureDate = work.dateSource == u"creation-date";
    r.timeUnknown = work.timeUnknown;
    r.action = action;
    r.message = message;
    r.companions = work.companions;
    m_observer->fileDone(r);
}

void RenameRun::endRun()
{
    const bool aborted = m_controller.abortOperation.load();
    if (!m_controller.terminateImmediately.load()) {
        if (aborted) {
            m_proxy.setNIWInfo(text("NormalInfoRenamingAborted"));
            m_proxy.setNIWDoubleValue(0);
        } else {
            m_proxy.setNIWInfo(text("NormalInfoRenamingDone"));
        }
        m_proxy.refreshCounters();
        const QString application = m_controller.openFilesApplication();
        if (!m_dryRun && m_controller.openFilesAfterRenaming() && !application.isEmpty()) {
            if (ApplicationLauncher launcher(application); !launcher.open(m_processed))
                m_proxy.showAlertPanel(LocalizedStrings::shared().format(
                    QStringLiteral("AlertPanelOpenApplicationError"), {application, launcher.error()}));
        }
        m_proxy.makeInfoWindowCloseTimer();
    }
    if (!m_createdFolder.isEmpty() && m_processed.isEmpty())
        m_controller.fileSystem().rmdir(m_createdFolder);
    m_journal.finish();
    if (m_observer)
        m_observer->runEnded(aborted);
    m_controller.renameAll.store(false);
    m_controller.threadCreated.store(false);
}

} // namespace lumenscribe
