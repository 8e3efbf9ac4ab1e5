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
    for (const Settings::Entry& entry : Settings::entries())
        taken(entry.key, m_settings.load(entry.key, v));
    // The collections were rebuilt above: hand them the counters and the
    // identical-names option again.
    const Settings::Values now = m_settings.values();
    m_fileNameGenerators.setSeqCounter(now.fileSeqCounter);
    m_folderNameGenerators.setSeqCounter(now.folderSeqCounter);
    m_fileNameGenerators.setIdenticalFileNamesOption(now.identicalFileNamesOption);
    m_folderNameGenerators.setIdenticalFileNamesOption(now.identicalFileNamesOption);
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
    v.insert(m_settings.toMap());
    v.insert(QStringLiteral("ciwShowsPreview"), m_ciwController.showsPreview());
    v.insert(QStringLiteral("ciwPrefixSuffixType"), m_ciwController.prefixSuffixType());
    v.insert(QStringLiteral("ciwPrefix"), m_ciwController.prefix());
    v.insert(QStringLiteral("ciwSuffix"), m_ciwController.suffix());
    v.insert(QStringLiteral("fiwPrefixSuffixType"), m_fiwController.prefixSuffixType());
    v.insert(QStringLiteral("fiwPrefix"), m_fiwController.prefix());
    v.insert(QStringLiteral("fiwSuffix"), m_fiwController.suffix());
    return v;
}

void MainController::notifyWindows()
{
    m_ciwController.mainControllerChangedSettings();
    m_fiwController.mainControllerChangedSettings();
}

void MainController::settingChanged(SettingKey key)
{
    switch (key) {
    case SettingKey::NamingStyle:
        m_fileNameGenerators.selectGeneratorAtIndex(m_settings.namingStyle());
        m_ciwController.mainControllerChangedSettings();
        break;
    case SettingKey::PrefixSuffixType:
        m_ciwController.mainControllerChangedSettings();
        break;
    case SettingKey::PrefixString:
    case SettingKey::SuffixString:
    case SettingKey::DownloadOptions:
    case SettingKey::AlertOS9NameLength:
        notifyWindows();
        break;
    case SettingKey::DownloadNamingStyle:
        m_folderNameGenerators.selectGeneratorAtIndex(m_settings.downloadNamingStyle());
        break;
    case SettingKey::DownloadPrefixSuffixType:
        m_fiwController.mainControllerChangedSettings();
        break;
    case SettingKey::IdenticalFileNamesOption: {
        const int option = m_settings.identicalFileNamesOption();
        m_fileNameGenerators.setIdenticalFileNamesOption(option);
        m_folderNameGenerators.setIdenticalFileNamesOption(option);
        m_ciwController.mainControllerChangedSettings();
        break;
    }
    case SettingKey::FileSeqCounter:
        m_fileNameGenerators.setSeqCounter(m_settings.fileSeqCounter());
        break;
    case SettingKey::FolderSeqCounter:
        m_folderNameGenerators.setSeqCounter(m_settings.folderSeqCounter());
        break;
    default:
        break;
    }
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
