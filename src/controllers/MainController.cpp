#include "controllers/MainController.h"

#include "controllers/StatusBridge.h"
#include "journal/JournalStore.h"
#include "platform/ApplicationLauncher.h"
#include "run/ModalAnswer.h"
#include "run/RenameRun.h"
#include "run/StatusProxy.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>

namespace lumenscribe {

MainController::MainController(PreferencesStore store)
    : m_store(std::move(store)), m_fileSystem(&FileSystem::real()), m_journalFolder(JournalStore::defaultFolder()),
      m_downloadDestinationFolder(QDir::homePath() + QStringLiteral("/Desktop"))
{
}

MainController::~MainController()
{
    if (m_worker.joinable()) {
        m_runState.requestTermination();
        m_ciwController.terminateNow();
        m_fiwController.terminateNow();
        waitForRun();
        if (m_statusBridge)
            m_statusBridge->shutdown();
    }
}

void MainController::applicationOpenFiles(const QStringList& paths)
{
    if (m_startMode == 0) {
        m_startMode = 2;
        initApplication();
    }
    {
        const std::lock_guard lock(m_toOpenMutex);
        m_toOpenFilesList.insert(m_toOpenFilesList.end(), paths.begin(), paths.end());
    }
    processFileList();
}

bool MainController::applicationOpenFile(const QString& path)
{
    applicationOpenFiles(QStringList{path});
    return true;
}

std::optional<QString> MainController::takeFirstToOpen()
{
    const std::lock_guard lock(m_toOpenMutex);
    if (m_toOpenFilesList.empty())
        return std::nullopt;
    QString first = std::move(m_toOpenFilesList.front());
    m_toOpenFilesList.pop_front();
    return first;
}

qsizetype MainController::toOpenCount() const
{
    const std::lock_guard lock(m_toOpenMutex);
    return static_cast<qsizetype>(m_toOpenFilesList.size());
}

// On the front end's thread: the snapshot is taken here, where the settings
// and styles are changed, so the run never reads them while they change.
void MainController::processFileList()
{
    if (m_runState.isRunning() || toOpenCount() == 0)
        return;
    if (m_statusProxy) {
        m_statusProxy->setNIWDoubleValue(0);
        m_statusProxy->setNIWInfo(QString());
    }
    if (m_worker.joinable())
        m_worker.join();
    RunSnapshot snapshot = makeRunSnapshot();
    {
        const std::lock_guard lock(m_snapshotMutex);
        m_runSnapshot = std::make_shared<const RunSnapshot>(snapshot);
    }
    m_runState.started(snapshot.renameAllAtStart || snapshot.dryRun);
    m_worker = std::thread([this, run = std::move(snapshot)]() mutable { processToOpenFilesList(std::move(run)); });
}

void MainController::processToOpenFilesList(RunSnapshot snapshot)
{
    StatusProxy* proxy = m_statusBridge ? static_cast<StatusProxy*>(m_statusBridge) : m_statusProxy;
    RenameRun run(std::move(snapshot), *this, m_runState, *proxy, m_runObserver, *m_fileSystem);
    run.run();
}

RunSnapshot MainController::makeRunSnapshot() const
{
    RunSnapshot snapshot;
    snapshot.downloadOptions = m_downloadOptions;
    snapshot.downloadDestinationFolder = downloadDestinationFolder();
    snapshot.downloadPrefixSuffixType = m_downloadPrefixSuffixType;
    snapshot.prefixSuffixType = m_prefixSuffixType;
    snapshot.prefixString = prefixString();
    snapshot.suffixString = suffixString();
    snapshot.identicalFileNamesOption = m_identicalFileNamesOption;
    snapshot.alertOS9NameLength = m_alertOS9NameLength;
    snapshot.confirmEachFile = m_confirmEachFile;
    snapshot.deleteFilesOptions = m_deleteFilesOptions;
    snapshot.deleteFilesPatterns = deleteFilesPatterns();
    snapshot.deleteFilesSmallerThankB = m_deleteFilesSmallerThankB;
    snapshot.changeCreationDate = m_changeCreationDate;
    snapshot.fileCreatorIDChange = m_fileCreatorIDChange;
    snapshot.fileCreatorID = m_fileCreatorID;
    snapshot.openFilesAfterRenaming = m_openFilesAfterRenaming;
    snapshot.openFilesApplication = openFilesApplication();
    snapshot.fileSeqCounter = m_fileSeqCounter;
    snapshot.folderSeqCounter = m_folderSeqCounter;
    if (const NameGenerator* style = m_fileNameGenerators.currentGenerator())
        snapshot.fileStyle = *style;
    if (const NameGenerator* style = m_folderNameGenerators.currentGenerator())
        snapshot.folderStyle = *style;
    m_ciwController.applyPrefixSuffix(snapshot.fileStyle, snapshot);
    snapshot.settingsPath = m_store.path();
    snapshot.journalFolder = m_journalFolder;
    snapshot.dryRun = m_dryRun;
    snapshot.renameAllAtStart = m_renameAllAtStart;
    return snapshot;
}

RunSnapshot MainController::windowSnapshot() const
{
    {
        const std::lock_guard lock(m_snapshotMutex);
        if (m_runSnapshot && m_runState.isRunning())
            return *m_runSnapshot;
    }
    return makeRunSnapshot();
}

ModalAnswer& MainController::fileAnswer()
{
    return m_ciwController.modalAnswer();
}

ModalAnswer& MainController::folderAnswer()
{
    return m_fiwController.modalAnswer();
}

Instant MainController::correctDate(Instant date) const
{
    return m_ciwController.correctDate(date);
}

void MainController::fileNumbered(int number)
{
    m_fileNumberInHand.store(number);
    m_fileSeqCounter.store(number + 1);
}

void MainController::folderNumbered(int number)
{
    m_folderNumberInHand.store(number);
    m_folderSeqCounter.store(number + 1);
}

void MainController::refreshCounters()
{
    m_fileNameGenerators.setSeqCounter(m_fileSeqCounter);
    m_folderNameGenerators.setSeqCounter(m_folderSeqCounter);
}

// With a bridge the run may be inside a call to this thread: the wait keeps
// carrying those calls out instead of blocking on the worker.
void MainController::waitForRun()
{
    if (m_statusBridge)
        m_statusBridge->serveUntil([this] { return !m_runState.isRunning(); });
    if (m_worker.joinable())
        m_worker.join();
}

void MainController::applicationShouldTerminate()
{
    if (m_runState.isRunning()) {
        m_runState.requestTermination();
        m_ciwController.terminateNow();
        m_fiwController.terminateNow();
    }
    waitForRun();
    // No window is left to show it in; the old file is kept whole.
    QString error;
    if (!savePreferences(&error))
        qWarning("lumenscribe: the settings could not be saved: %s", qPrintable(error));
}

void MainController::initApplication()
{
    // A start to open files arrives here twice; the second load would swap
    // the style collections under a run that is using them.
    if (m_initialized)
        return;
    m_initialized = true;
    loadPreferences();
    setNamingStyle(m_namingStyle);
    setDownloadNamingStyle(m_downloadNamingStyle);
}

void MainController::notifyWindows()
{
    m_ciwController.mainControllerChangedSettings();
    m_fiwController.mainControllerChangedSettings();
}

void MainController::setNamingStyle(int value)
{
    m_namingStyle = value;
    m_fileNameGenerators.selectGeneratorAtIndex(value);
    m_ciwController.mainControllerChangedSettings();
}

void MainController::setPrefixSuffixType(int value)
{
    if (static_cast<unsigned>(value) <= 4) {
        m_prefixSuffixType = value;
        m_ciwController.mainControllerChangedSettings();
    }
}

QString MainController::prefixString() const
{
    const std::lock_guard lock(m_textMutex);
    return m_prefixString;
}

void MainController::setPrefixString(const QString& value)
{
    {
        const std::lock_guard lock(m_textMutex);
        m_prefixString = value;
    }
    notifyWindows();
}

QString MainController::suffixString() const
{
    const std::lock_guard lock(m_textMutex);
    return m_suffixString;
}

void MainController::setSuffixString(const QString& value)
{
    {
        const std::lock_guard lock(m_textMutex);
        m_suffixString = value;
    }
    notifyWindows();
}

void MainController::setDownloadOptions(int value)
{
    if (value >= 0 && value <= 2) {
        m_downloadOptions = value;
        notifyWindows();
    }
}

QString MainController::downloadDestinationFolder() const
{
    const std::lock_guard lock(m_textMutex);
    return m_downloadDestinationFolder;
}

void MainController::setDownloadDestinationFolder(const QString& value)
{
    const std::lock_guard lock(m_textMutex);
    m_downloadDestinationFolder = value;
}

void MainController::setDownloadNamingStyle(int value)
{
    m_downloadNamingStyle = value;
    m_folderNameGenerators.selectGeneratorAtIndex(value);
}

void MainController::setDownloadPrefixSuffixType(int value)
{
    if (static_cast<unsigned>(value) <= 4) {
        m_downloadPrefixSuffixType = value;
        m_fiwController.mainControllerChangedSettings();
    }
}

QString MainController::openFilesApplication() const
{
    const std::lock_guard lock(m_textMutex);
    return m_openFilesApplication;
}

void MainController::setOpenFilesApplication(const QString& value)
{
    const bool present = !value.isEmpty() && ApplicationLauncher::isKnown(value);
    const std::lock_guard lock(m_textMutex);
    m_openFilesApplication = present ? value : QString();
}

QStringList MainController::deleteFilesPatterns() const
{
    const std::lock_guard lock(m_textMutex);
    return m_deleteFilesPatterns;
}

void MainController::setDeleteFilesPatterns(const QStringList& value)
{
    const std::lock_guard lock(m_textMutex);
    m_deleteFilesPatterns = value;
}

void MainController::setDeleteFilesSmallerThankB(int value)
{
    if (value >= 0)
        m_deleteFilesSmallerThankB = value;
}

void MainController::setIdenticalFileNamesOption(int value)
{
    if (value == 0 || value == 1) {
        m_identicalFileNamesOption = value;
        m_fileNameGenerators.setIdenticalFileNamesOption(value);
        m_folderNameGenerators.setIdenticalFileNamesOption(value);
        m_ciwController.mainControllerChangedSettings();
    }
}

void MainController::setFileSeqCounter(int value)
{
    m_fileSeqCounter = value;
    m_fileNameGenerators.setSeqCounter(value);
}

void MainController::setFolderSeqCounter(int value)
{
    m_folderSeqCounter = value;
    m_folderNameGenerators.setSeqCounter(value);
}

void MainController::setAlertOS9NameLength(bool value)
{
    m_alertOS9NameLength = value;
    notifyWindows();
}

} // namespace lumenscribe
