#include "settings/Settings.h"

#include "platform/ApplicationLauncher.h"
#include "platform/NameZone.h"
#include "platform/SettingValues.h"
#include "platform/TimeShift.h"

#include <QDir>
#include <type_traits>

namespace lumenscribe {

namespace {

using V = Settings::Values;
using C = Settings::Check;
using K = SettingKey;

template <int N> QVariant number()
{
    return N;
}

template <bool B> QVariant flag()
{
    return B;
}

QVariant noText()
{
    return QString();
}

QVariant desktopFolder()
{
    return QDir::homePath() + QStringLiteral("/Desktop");
}

QVariant noTexts()
{
    return QStringList();
}

QVariant localZone()
{
    return QStringLiteral("local");
}

QVariant webPagePatterns()
{
    return QStringList{QStringLiteral("*.gif"), QStringLiteral("*.html")};
}

// In the order a settings file is loaded; each key at the place of its
// SettingKey.
constexpr Settings::Entry kEntries[] = {
    {K::NamingStyle, u"namingStyle", &V::namingStyle, C::Any, 0, 0, &number<0>},
    {K::PrefixSuffixType, u"prefixSuffixType", &V::prefixSuffixType, C::Range, 0, 4, &number<0>},
    {K::PrefixString, u"prefixString", &V::prefixString, C::Any, 0, 0, &noText},
    {K::SuffixString, u"suffixString", &V::suffixString, C::Any, 0, 0, &noText},
    {K::DownloadOptions, u"downloadOptions", &V::downloadOptions, C::Range, 0, 3, &number<0>},
    // Misspelt so since the first version; stored files have it this way.
    {K::DownloadDestinationFolder, u"downloadDestionationFolder", &V::downloadDestinationFolder, C::Any, 0, 0,
     &desktopFolder},
    {K::DownloadNamingStyle, u"downloadNamingStyle", &V::downloadNamingStyle, C::Any, 0, 0, &number<0>},
    {K::DownloadPrefixSuffixType, u"downloadPrefixSuffixType", &V::downloadPrefixSuffixType, C::Range, 0, 4,
     &number<0>},
    {K::FileCreatorIDChange, u"fileCreatorIDChange", &V::fileCreatorIDChange, C::Any, 0, 0, &flag<false>},
    {K::FileCreatorID, u"fileCreatorID", &V::fileCreatorID, C::Any, 0, 0, &number<0>},
    {K::ChangeCreationDate, u"changeCreationDate", &V::changeCreationDate, C::Any, 0, 0, &flag<false>},
    {K::OpenFilesAfterRenaming, u"openFilesAfterRenaming", &V::openFilesAfterRenaming, C::Any, 0, 0, &flag<false>},
    {K::OpenFilesApplication, u"openFilesApplication", &V::openFilesApplication, C::KnownApplication, 0, 0, &noText},
    // Any rule number is kept, as it always was; the run knows 0 to 4.
    {K::DeleteFilesOptions, u"deleteFilesOptions", &V::deleteFilesOptions, C::Any, 0, 0, &number<0>},
    {K::DeleteFilesPatterns, u"deleteFilesPatterns", &V::deleteFilesPatterns, C::Any, 0, 0, &webPagePatterns},
    {K::DeleteFilesSmallerThankB, u"deleteFilesSmallerThankB", &V::deleteFilesSmallerThankB, C::AtLeast, 0, 0,
     &number<100>},
    {K::IdenticalFileNamesOption, u"identicalFileNamesOption", &V::identicalFileNamesOption, C::Range, 0, 1,
     &number<0>},
    {K::FileSeqCounter, u"fileSeqCounter", &V::fileSeqCounter, C::Any, 0, 0, &number<0>},
    {K::FolderSeqCounter, u"folderSeqCounter", &V::folderSeqCounter, C::Any, 0, 0, &number<0>},
    {K::ShowAdvancedOptions, u"showAdvancedOptions", &V::showAdvancedOptions, C::Any, 0, 0, &flag<false>},
    {K::QuitAfterAutoProcessing, u"quitAfterAutoProcessing", &V::quitAfterAutoProcessing, C::Any, 0, 0, &flag<true>},
    {K::ConfirmEachFile, u"confirmEachFile", &V::confirmEachFile, C::Any, 0, 0, &flag<true>},
    {K::AlertOS9NameLength, u"alertOS9NameLength", &V::alertOS9NameLength, C::Any, 0, 0, &flag<false>},
    {K::ShowNamesFirst, u"showNamesFirst", &V::showNamesFirst, C::Any, 0, 0, &flag<false>},
    {K::TimeShift, u"timeShift", &V::timeShift, C::TimeShift, 0, 0, &noText},
    {K::TimeShiftByModel, u"timeShiftByModel", &V::timeShiftByModel, C::ModelShifts, 0, 0, &noTexts},
    {K::NameZone, u"nameZone", &V::nameZone, C::NameZone, 0, 0, &localZone},
    {K::CopyInsteadOfMoving, u"copyInsteadOfMoving", &V::copyInsteadOfMoving, C::Any, 0, 0, &flag<false>},
    {K::NamePairsTogether, u"namePairsTogether", &V::namePairsTogether, C::Any, 0, 0, &flag<true>},
    {K::OnlyPhotosAndMovies, u"onlyPhotosAndMovies", &V::onlyPhotosAndMovies, C::Any, 0, 0, &flag<false>},
};

constexpr bool tableFollowsTheKeys()
{
    int index = 0;
    for (const Settings::Entry& entry : kEntries) {
        if (static_cast<int>(entry.key) != index++)
            return false;
    }
    return index == static_cast<int>(SettingKey::OnlyPhotosAndMovies) + 1;
}
static_assert(tableFollowsTheKeys(), "one entry per SettingKey, in its order");

bool passes(const Settings::Entry& entry, int value)
{
    switch (entry.check) {
    case C::Range:
        return value >= entry.min && value <= entry.max;
    case C::AtLeast:
        return value >= entry.min;
    default:
        return true;
    }
}

} // namespace

std::span<const Settings::Entry> Settings::entries()
{
    return kEntries;
}

const Settings::Entry& Settings::entry(SettingKey key)
{
    return kEntries[static_cast<int>(key)];
}

const Settings::Entry* Settings::find(QStringView name)
{
    for (const Entry& entry : kEntries) {
        if (QStringView(entry.name) == name)
            return &entry;
    }
    return nullptr;
}

Settings::Values Settings::initialValues()
{
    Values values;
    for (const Entry& entry : kEntries) {
        std::visit(
            [&](auto field) {
                using T = std::remove_reference_t<decltype(values.*field)>;
                values.*field = qvariant_cast<T>(entry.initial());
            },
            entry.field);
    }
    return values;
}

Settings::Settings(QObject* parent) : QObject(parent), m_values(initialValues())
{
}

template <typename T> T Settings::get(T Values::*field) const
{
    const std::lock_guard lock(m_mutex);
    return m_values.*field;
}

template <typename T> Settings::SetResult Settings::assign(SettingKey key, T value)
{
    const Entry& e = entry(key);
    const auto* field = std::get_if<T Values::*>(&e.field);
    Q_ASSERT(field);
    if (!field)
        return SetResult::Refused;
    if constexpr (std::is_same_v<T, int>) {
        if (!passes(e, value))
            return SetResult::Refused;
    }
    if constexpr (std::is_same_v<T, QString>) {
        // Asked outside the lock: it looks at the file system.
        if (e.check == Check::KnownApplication && (value.isEmpty() || !ApplicationLauncher::isKnown(value)))
            value = QString();
        if (e.check == Check::NameZone && !NameZone::accepts(value))
            return SetResult::Refused;
        if (e.check == Check::TimeShift && !TimeShift::isValid(value))
            return SetResult::Refused;
    }
    if constexpr (std::is_same_v<T, QStringList>) {
        if (e.check == Check::ModelShifts && !TimeShift::isValidModelTable(value))
            return SetResult::Refused;
    }
    {
        const std::lock_guard lock(m_mutex);
        T& stored = m_values.**field;
        if (stored == value)
            return SetResult::Unchanged;
        stored = std::move(value);
    }
    emit changed(key);
    return SetResult::Changed;
}

Settings::Values Settings::values() const
{
    const std::lock_guard lock(m_mutex);
    return m_values;
}

QVariant Settings::value(SettingKey key) const
{
    const std::lock_guard lock(m_mutex);
    return std::visit([this](auto field) { return QVariant::fromValue(m_values.*field); }, entry(key).field);
}

QVariantMap Settings::toMap() const
{
    const Values snapshot = values();
    QVariantMap map;
    for (const Entry& entry : kEntries) {
        map.insert(entry.keyText(),
                   std::visit([&](auto field) { return QVariant::fromValue(snapshot.*field); }, entry.field));
    }
    return map;
}

Settings::SetResult Settings::load(SettingKey key, const QVariantMap& map)
{
    const Entry& e = entry(key);
    const QString name = e.keyText();
    const auto take = [&](const auto& value) { return value ? assign(key, *value) : SetResult::Refused; };
    switch (e.kind()) {
    case Kind::Int:
        return take(SettingValues::intValue(map, name));
    case Kind::Unsigned:
        return take(SettingValues::unsignedValue(map, name));
    case Kind::Bool:
        return take(SettingValues::boolValue(map, name));
    case Kind::Text:
        return take(SettingValues::stringValue(map, name));
    case Kind::TextList:
        return take(SettingValues::stringListValue(map, name));
    }
    return SetResult::Refused;
}

void Settings::load(const QVariantMap& map)
{
    for (const Entry& e : kEntries)
        load(e.key, map);
}

Settings::SetResult Settings::setValue(SettingKey key, const QVariant& value)
{
    return load(key, QVariantMap{{entry(key).keyText(), value}});
}

int Settings::namingStyle() const
{
    return get(&Values::namingStyle);
}

Settings::SetResult Settings::setNamingStyle(int value)
{
    return assign(SettingKey::NamingStyle, value);
}

int Settings::prefixSuffixType() const
{
    return get(&Values::prefixSuffixType);
}

Settings::SetResult Settings::setPrefixSuffixType(int value)
{
    return assign(SettingKey::PrefixSuffixType, value);
}

QString Settings::prefixString() const
{
    return get(&Values::prefixString);
}

Settings::SetResult Settings::setPrefixString(const QString& value)
{
    return assign(SettingKey::PrefixString, value);
}

QString Settings::suffixString() const
{
    return get(&Values::suffixString);
}

Settings::SetResult Settings::setSuffixString(const QString& value)
{
    return assign(SettingKey::SuffixString, value);
}

int Settings::downloadOptions() const
{
    return get(&Values::downloadOptions);
}

Settings::SetResult Settings::setDownloadOptions(int value)
{
    return assign(SettingKey::DownloadOptions, value);
}

QString Settings::downloadDestinationFolder() const
{
    return get(&Values::downloadDestinationFolder);
}

Settings::SetResult Settings::setDownloadDestinationFolder(const QString& value)
{
    return assign(SettingKey::DownloadDestinationFolder, value);
}

int Settings::downloadNamingStyle() const
{
    return get(&Values::downloadNamingStyle);
}

Settings::SetResult Settings::setDownloadNamingStyle(int value)
{
    return assign(SettingKey::DownloadNamingStyle, value);
}

int Settings::downloadPrefixSuffixType() const
{
    return get(&Values::downloadPrefixSuffixType);
}

Settings::SetResult Settings::setDownloadPrefixSuffixType(int value)
{
    return assign(SettingKey::DownloadPrefixSuffixType, value);
}

bool Settings::fileCreatorIDChange() const
{
    return get(&Values::fileCreatorIDChange);
}

Settings::SetResult Settings::setFileCreatorIDChange(bool value)
{
    return assign(SettingKey::FileCreatorIDChange, value);
}

quint32 Settings::fileCreatorID() const
{
    return get(&Values::fileCreatorID);
}

Settings::SetResult Settings::setFileCreatorID(quint32 value)
{
    return assign(SettingKey::FileCreatorID, value);
}

bool Settings::changeCreationDate() const
{
    return get(&Values::changeCreationDate);
}

Settings::SetResult Settings::setChangeCreationDate(bool value)
{
    return assign(SettingKey::ChangeCreationDate, value);
}

bool Settings::openFilesAfterRenaming() const
{
    return get(&Values::openFilesAfterRenaming);
}

Settings::SetResult Settings::setOpenFilesAfterRenaming(bool value)
{
    return assign(SettingKey::OpenFilesAfterRenaming, value);
}

QString Settings::openFilesApplication() const
{
    return get(&Values::openFilesApplication);
}

Settings::SetResult Settings::setOpenFilesApplication(const QString& value)
{
    return assign(SettingKey::OpenFilesApplication, value);
}

int Settings::deleteFilesOptions() const
{
    return get(&Values::deleteFilesOptions);
}

Settings::SetResult Settings::setDeleteFilesOptions(int value)
{
    return assign(SettingKey::DeleteFilesOptions, value);
}

QStringList Settings::deleteFilesPatterns() const
{
    return get(&Values::deleteFilesPatterns);
}

Settings::SetResult Settings::setDeleteFilesPatterns(const QStringList& value)
{
    return assign(SettingKey::DeleteFilesPatterns, value);
}

int Settings::deleteFilesSmallerThankB() const
{
    return get(&Values::deleteFilesSmallerThankB);
}

Settings::SetResult Settings::setDeleteFilesSmallerThankB(int value)
{
    return assign(SettingKey::DeleteFilesSmallerThankB, value);
}

int Settings::identicalFileNamesOption() const
{
    return get(&Values::identicalFileNamesOption);
}

Settings::SetResult Settings::setIdenticalFileNamesOption(int value)
{
    return assign(SettingKey::IdenticalFileNamesOption, value);
}

int Settings::fileSeqCounter() const
{
    return get(&Values::fileSeqCounter);
}

Settings::SetResult Settings::setFileSeqCounter(int value)
{
    return assign(SettingKey::FileSeqCounter, value);
}

int Settings::folderSeqCounter() const
{
    return get(&Values::folderSeqCounter);
}

Settings::SetResult Settings::setFolderSeqCounter(int value)
{
    return assign(SettingKey::FolderSeqCounter, value);
}

void Settings::advanceFileSeqCounter()
{
    const std::lock_guard lock(m_mutex);
    ++m_values.fileSeqCounter;
}

void Settings::advanceFolderSeqCounter()
{
    const std::lock_guard lock(m_mutex);
    ++m_values.folderSeqCounter;
}

bool Settings::showAdvancedOptions() const
{
    return get(&Values::showAdvancedOptions);
}

Settings::SetResult Settings::setShowAdvancedOptions(bool value)
{
    return assign(SettingKey::ShowAdvancedOptions, value);
}

bool Settings::quitAfterAutoProcessing() const
{
    return get(&Values::quitAfterAutoProcessing);
}

Settings::SetResult Settings::setQuitAfterAutoProcessing(bool value)
{
    return assign(SettingKey::QuitAfterAutoProcessing, value);
}

bool Settings::confirmEachFile() const
{
    return get(&Values::confirmEachFile);
}

Settings::SetResult Settings::setConfirmEachFile(bool value)
{
    return assign(SettingKey::ConfirmEachFile, value);
}

bool Settings::alertOS9NameLength() const
{
    return get(&Values::alertOS9NameLength);
}

Settings::SetResult Settings::setAlertOS9NameLength(bool value)
{
    return assign(SettingKey::AlertOS9NameLength, value);
}

bool Settings::showNamesFirst() const
{
    return get(&Values::showNamesFirst);
}

Settings::SetResult Settings::setShowNamesFirst(bool value)
{
    return assign(SettingKey::ShowNamesFirst, value);
}

QString Settings::timeShift() const
{
    return get(&Values::timeShift);
}

Settings::SetResult Settings::setTimeShift(const QString& value)
{
    return assign(SettingKey::TimeShift, value);
}

QStringList Settings::timeShiftByModel() const
{
    return get(&Values::timeShiftByModel);
}

Settings::SetResult Settings::setTimeShiftByModel(const QStringList& value)
{
    return assign(SettingKey::TimeShiftByModel, value);
}

QString Settings::nameZone() const
{
    return get(&Values::nameZone);
}

Settings::SetResult Settings::setNameZone(const QString& value)
{
    return assign(SettingKey::NameZone, value);
}

bool Settings::copyInsteadOfMoving() const
{
    return get(&Values::copyInsteadOfMoving);
}

Settings::SetResult Settings::setCopyInsteadOfMoving(bool value)
{
    return assign(SettingKey::CopyInsteadOfMoving, value);
}

bool Settings::namePairsTogether() const
{
    return get(&Values::namePairsTogether);
}

Settings::SetResult Settings::setNamePairsTogether(bool value)
{
    return assign(SettingKey::NamePairsTogether, value);
}

bool Settings::onlyPhotosAndMovies() const
{
    return get(&Values::onlyPhotosAndMovies);
}

Settings::SetResult Settings::setOnlyPhotosAndMovies(bool value)
{
    return assign(SettingKey::OnlyPhotosAndMovies, value);
}

} // namespace lumenscribe
