#include "controllers/MainController.h"

#include "controllers/StatusBridge.h"
#include "fs/PlannedFileSystem.h"
#include "journal/JournalStore.h"
#include "journal/RunLock.h"
#include "platform/ApplicationLauncher.h"
#include "run/ModalAnswer.h"
#include "run/RenameRun.h"
#include "run/StatusProxy.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>

namespace lumenscribe {

MainController::MainController(PreferencesStore store)
    : m_store(std::move(store)), m_fileSystem(&FileSystem::real()), m_journalFolder(JournalStore::defaultFolder())
{
    // No context object: the effects follow on the thread that set the value, before the setter returns.
    QObject::connect(&m_settings, &Settings::changed, [this](SettingKey key) { settingChanged(key); });
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
    std::optional<RunLock> lock;
    if (!m_runLockPath.isEmpty() && !snapshot.dryRun) {
        lock.emplace(m_runLockPath);
        if (lock->tryTake() != RunLock::State::Taken) {
            refuseLockedRun(*lock);
            return;
        }
    }
    PlannedFileSystem plan(*m_fileSystem);
    FileSystem& fileSystem = snapshot.dryRun ? plan : *m_fileSystem;
    RenameRun run(std::move(snapshot), *this, m_runState, *proxy, m_runObserver, fileSystem);
    run.run();
}

void MainController::refuseLockedRun(const RunLock& lock)
{
    {
        const std::lock_guard guard(m_toOpenMutex);
        m_toOpenFilesList.clear();
    }
    StatusProxy* proxy = m_statusBridge ? static_cast<StatusProxy*>(m_statusBridge) : m_statusProxy;
    if (!proxy) {
        m_runState.ended();
        return;
    }
    if (lock.holder() > 0)
        //% "Another rename run or undo is going on (process %1). Nothing was renamed; drop the files again when it has ended."
        proxy->showAlertPanel(qtTrId("AlertPanelRunLocked").arg(lock.holder()));
    else
        //% "The lock that keeps to one run at a time could not be taken (%1). Nothing was renamed."
        proxy->showAlertPanel(qtTrId("AlertPanelRunLockFailed").arg(lock.error()));
    proxy->makeInfoWindowCloseTimer();
    m_runState.ended();
}

RunSnapshot MainController::makeRunSnapshot() const
{
    RunSnapshot snapshot;
    snapshot.settings = m_settings.values();
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

// The stored counters move on one by one, without a change notice: the
// collections are the front end's and get the numbers at the run's end.
void MainController::fileNumbered(int number)
{
    m_fileNumberInHand.store(number);
    m_settings.advanceFileSeqCounter();
}

void MainController::folderNumbered(int number)
{
    m_folderNumberInHand.store(number);
    m_settings.advanceFolderSeqCounter();
}

void MainController::refreshCounters()
{
    m_fileNameGenerators.setSeqCounter(fileSeqCounter());
    m_folderNameGenerators.setSeqCounter(folderSeqCounter());
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

void MainController::applicationDidFinishLaunching()
{
    if (m_startMode == 0)
        m_startMode = 1;
    initApplication();
}

void MainController::initApplication()
{
    // A start to open files arrives here twice; the second load would swap
    // the style collections under a run that is using them.
    if (m_initialized)
        return;
    m_initialized = true;
    loadPreferences();
    setNamingStyle(namingStyle());
    setDownloadNamingStyle(downloadNamingStyle());
}

} // namespace lumenscribe
