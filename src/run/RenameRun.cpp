#include "run/RenameRun.h"

#include "fs/FileSystem.h"
#include "fs/TrashCan.h"
#include "metadata/CaptureDateFinder.h"
#include "metadata/FileSource.h"
#include "metadata/MediaKind.h"
#include "platform/ApplicationLauncher.h"
#include "platform/FolderAnchors.h"
#include "platform/LocalizedStrings.h"
#include "platform/PathNames.h"
#include "run/CardSystemFiles.h"
#include "run/DeleteRules.h"
#include "run/FolderExpander.h"
#include "run/ModalAnswer.h"
#include "run/MoveReport.h"
#include "run/NameCheck.h"
#include "run/PairNames.h"
#include "run/RunHost.h"
#include "run/RunState.h"
#include "run/StatusProxy.h"

#include <QDateTime>
#include <algorithm>
#include <cerrno>
#include <memory>
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

} // namespace

RenameRun::RenameRun(RunSnapshot snapshot, RunHost& host, RunState& state, StatusProxy& proxy, RunObserver* observer,
                     FileSystem& fileSystem)
    : m_snapshot(std::move(snapshot)), m_host(host), m_state(state), m_proxy(proxy), m_observer(observer),
      m_fileSystem(fileSystem), m_dryRun(m_snapshot.dryRun), m_journalStore(m_snapshot.journalFolder),
      m_journal(fileSystem, m_journalStore)
{
    // Settings refuse any other text; a snapshot made by hand names locally.
    m_nameZone = NameZone::fromText(m_snapshot.settings.nameZone).value_or(NameZone());
}

// Answers the free-name question as the file system does, except for the
// file's own path.
RenameRun::OwnPathFree::OwnPathFree(NameProbe& probe, const QString& path) : m_probe(probe), m_path(path)
{
}

bool RenameRun::OwnPathFree::nameTaken(const QString& path)
{
    return path != m_path && m_probe.nameTaken(path);
}

OptionalInstant RenameRun::OwnPathFree::creationDate(const QString& path)
{
    return m_probe.creationDate(path);
}

bool RenameRun::aborted() const
{
    return m_state.abortRequested();
}

void RenameRun::run()
{
    // Everything below the folders the run was given is reached from them,
    // never through a link swapped in while the run goes on.
    FolderAnchors::Scope anchors;
    startRun();
    while (!aborted() && m_host.toOpenCount() > 0)
        processBatch(buildBatch());
    endRun();
}

void RenameRun::startRun()
{
    // A move a kill cut short is carried through before the folders are
    // read: done later, it would take away a file this run has already
    // looked at and then reports missing.
    if (!m_dryRun)
        Journal::resolveInterrupted(m_fileSystem, m_journalStore);
    m_downloadOption = m_snapshot.settings.downloadOption();
    m_copying = m_snapshot.settings.copyInsteadOfMoving;
    m_shifts = ShiftTable(m_snapshot.settings.timeShift, m_snapshot.settings.timeShiftByModel);
    m_journal.setTimeShift(m_shifts.runWideText(), m_shifts.modelEntries());
    m_snapshot.fileStyle.setNameProbe(&m_fileSystem);
    m_snapshot.folderStyle.setNameProbe(&m_fileSystem);
    const int identical = m_snapshot.settings.identicalFileNamesOption;
    m_snapshot.fileStyle.setIdenticalFileNamesOption(identical);
    m_snapshot.folderStyle.setIdenticalFileNamesOption(identical);
    m_snapshot.folderStyle.setSeqCounter(m_snapshot.settings.folderSeqCounter);
    m_host.folderNumbered(m_snapshot.settings.folderSeqCounter);
    if (m_downloadOption != DownloadOption::InPlace)
        anchorFolder(m_snapshot.settings.downloadDestinationFolder);
    if (m_downloadOption == DownloadOption::DownloadFolder)
        m_targetFolder = m_snapshot.settings.downloadDestinationFolder;
    else if (m_downloadOption == DownloadOption::DatedFolder)
        decideDatedFolder();
    else if (m_downloadOption == DownloadOption::ByDayFolders)
        startDayFolders();
}

// No folder window for each day: the prefix and suffix the settings fix
// for folder names, and none where they say to ask.
void RenameRun::startDayFolders()
{
    const Settings::Values& settings = m_snapshot.settings;
    m_targetFolder = settings.downloadDestinationFolder;
    m_dayFolders.emplace(m_fileSystem, m_targetFolder, m_snapshot.nameCheckFlags());
    const PrefixSuffixType type = settings.downloadPrefixSuffix();
    const bool both = type == PrefixSuffixType::Both;
    m_snapshot.folderStyle.setPrefix(both || type == PrefixSuffixType::Prefix ? settings.prefixString : QString());
    m_snapshot.folderStyle.setSuffix(both || type == PrefixSuffixType::Suffix ? settings.suffixString : QString());
}

bool RenameRun::chooseDayFolder(FileWork& work)
{
    m_targetFolder = m_dayFolders->root();
    if (!work.date)
        return true; // asked about, and then named in the download folder itself
    const QString name = m_snapshot.folderStyle.makeNestedFolderName(m_host.correctDate(*work.date));
    const QString folder = m_dayFolders->folderFor(name);
    if (folder.isEmpty()) {
        //% "The folder style makes the folder name \"%1\", which cannot be used: "
        //% "an empty part, \".\" or \"..\", or a part the name check refuses."
        const QString alert = qtTrId("AlertPanelDayFolderRefused").arg(name);
        fileAlert(alert);
        report(work, FileReport::Action::Failed, alert);
        return false;
    }
    m_targetFolder = folder;
    return true;
}

bool RenameRun::makeDayFolder(const FileWork& work, QStringList& made, QString* alert)
{
    const QString folder = PathNames::folderOf(work.target);
    const auto writeDown = [this](const QString& path) {
        JournalEntry entry;
        entry.kind = JournalEntry::Kind::MakeFolder;
        entry.to = path;
        return journalStep(entry);
    };
    const std::error_code error = m_dayFolders->make(folder, writeDown, made);
    if (!error)
        return true;
    //% "The folder %1 could not be created (%2)."
    *alert = qtTrId("AlertPanelDayFolderCreateError").arg(folder, QString::fromLocal8Bit(error.message().c_str()));
    fileAlert(*alert);
    return false;
}

bool RenameRun::decideDatedFolder()
{
    const unsigned flags = m_snapshot.nameCheckFlags();
    QString folder;
    bool accepted = false;
    // --yes answers a window that would only ask to confirm a good name;
    // a dry run asks what the real run would ask.
    if (m_snapshot.settings.downloadPrefixSuffixType != 1 || m_snapshot.renameAllAtStart) {
        folder = m_proxy.fiwMakeFolderName();
        accepted = NameCheck::check(PathNames::lastComponent(folder), PathNames::folderOf(folder), flags,
                                    m_fileSystem) == NameCheck::Ok;
    }
    if (!accepted) {
        ModalAnswer& answer = m_host.folderAnswer();
        const quint64 ticket = answer.ask();
        m_proxy.openFIW();
        const ModalAnswer::Reply reply = answer.wait(ticket);
        if (reply.code == ModalAnswer::kAbort)
            m_state.requestAbort();
        folder = reply.proposal.path;
        m_proxy.closeFIW();
    }
    m_targetFolder = folder;
    if (aborted())
        return false;
    JournalEntry made;
    made.kind = JournalEntry::Kind::MakeFolder;
    made.to = folder;
    if (!journalStep(made))
        return false;
    if (m_fileSystem.mkdir(folder, 0777)) {
        m_proxy.showAlertPanel(text("AlertPanelFolderCreateError"));
        m_state.requestAbort();
        return false;
    }
    m_createdFolder = folder;
    return true;
}

QList<ListedFile> RenameRun::buildBatch()
{
    FolderExpander expander(m_fileSystem);
    expander.setOwnPaths(ownPaths());
    QStringList dropped;
    for (qsizetype n = m_host.toOpenCount(); n > 0; --n) {
        const std::optional<QString> entry = m_host.takeFirstToOpen();
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
    m_pairs = m_snapshot.settings.namePairsTogether ? PairIndex(batch) : PairIndex();
    m_journal.setDroppedPaths(dropped);
    m_proxy.setNIWInfo(QString());
    m_proxy.setNIWDoubleValue(0);
    m_proxy.setNIWMaxValue(static_cast<double>(batch.size()));
    if (m_copying)
        m_copyProgress.start(m_fileSystem, batch);
    return batch;
}

void RenameRun::anchorFolder(const QString& folder)
{
    if (FolderAnchors* anchors = FolderAnchors::current(); anchors && !folder.isEmpty())
        anchors->anchor(folder);
}

void RenameRun::processBatch(const QList<ListedFile>& batch)
{
    for (int i = 0; i < batch.size() && !aborted(); ++i)
        processFile(batch.at(i), i);
    m_proxy.closeCIW();
}

// A file the walk saw as a plain regular file is opened straight away: the
// descriptor tells what it is now, and the file is read through it, so one
// open stands for a look by path and another open. Anything else (a link,
// a path dropped as it is, a file that could not be opened) is looked at by
// path first, so that a device is never opened.
std::error_code RenameRun::lookAt(const ListedFile& file, FileStatus& status, FileSource& opened)
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
            return {};
        }
    }
    return m_fileSystem.status(file.path, status, FileSystem::Links::Follow);
}

void RenameRun::processFile(const ListedFile& file, int index)
{
    const QString& path = file.path;
    const QString name = PathNames::lastComponent(path);
    m_proxy.setNIWInfo(m_copying ? name + QStringLiteral("  ") + m_copyProgress.text(index + 1) : name);
    m_proxy.setNIWDoubleValue(index + 1);
    if (m_movedAlong.contains(path) || (m_dryRun && !m_fileSystem.exists(path)))
        return; // moved already, as a companion of an earlier file
    if (m_companions.isHeldBack(path))
        return; // goes with its file, at that file's turn
    if (const QString reason = nameSkipReason(path); !reason.isEmpty()) {
        FileWork work;
        work.path = path;
        report(work, FileReport::Action::Skipped, reason);
        return; // before the delete rules: a card's own files are never deleted either
    }
    FileStatus status;
    FileSource opened; // not a std::optional: GCC clears an optional's whole storage
    const std::error_code error = lookAt(file, status, opened);
    if (error == std::errc::no_such_file_or_directory && !m_fileSystem.exists(path))
        return; // gone since the folder was read
    if (applyDeleteRules(path, !error ? &status : nullptr, !error && isRegularItself(file, status)))
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
    if (const QString reason = contentSkipReason(path, opened); !reason.isEmpty()) {
        FileWork work;
        work.path = path;
        report(work, FileReport::Action::Skipped, reason);
        return;
    }
    NameGenerator& style = m_snapshot.fileStyle;
    FileWork work;
    work.path = path;
    work.status = status;
    work.statusIsOwn = opened.isOpen(); // not a link's target
    const qsizetype slash = path.lastIndexOf(u'/');
    if (m_downloadOption == DownloadOption::InPlace && (slash <= 0 || QStringView(path).first(slash) != m_targetFolder))
        m_targetFolder = PathNames::folderOf(path);
    findDate(work, style, opened.isOpen() ? &opened : nullptr);
    opened.close();
    if (m_dayFolders && !chooseDayFolder(work))
        return;
    if (m_pairs.hasPartners(path) && nameAsGroup(work, style))
        return;
    makeTarget(work, style);
    if (work.unchanged) {
        report(work, FileReport::Action::Unchanged);
        return;
    }
    if (!confirm(work))
        return;
    if (aborted())
        return;
    moveWithCompanions(work);
}

// The report's reasons are for programs as well: they stay in English.
QString RenameRun::nameSkipReason(const QString& path)
{
    return CardSystemFiles::isSystemFile(path) ? QStringLiteral("camera card system file") : QString();
}

QString RenameRun::contentSkipReason(const QString& path, const FileSource& opened) const
{
    if (!m_snapshot.settings.onlyPhotosAndMovies)
        return {};
    // A link is read through its path, as the date reader reads it.
    const auto byPath = opened.isOpen() ? nullptr : std::make_unique<FileSource>(path);
    return MediaKind::isMedia(byPath ? *byPath : opened) ? QString() : QStringLiteral("not a photo or movie");
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
    return !m_fileSystem.status(file.path, own, FileSystem::Links::Keep) && own.isRegularFile();
}

// The program's own files and folders, which no walk takes: its settings,
// its journals, and the home trash that deleted files go to.
QStringList RenameRun::ownPaths() const
{
    QStringList paths;
    const QString& settings = m_snapshot.settingsPath;
    const QString& journals = m_snapshot.journalFolder;
    paths << settings << journals << TrashCan::homeTrash();
    for (const QString& folder : {PathNames::folderOf(settings), PathNames::folderOf(journals)}) {
        if (PathNames::lastComponent(folder) == u"lumenscribe")
            paths << folder;
    }
    return paths;
}

bool RenameRun::applyDeleteRules(const QString& path, const FileStatus* status, bool regular)
{
    const Settings::Values& settings = m_snapshot.settings;
    // Only regular files are deleted: never a device, a pipe, a socket or a
    // link, whatever its name or its size of 0 says. Copying off a card
    // leaves everything on it as it was.
    if (settings.deleteRule() == DeleteRule::None || !regular || m_copying)
        return false;
    const std::optional<qint64> size = status ? std::optional(status->size) : std::nullopt;
    if (!DeleteRules::shouldDelete(settings.deleteRule(), PathNames::lastComponent(path), settings.deleteFilesPatterns,
                                   size, settings.deleteFilesSmallerThankB))
        return false;
    FileWork work;
    work.path = path;
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
    FileSystem& fileSystem = m_fileSystem;
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Trash;
    entry.from = path;
    if (status)
        entry.identity = JournalEntry::Identity::of(*status);
    if (!journalStep(entry))
        return false;
    QString trashed;
    std::error_code error = fileSystem.moveToTrash(path, trashed);
    if (!error) {
        entry.kind = JournalEntry::Kind::Trashed;
        entry.to = trashed;
        journalStep(entry);
        return true;
    }
    if (error == std::errc::not_supported) {
        error = fileSystem.unlink(path);
        if (!error) {
            entry.kind = JournalEntry::Kind::Removed;
            journalStep(entry);
            return true;
        }
    }
    // A trash that is not the user's own is refused by name; anything else
    // by the system's own words.
    const QString reason = error == TrashError::NotOwnTrash ? text("AlertPanelTrashNotOwn")
                                                            : QString::fromLocal8Bit(error.message().c_str());
    *alert = LocalizedStrings::shared().format(QStringLiteral("AlertPanelFileDeleteError"), {path}) +
             QStringLiteral(" (") + reason + u')';
    fileAlert(*alert);
    return false;
}

bool RenameRun::journalStep(const JournalEntry& entry)
{
    if (m_dryRun || m_journal.record(entry))
        return true;
    if (m_state.abortOnce()) {
        m_proxy.showAlertPanel(
            LocalizedStrings::shared().format(QStringLiteral("AlertPanelJournalError"), {m_journal.error()}));
    }
    return false;
}

void RenameRun::findDate(FileWork& work, NameGenerator& style, const FileSource* opened)
{
    readDate(work, style, opened);
    // One step for every file that is still there and not deleted, whatever
    // becomes of it, so that numbers match the files the user sees.
    style.setSeqCounter(m_snapshot.settings.fileSeqCounter);
    m_host.fileNumbered(m_snapshot.settings.fileSeqCounter++);
}

void RenameRun::readDate(FileWork& work, const NameGenerator& style, const FileSource* opened)
{
    const auto dateSource = static_cast<DateSource>(style.dateSource());
    if (dateSource != DateSource::FileDateOnly) {
        // processFile has just found a regular file at the path.
        const auto mayExistHere = [this](const QString& candidate) { return mayExist(candidate); };
        const QSet<QString>* beside = companionNamesBeside(work.path);
        const bool alone = beside && beside->isEmpty(); // no thumbnail can be there
        const bool model = m_shifts.needsModel();
        const CaptureDateFinder::Result found =
            opened && alone ? CaptureDateFinder::fromFile(*opened, model)
            : opened        ? CaptureDateFinder::find(work.path, mayExistHere, *opened, model)
                            : CaptureDateFinder::find(work.path, mayExistHere, NativePath::Look::AlreadyDone, model);
        if (found.date) {
            // A day alone has no hour that a zone could move.
            const Instant named = found.timeUnknown
                                      ? *found.date
                                      : m_nameZone.apply(*found.date, found.storedAsInstant, found.utcOffsetMinutes);
            // The camera's clock is corrected; the file time below is not
            // the camera's and stays as it is.
            work.shift = m_shifts.secondsFor(found.model);
            work.date = named + Instant(work.shift);
            work.dateSource = found.source;
            work.companion = found.companion;
            work.timeUnknown = found.timeUnknown;
            work.subSeconds = found.subSeconds;
        }
    }
    if (!work.date && dateSource != DateSource::MetadataOnly) {
        // The file system's date is a moment, as a movie header's is.
        if (const OptionalInstant created = NameGenerator::fileCreationDateForFile(work.path, m_fileSystem)) {
            work.date = m_nameZone.apply(*created, true, std::nullopt);
            work.dateSource = QStringLiteral("creation-date");
        }
    }
}

void RenameRun::makeTarget(FileWork& work, NameGenerator& style, NameProbe* probe)
{
    style.setSubSeconds(work.subSeconds);
    if (!work.date) {
        work.needsConfirmation = true;
        return;
    }
    const Instant corrected = m_host.correctDate(*work.date);
    QString name;
    {
        // The file's own path is not a clash: run again, and it keeps its name.
        OwnPathFree own(m_fileSystem, work.path);
        style.setNameProbe(probe ? probe : &own);
        name = style.makeNewFileNameForFile(work.path, m_targetFolder, corrected);
        style.setNameProbe(&m_fileSystem);
    }
    work.target = PathNames::join(m_targetFolder, name);
    if (work.target == work.path && style.lastNameWasFree()) {
        work.unchanged = true;
        return;
    }
    const unsigned flags = m_snapshot.nameCheckFlags();
    work.checkResult = style.lastNameWasFree() ? NameCheck::checkFree(name, m_targetFolder, flags)
                                               : NameCheck::check(name, m_targetFolder, flags, m_fileSystem);
    work.needsConfirmation = work.checkResult != NameCheck::Ok;
}

// Answers whether the file is to be renamed, to work.target.
bool RenameRun::confirm(FileWork& work)
{
    const bool show = work.needsConfirmation || asksEachFile();
    if (!show)
        return true;
    if (m_dryRun) {
        report(work, FileReport::Action::NeedsConfirmation, work.date ? QString() : QStringLiteral("no date"));
        return false;
    }
    // A file without a date is shown with this moment; named with it, it
    // keeps it as its date, not the later moment of the answer.
    const Instant shown = work.date.value_or(now());
    if (askFile(work, shown)) {
        if (!work.date)
            work.date = shown;
        return true;
    }
    report(work, work.needsConfirmation ? FileReport::Action::NeedsConfirmation : FileReport::Action::Skipped);
    return false;
}

bool RenameRun::asksEachFile() const
{
    return !m_state.renameAll() &&
           (m_snapshot.settings.confirmEachFile || m_snapshot.settings.prefixSuffix() == PrefixSuffixType::Ask);
}

// The answer belongs to this question alone, and so do the path and the
// prefix and suffix that come with it; the latter hold for later files.
bool RenameRun::askFile(FileWork& work, Instant shown)
{
    ModalAnswer& answer = m_host.fileAnswer();
    const quint64 ticket = answer.ask();
    m_proxy.openCIW();
    m_proxy.ciwSubSeconds(work.subSeconds);
    m_proxy.ciwWithFile(work.path, m_targetFolder, shown);
    const ModalAnswer::Reply reply = answer.wait(ticket);
    const auto code = static_cast<FileAnswer>(reply.code);
    work.target = reply.proposal.path;
    if (code == FileAnswer::Abort) {
        m_state.requestAbort();
    } else {
        m_snapshot.fileStyle.setPrefix(reply.proposal.prefix);
        m_snapshot.fileStyle.setSuffix(reply.proposal.suffix);
    }
    if (code == FileAnswer::RenameAll)
        m_state.setRenameAll();
    if (!m_snapshot.settings.confirmEachFile || m_state.renameAll())
        m_proxy.closeCIW();
    return code == FileAnswer::Rename || code == FileAnswer::RenameAll;
}

void RenameRun::moveWithCompanions(FileWork& work)
{
    OptionalInstant creationDate;
    if (m_snapshot.settings.changeCreationDate && work.date)
        creationDate = m_host.correctDate(*work.date);
    QString alert;
    QStringList madeFolders;
    if (m_dayFolders && !makeDayFolder(work, madeFolders, &alert)) {
        report(work, FileReport::Action::Failed, alert);
        return;
    }
    const bool moved = move(work.path, work.target, creationDate, &alert, work.statusIsOwn ? &work.status : nullptr);
    // Companions stay with their file: a movie whose move failed keeps the
    // thumbnail that holds its date, so that a second try finds it.
    if (moved)
        moveCompanions(work, creationDate);
    moveMembers(work, creationDate);
    if (!moved && m_dayFolders && !m_dryRun)
        m_dayFolders->removeEmpty(madeFolders);
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
        if (m_movedAlong.contains(companion) || !m_fileSystem.exists(companion))
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
    JournalEntry entry;
    entry.kind = m_copying ? JournalEntry::Kind::Copy : JournalEntry::Kind::Move;
    entry.from = source;
    entry.to = target;
    // Which file this is, so that undo takes back this file and no other.
    FileStatus status;
    if (known)
        status = *known;
    if (known || !m_fileSystem.status(source, status)) {
        entry.identity = JournalEntry::Identity::of(status);
        entry.size = status.size;
    }
    if (!journalStep(entry))
        return false;
    FileMover mover(m_fileSystem);
    const MoveOptions options{m_snapshot.settings.fileCreatorIDChange, m_snapshot.settings.fileCreatorID};
    const MoveOutcome outcome = m_copying ? mover.copyFile(source, target, creationDate, options)
                                          : mover.moveFile(source, target, creationDate, options);
    const bool moved = outcome.moved();
    if (moved)
        m_processed.append(target);
    if (moved && m_copying)
        m_copyProgress.copied(entry.size);
    // A copy to another disk, or a new date, changes what the file looks
    // like; a rename within its folder keeps device, inode and times.
    const bool keptItsIdentity =
        !m_copying && !creationDate && PathNames::folderOf(source) == PathNames::folderOf(target);
    if (moved && !keptItsIdentity && !m_fileSystem.status(target, status)) {
        entry.kind = m_copying ? JournalEntry::Kind::Copied : JournalEntry::Kind::Moved;
        entry.identity = JournalEntry::Identity::of(status);
        journalStep(entry);
    }
    for (const QString& message : MoveReport::alerts(outcome, source, target)) {
        fileAlert(message);
        *alert += alert->isEmpty() ? message : u' ' + message;
    }
    return moved;
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
        if (m_fileSystem.listFolder(folder, names))
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
    r.shiftSeconds = work.shift;
    r.action = action;
    r.copied = m_copying && action == FileReport::Action::Renamed;
    r.message = message;
    r.companions = work.companions;
    r.members = work.members;
    m_observer->fileDone(r);
}

void RenameRun::endRun()
{
    const bool wasAborted = aborted();
    if (!m_state.terminationRequested()) {
        if (wasAborted) {
            m_proxy.setNIWInfo(text("NormalInfoRenamingAborted"));
            m_proxy.setNIWDoubleValue(0);
        } else {
            m_proxy.setNIWInfo(text("NormalInfoRenamingDone"));
        }
        m_proxy.refreshCounters();
        const QString& application = m_snapshot.settings.openFilesApplication;
        if (!m_dryRun && m_snapshot.settings.openFilesAfterRenaming && !application.isEmpty()) {
            if (ApplicationLauncher launcher(application); !launcher.open(m_processed))
                m_proxy.showAlertPanel(LocalizedStrings::shared().format(
                    QStringLiteral("AlertPanelOpenApplicationError"), {application, launcher.error()}));
        }
        m_proxy.makeInfoWindowCloseTimer();
    }
    if (!m_createdFolder.isEmpty() && m_processed.isEmpty())
        m_fileSystem.rmdir(m_createdFolder);
    m_journal.finish();
    if (m_observer)
        m_observer->runEnded(wasAborted);
    m_state.ended();
}

} // namespace lumenscribe
