// The application's controller: every setting with its guarded setter, the
// queue of paths to rename, the run state, the two style collections and the
// two window controllers; it starts the rename run on its worker thread and
// saves the settings when the application ends.
//
// Settings are written on the front end's thread and read by the run on its
// worker thread: Settings keeps them under its own lock.
#pragma once

#include "controllers/CIWController.h"
#include "controllers/FIWController.h"
#include "naming/FNGenerators.h"
#include "run/RunHost.h"
#include "run/RunSnapshot.h"
#include "run/RunState.h"
#include "settings/PreferencesStore.h"
#include "settings/Settings.h"

#include <QStringList>
#include <QVariantMap>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace lumenscribe {

class FileSystem;
class RunLock;
class RunObserver;
class StatusBridge;
class StatusProxy;

class MainController : public RunHost
{
public:
    explicit MainController(PreferencesStore store = PreferencesStore());
    ~MainController() override;
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    // --- the front end's wiring ---
    // The proxy the run reports through; with a bridge, the run's calls
    // travel through it and termination keeps serving it while it waits.
    void setStatusProxy(StatusProxy* proxy) { m_statusProxy = proxy; }
    void setStatusBridge(StatusBridge* bridge) { m_statusBridge = bridge; }
    void setRunObserver(RunObserver* observer) { m_runObserver = observer; }
    RunObserver* runObserver() const { return m_runObserver; }
    // The file system the run works on; tests put a failing one here.
    void setFileSystem(FileSystem* fileSystem) { m_fileSystem = fileSystem; }
    FileSystem& fileSystem() const { return *m_fileSystem; }
    // Where the journals of the runs are kept.
    void setJournalFolder(const QString& folder) { m_journalFolder = folder; }
    const QString& journalFolder() const { return m_journalFolder; }
    // Where the lock that keeps to one run or undo at a time lives. Empty
    // (the default): the run takes none, as its starter holds it already.
    void setRunLockPath(const QString& path) { m_runLockPath = path; }
    const QString& runLockPath() const { return m_runLockPath; }
    // Plan only: dates and names as the run would make them, nothing touched.
    void setDryRun(bool value) { m_dryRun = value; }
    bool dryRun() const { return m_dryRun; }
    // As if the user answered rename-all before the first file.
    void setRenameAllAtStart(bool value) { m_renameAllAtStart = value; }
    bool renameAllAtStart() const { return m_renameAllAtStart; }

    CIWController& ciwController() { return m_ciwController; }
    FIWController& fiwController() { return m_fiwController; }
    FNGenerators& fileNameGenerators() { return m_fileNameGenerators; }
    FNGenerators& folderNameGenerators() { return m_folderNameGenerators; }
    NameGenerator* fileNameGenerator() { return m_fileNameGenerators.currentGenerator(); }
    NameGenerator* folderNameGenerator() { return m_folderNameGenerators.currentGenerator(); }

    // --- entry points (front end's thread) ---
    void applicationOpenFiles(const QStringList& paths);
    bool applicationOpenFile(const QString& path);
    void processFileList();
    // Blocks until the run under way, if any, has ended.
    void waitForRun();
    void applicationDidFinishLaunching();
    void applicationShouldTerminate();
    void initApplication();
    int startMode() const { return m_startMode; }
    bool needsDonationInfo() const { return m_needsDonationInfo; }

    // --- the run ---
    // Stops the run under way after the file in hand.
    void requestAbort() { m_runState.requestAbort(); }
    bool isRunning() const { return m_runState.isRunning(); }
    bool abortRequested() const { return m_runState.abortRequested(); }
    const RunState& runState() const { return m_runState; }
    // The settings and styles a run would go by if it started now.
    RunSnapshot makeRunSnapshot() const;
    // What the windows go by: the snapshot of the run under way, or, with
    // none under way, the settings as they are now.
    RunSnapshot windowSnapshot() const;
    // The numbers of the file and the dated folder the run has in hand.
    int fileNumberInHand() const { return m_fileNumberInHand.load(); }
    int folderNumberInHand() const { return m_folderNumberInHand.load(); }
    // Hands the counters to the style collections; the run calls it through
    // the front end when it ends.
    void refreshCounters();

    // --- the run's side (worker thread) ---
    std::optional<QString> takeFirstToOpen() override;
    qsizetype toOpenCount() const override;
    ModalAnswer& fileAnswer() override;
    ModalAnswer& folderAnswer() override;
    Instant correctDate(Instant date) const override;
    void fileNumbered(int number) override;
    void folderNumbered(int number) override;

    // --- settings ---
    QVariantMap preferencesDictionary() const;
    void loadPreferencesFromDictionary(const QVariantMap& values);
    // The application's own keys only (the style collections stay as they
    // are), each through its setter.
    void applySettings(const QVariantMap& values);
    // The two windows' own persisted choices.
    void loadWindowPreferences(const QVariantMap& values);
    // Loads from the store; a problem with the file is kept for the front end.
    void loadPreferences();
    // Saves the settings changed since they were loaded into the file as it
    // is now, so a change another process saved meanwhile stays.
    bool savePreferences(QString* error = nullptr) const;
    const QString& preferencesProblem() const { return m_preferencesProblem; }
    const PreferencesStore& preferencesStore() const { return m_store; }

    // Every setting lives in settings(); the getters and setters below are
    // the names the rest of the application knows them by. A setter handed
    // an accepted value has its effects even when the value is already held,
    // as the style collections may have been rebuilt since.
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }

    int namingStyle() const { return m_settings.namingStyle(); }
    void setNamingStyle(int value) { taken(SettingKey::NamingStyle, m_settings.setNamingStyle(value)); }
    int prefixSuffixType() const { return m_settings.prefixSuffixType(); }
    void setPrefixSuffixType(int value) { taken(SettingKey::PrefixSuffixType, m_settings.setPrefixSuffixType(value)); }
    QString prefixString() const { return m_settings.prefixString(); }
    void setPrefixString(const QString& value) { taken(SettingKey::PrefixString, m_settings.setPrefixString(value)); }
    QString suffixString() const { return m_settings.suffixString(); }
    void setSuffixString(const QString& value) { taken(SettingKey::SuffixString, m_settings.setSuffixString(value)); }
    int downloadOptions() const { return m_settings.downloadOptions(); }
    void setDownloadOptions(int value) { taken(SettingKey::DownloadOptions, m_settings.setDownloadOptions(value)); }
    QString downloadDestinationFolder() const { return m_settings.downloadDestinationFolder(); }
    void setDownloadDestinationFolder(const QString& value) { m_settings.setDownloadDestinationFolder(value); }
    int downloadNamingStyle() const { return m_settings.downloadNamingStyle(); }
    void setDownloadNamingStyle(int value)
    {
        taken(SettingKey::DownloadNamingStyle, m_settings.setDownloadNamingStyle(value));
    }
    int downloadPrefixSuffixType() const { return m_settings.downloadPrefixSuffixType(); }
    void setDownloadPrefixSuffixType(int value)
    {
        taken(SettingKey::DownloadPrefixSuffixType, m_settings.setDownloadPrefixSuffixType(value));
    }
    bool fileCreatorIDChange() const { return m_settings.fileCreatorIDChange(); }
    void setFileCreatorIDChange(bool value) { m_settings.setFileCreatorIDChange(value); }
    quint32 fileCreatorID() const { return m_settings.fileCreatorID(); }
    void setFileCreatorID(quint32 value) { m_settings.setFileCreatorID(value); }
    bool changeCreationDate() const { return m_settings.changeCreationDate(); }
    void setChangeCreationDate(bool value) { m_settings.setChangeCreationDate(value); }
    bool openFilesAfterRenaming() const { return m_settings.openFilesAfterRenaming(); }
    void setOpenFilesAfterRenaming(bool value) { m_settings.setOpenFilesAfterRenaming(value); }
    QString openFilesApplication() const { return m_settings.openFilesApplication(); }
    void setOpenFilesApplication(const QString& value) { m_settings.setOpenFilesApplication(value); }
    int deleteFilesOptions() const { return m_settings.deleteFilesOptions(); }
    void setDeleteFilesOptions(int value) { m_settings.setDeleteFilesOptions(value); }
    QStringList deleteFilesPatterns() const { return m_settings.deleteFilesPatterns(); }
    void setDeleteFilesPatterns(const QStringList& value) { m_settings.setDeleteFilesPatterns(value); }
    int deleteFilesSmallerThankB() const { return m_settings.deleteFilesSmallerThankB(); }
    void setDeleteFilesSmallerThankB(int value) { m_settings.setDeleteFilesSmallerThankB(value); }
    int identicalFileNamesOption() const { return m_settings.identicalFileNamesOption(); }
    void setIdenticalFileNamesOption(int value)
    {
        taken(SettingKey::IdenticalFileNamesOption, m_settings.setIdenticalFileNamesOption(value));
    }
    int fileSeqCounter() const { return m_settings.fileSeqCounter(); }
    void setFileSeqCounter(int value) { taken(SettingKey::FileSeqCounter, m_settings.setFileSeqCounter(value)); }
    int folderSeqCounter() const { return m_settings.folderSeqCounter(); }
    void setFolderSeqCounter(int value) { taken(SettingKey::FolderSeqCounter, m_settings.setFolderSeqCounter(value)); }
    bool showAdvancedOptions() const { return m_settings.showAdvancedOptions(); }
    void setShowAdvancedOptions(bool value) { m_settings.setShowAdvancedOptions(value); }
    bool quitAfterAutoProcessing() const { return m_settings.quitAfterAutoProcessing(); }
    void setQuitAfterAutoProcessing(bool value) { m_settings.setQuitAfterAutoProcessing(value); }
    bool confirmEachFile() const { return m_settings.confirmEachFile(); }
    void setConfirmEachFile(bool value) { m_settings.setConfirmEachFile(value); }
    bool alertOS9NameLength() const { return m_settings.alertOS9NameLength(); }
    void setAlertOS9NameLength(bool value)
    {
        taken(SettingKey::AlertOS9NameLength, m_settings.setAlertOS9NameLength(value));
    }

    bool showNamesFirst() const { return m_settings.showNamesFirst(); }
    void setShowNamesFirst(bool value) { m_settings.setShowNamesFirst(value); }
    QString timeShift() const { return m_settings.timeShift(); }
    void setTimeShift(const QString& value) { m_settings.setTimeShift(value); }
    QStringList timeShiftByModel() const { return m_settings.timeShiftByModel(); }
    void setTimeShiftByModel(const QStringList& value) { m_settings.setTimeShiftByModel(value); }
    QString nameZone() const { return m_settings.nameZone(); }
    void setNameZone(const QString& value) { m_settings.setNameZone(value); }
    bool copyInsteadOfMoving() const { return m_settings.copyInsteadOfMoving(); }
    void setCopyInsteadOfMoving(bool value) { m_settings.setCopyInsteadOfMoving(value); }
    bool namePairsTogether() const { return m_settings.namePairsTogether(); }
    void setNamePairsTogether(bool value) { m_settings.setNamePairsTogether(value); }
    bool onlyPhotosAndMovies() const { return m_settings.onlyPhotosAndMovies(); }
    void setOnlyPhotosAndMovies(bool value) { m_settings.setOnlyPhotosAndMovies(value); }

    void generatorChangedFileName() { notifyWindows(); }

private:
    void notifyWindows();
    void processToOpenFilesList(RunSnapshot snapshot);
    // Another process's run or undo holds the lock: the queued paths are
    // dropped untouched and the person is told.
    void refuseLockedRun(const RunLock& lock);
    // What a change of `key` does besides storing it: select a style, hand
    // the collections their number, refresh the windows.
    void settingChanged(SettingKey key);
    // A value held already has no notice of its own, but the same effects.
    void taken(SettingKey key, Settings::SetResult result)
    {
        if (result == Settings::SetResult::Unchanged)
            settingChanged(key);
    }

    PreferencesStore m_store;
    QString m_preferencesProblem;
    // The settings as loaded; what differs from them is what a save writes.
    mutable QVariantMap m_loadedPreferences;
    StatusProxy* m_statusProxy = nullptr;
    StatusBridge* m_statusBridge = nullptr;
    RunObserver* m_runObserver = nullptr;
    FileSystem* m_fileSystem;
    QString m_journalFolder;
    QString m_runLockPath;
    bool m_dryRun = false;
    bool m_renameAllAtStart = false;

    FNGenerators m_fileNameGenerators{false};
    FNGenerators m_folderNameGenerators{true};
    CIWController m_ciwController{*this};
    FIWController m_fiwController{*this};

    int m_startMode = 0;
    bool m_needsDonationInfo = false;
    bool m_initialized = false;
    mutable std::mutex m_toOpenMutex;
    std::deque<QString> m_toOpenFilesList;
    std::thread m_worker;
    RunState m_runState;
    // The snapshot of the run under way, for the windows; null between runs.
    mutable std::mutex m_snapshotMutex;
    std::shared_ptr<const RunSnapshot> m_runSnapshot;
    std::atomic<int> m_fileNumberInHand{0};
    std::atomic<int> m_folderNumberInHand{0};

    Settings m_settings;
};

} // namespace lumenscribe
