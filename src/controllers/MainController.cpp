#include "controllers/MainController.h"

#include "controllers/StatusBridge.h"
#include "fs/FileMover.h"
#include "journal/JournalStore.h"
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
        abortOperation.store(true);
        m_ciwController.terminateNow();
        m_fiwController.terminateNow();
        terminateImmediately.store(true);
        if (m_statusBridge)
            m_statusBridge->shutdown();
        m_worker.join();
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

void MainController::processFileList()
{
    if (threadCreated.load() || toOpenCount() == 0)
        return;
    if (m_statusProxy) {
        m_statusProxy->setNIWDoubleValue(0);
        m_statusProxy->setNIWInfo(QString());
    }
    abortOperation.store(false);
    threadCreated.store(true);
    if (m_worker.joinable())
        m_worker.join();
    m_worker = std::thread([this] { processToOpenFilesList(); });
}

void MainController::processToOpenFilesList()
{
    StatusProxy* proxy = m_statusBridge ? static_cast<StatusProxy*>(m_statusBridge) : m_statusProxy;
    RenameRun run(*this, *proxy);
    run.run();
}

void MainController::waitForRun()
{
    if (!m_statusBridge) {
        if (m_worker.joinable())
            m_worker.join();
        return;
    }
    while (threadCreated.load()) {
        if (m_statusBridge)
            m_statusBridge->serve(std::chrono::milliseconds(100));
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (m_statusBridge)
        m_statusBridge->serve(std::chrono::milliseconds(0));
    if (m_worker.joinable())
        m_worker.join();
}

// The run may be inside a call to this thread while we wait for it, so the
// wait keeps carrying those calls out instead of only sleeping.
void MainController::applicationShouldTerminate()
{
    if (threadCreated.load()) {
        m_ciwController.terminateNow();
        m_fiwController.terminateNow();
        terminateImmediately.store(true);
        abortOperation.store(true);
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
    setNamingStyle(namingStyle());
    setDownloadNamingStyle(downloadNamingStyle());
}

bool MainController::moveFile(const QString& source, const QString& target, StatusProxy& proxy, QStringList& processed,
                              OptionalInstant creationDate)
{
    MoveOptions options;
    options.fileCreatorIDChange = m_settings.fileCreatorIDChange();
    options.fileCreatorID = m_settings.fileCreatorID();
    FileMover mover(*m_fileSystem);
    return mover.moveFile(source, target, proxy, processed, creationDate, options);
}

} // namespace lumenscribe
