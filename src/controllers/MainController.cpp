#include "controllers/MainController.h"

#include "controllers/StatusBridge.h"
#include "fs/FileMover.h"
#include "journal/JournalStore.h"
#include "platform/ApplicationLauncher.h"
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
    setNamingStyle(m_namingStyle);
    setDownloadNamingStyle(m_downloadNamingStyle);
}

bool MainController::moveFile(const QString& source, const QString& target, StatusProxy& proxy, QStringList& processed,
                              OptionalInstant creationDate)
{
    MoveOptions options;
    options.fileCreatorIDChange = m_fileCreatorIDChange.load();
    options.fileCreatorID = m_fileCreatorID.load();
    FileMover mover(*m_fileSystem);
    return mover.moveFile(source, target, proxy, processed, creationDate, options);
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
