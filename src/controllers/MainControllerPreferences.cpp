// Loading and saving the application's settings. Loaded values go through
// the same guarded setters as values the user sets, so a stored value out of
// range leaves the setting as it was.
#include "controllers/MainController.h"
#include "platform/SettingValues.h"

namespace lumenscribe {

namespace {

using SV = SettingValues;

const QString kVersionKey = QStringLiteral("CFBundleShortVersionString");

template <typename Setter> void applyInt(const QVariantMap& values, const char* key, Setter setter)
{
    if (const auto v = SV::intValue(values, QString::fromLatin1(key)))
        setter(*v);
}

template <typename Setter> void applyBool(const QVariantMap& values, const char* key, Setter setter)
{
    if (const auto v = SV::boolValue(values, QString::fromLatin1(key)))
        setter(*v);
}

template <typename Setter> void applyString(const QVariantMap& values, const char* key, Setter setter)
{
    if (const auto v = SV::stringValue(values, QString::fromLatin1(key)))
        setter(*v);
}

} // namespace

void MainController::loadPreferences()
{
    const PreferencesStore::LoadResult loaded = m_store.load();
    m_preferencesProblem = loaded.problem;
    if (!loaded.keptAsidePath.isEmpty())
        m_preferencesProblem += QStringLiteral("; it was kept as %1").arg(loaded.keptAsidePath);
    loadPreferencesFromDictionary(loaded.values);
    m_loadedPreferences = preferencesDictionary();
}

void MainController::loadPreferencesFromDictionary(const QVariantMap& v)
{
    m_fileNameGenerators.initFromUserDefaultsDictionary(SV::mapValue(v, QStringLiteral("fileNameGenerators")));
    m_folderNameGenerators.initFromUserDefaultsDictionary(SV::mapValue(v, QStringLiteral("folderNameGenerators")));
    applySettings(v);
    const auto version = SV::stringValue(v, kVersionKey);
    m_needsDonationInfo = !version || *version != QStringLiteral(LUMENSCRIBE_VERSION);
    loadWindowPreferences(v);
}

void MainController::applySettings(const QVariantMap& v)
{
    applyInt(v, "namingStyle", [this](int x) { setNamingStyle(x); });
    applyInt(v, "prefixSuffixType", [this](int x) { setPrefixSuffixType(x); });
    applyString(v, "prefixString", [this](const QString& x) { setPrefixString(x); });
    applyString(v, "suffixString", [this](const QString& x) { setSuffixString(x); });
    applyInt(v, "downloadOptions", [this](int x) { setDownloadOptions(x); });
    applyString(v, "downloadDestionationFolder", [this](const QString& x) { setDownloadDestinationFolder(x); });
    applyInt(v, "downloadNamingStyle", [this](int x) { setDownloadNamingStyle(x); });
    applyInt(v, "downloadPrefixSuffixType", [this](int x) { setDownloadPrefixSuffixType(x); });
    applyBool(v, "fileCreatorIDChange", [this](bool x) { setFileCreatorIDChange(x); });
    if (const auto creator = SV::unsignedValue(v, QStringLiteral("fileCreatorID")))
        setFileCreatorID(*creator);
    applyBool(v, "changeCreationDate", [this](bool x) { setChangeCreationDate(x); });
    applyBool(v, "openFilesAfterRenaming", [this](bool x) { setOpenFilesAfterRenaming(x); });
    applyString(v, "openFilesApplication", [this](const QString& x) { setOpenFilesApplication(x); });
    applyInt(v, "deleteFilesOptions", [this](int x) { setDeleteFilesOptions(x); });
    if (const auto patterns = SV::stringListValue(v, QStringLiteral("deleteFilesPatterns")))
        setDeleteFilesPatterns(*patterns);
    applyInt(v, "deleteFilesSmallerThankB", [this](int x) { setDeleteFilesSmallerThankB(x); });
    applyInt(v, "identicalFileNamesOption", [this](int x) { setIdenticalFileNamesOption(x); });
    applyInt(v, "fileSeqCounter", [this](int x) { setFileSeqCounter(x); });
    applyInt(v, "folderSeqCounter", [this](int x) { setFolderSeqCounter(x); });
    applyBool(v, "showAdvancedOptions", [this](bool x) { setShowAdvancedOptions(x); });
    applyBool(v, "quitAfterAutoProcessing", [this](bool x) { setQuitAfterAutoProcessing(x); });
    applyBool(v, "confirmEachFile", [this](bool x) { setConfirmEachFile(x); });
    applyBool(v, "alertOS9NameLength", [this](bool x) { setAlertOS9NameLength(x); });
    // The collections were rebuilt above: hand them the counters and the
    // identical-names option again.
    m_fileNameGenerators.setSeqCounter(m_fileSeqCounter);
    m_folderNameGenerators.setSeqCounter(m_folderSeqCounter);
    m_fileNameGenerators.setIdenticalFileNamesOption(m_identicalFileNamesOption);
    m_folderNameGenerators.setIdenticalFileNamesOption(m_identicalFileNamesOption);
}

void MainController::loadWindowPreferences(const QVariantMap& v)
{
    applyBool(v, "ciwShowsPreview", [this](bool x) { m_ciwController.setShowPreview(x); });
    applyInt(v, "ciwPrefixSuffixType", [this](int x) { m_ciwController.setPrefixSuffixType(x); });
    applyString(v, "ciwPrefix", [this](const QString& x) { m_ciwController.setPrefix(x); });
    applyString(v, "ciwSuffix", [this](const QString& x) { m_ciwController.setSuffix(x); });
    applyInt(v, "fiwPrefixSuffixType", [this](int x) { m_fiwController.setPrefixSuffixType(x); });
    applyString(v, "fiwPrefix", [this](const QString& x) { m_fiwController.setPrefix(x); });
    applyString(v, "fiwSuffix", [this](const QString& x) { m_fiwController.setSuffix(x); });
}

QVariantMap MainController::preferencesDictionary() const
{
    QVariantMap v;
    v.insert(kVersionKey, QStringLiteral(LUMENSCRIBE_VERSION));
    v.insert(QStringLiteral("fileNameGenerators"), m_fileNameGenerators.userDefaultsDictionary());
    v.insert(QStringLiteral("folderNameGenerators"), m_folderNameGenerators.userDefaultsDictionary());
    v.insert(QStringLiteral("namingStyle"), namingStyle());
    v.insert(QStringLiteral("prefixSuffixType"), prefixSuffixType());
    v.insert(QStringLiteral("prefixString"), prefixString());
    v.insert(QStringLiteral("suffixString"), suffixString());
    v.insert(QStringLiteral("downloadOptions"), downloadOptions());
    v.insert(QStringLiteral("downloadDestionationFolder"), downloadDestinationFolder());
    v.insert(QStringLiteral("downloadNamingStyle"), downloadNamingStyle());
    v.insert(QStringLiteral("downloadPrefixSuffixType"), downloadPrefixSuffixType());
    v.insert(QStringLiteral("fileCreatorIDChange"), fileCreatorIDChange());
    v.insert(QStringLiteral("fileCreatorID"), fileCreatorID());
    v.insert(QStringLiteral("changeCreationDate"), changeCreationDate());
    v.insert(QStringLiteral("openFilesAfterRenaming"), openFilesAfterRenaming());
    v.insert(QStringLiteral("openFilesApplication"), openFilesApplication());
    v.insert(QStringLiteral("deleteFilesOptions"), deleteFilesOptions());
    v.insert(QStringLiteral("deleteFilesPatterns"), deleteFilesPatterns());
    v.insert(QStringLiteral("deleteFilesSmallerThankB"), deleteFilesSmallerThankB());
    v.insert(QStringLiteral("identicalFileNamesOption"), identicalFileNamesOption());
    v.insert(QStringLiteral("fileSeqCounter"), fileSeqCounter());
    v.insert(QStringLiteral("folderSeqCounter"), folderSeqCounter());
    v.insert(QStringLiteral("showAdvancedOptions"), showAdvancedOptions());
    v.insert(QStringLiteral("quitAfterAutoProcessing"), quitAfterAutoProcessing());
    v.insert(QStringLiteral("confirmEachFile"), confirmEachFile());
    v.insert(QStringLiteral("alertOS9NameLength"), alertOS9NameLength());
    v.insert(QStringLiteral("ciwShowsPreview"), m_ciwController.showsPreview());
    v.insert(QStringLiteral("ciwPrefixSuffixType"), m_ciwController.prefixSuffixType());
    v.insert(QStringLiteral("ciwPrefix"), m_ciwController.prefix());
    v.insert(QStringLiteral("ciwSuffix"), m_ciwController.suffix());
    v.insert(QStringLiteral("fiwPrefixSuffixType"), m_fiwController.prefixSuffixType());
    v.insert(QStringLiteral("fiwPrefix"), m_fiwController.prefix());
    v.insert(QStringLiteral("fiwSuffix"), m_fiwController.suffix());
    return v;
}

bool MainController::savePreferences(QString* error) const
{
    QVariantMap loaded = m_loadedPreferences;
    // Always written: the version that saved last decides the first-start
    // panel.
    loaded.remove(kVersionKey);
    const QVariantMap current = preferencesDictionary();
    if (!m_store.saveChanges(loaded, current, error))
        return false;
    m_loadedPreferences = current;
    return true;
}

} // namespace lumenscribe
