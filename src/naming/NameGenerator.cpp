// Creation, the guarded setters and the settings dictionary of a naming
// style. The format language lives in NameGeneratorFormat.cpp and name
// making in NameGeneratorNaming.cpp.
#include "naming/NameGenerator.h"

#include "platform/SettingValues.h"

namespace lumenscribe {

namespace {

const QString kFormatStringKey = QStringLiteral("formatString");
const QString kTimeFormatKey = QStringLiteral("timeFormat");
const QString kCounterDigitsKey = QStringLiteral("counterDigits");
const QString kCounterStartsFromZeroKey = QStringLiteral("counterStartsFromZero");
const QString kCounterPrefixKey = QStringLiteral("counterPrefix");
const QString kCounterOnlyShowKey = QStringLiteral("counterOnlyShowForIdenticalFiles");
const QString kSeqCounterDigitsKey = QStringLiteral("seqCounterDigits");
const QString kDateSourceKey = QStringLiteral("dateSource");
const QString kFileTypeSuffixCaseKey = QStringLiteral("fileTypeSuffixCase");
const QString kFileTypeSuffixDotKey = QStringLiteral("fileTypeSuffixDot");

QString slotKey(const char* stem, int slot)
{
    return QString::fromLatin1(stem) + QString::number(slot);
}

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

std::optional<int> intValue(const QVariantMap& dictionary, const QString& key)
{
    return SettingValues::intValue(dictionary, key);
}

std::optional<QString> stringValue(const QVariantMap& dictionary, const QString& key)
{
    return SettingValues::stringValue(dictionary, key);
}

} // namespace

QString NameGenerator::defaultFileFormat()
{
    return QStringLiteral("%P%Y-%M-%D_%h-%m-%s%S%C%F");
}

QString NameGenerator::defaultFolderFormat()
{
    return QStringLiteral("%P%Y-%M-%D_%h-%m-%s%S%C");
}

QString NameGenerator::popUpExampleFileName()
{
    return QStringLiteral("DSC_1234.jpg");
}

NameGenerator::NameGenerator() : NameGenerator(std::nullopt, false, false)
{
}

NameGenerator::NameGenerator(bool isFolderNameGenerator) : NameGenerator(std::nullopt, false, isFolderNameGenerator)
{
}

NameGenerator::NameGenerator(const QString& formatString, bool isReadOnly)
    : NameGenerator(std::optional<QString>(formatString), isReadOnly, false)
{
}

NameGenerator::NameGenerator(const std::optional<QString>& formatString, bool isReadOnly, bool isFolderNameGenerator)
{
    m_formatString = formatString.value_or(isFolderNameGenerator ? defaultFolderFormat() : defaultFileFormat());
    for (int slot = 0; slot < kSubStringSlots; ++slot)
        setSubString(slot, 0, 0, 0, 0);
    // Stored last, so that the defaults above went in while still writable.
    m_isReadOnly = isReadOnly;
    m_isFolderNameGenerator = isFolderNameGenerator;
}

void NameGenerator::setFormatString(const QString& value)
{
    if (!m_isReadOnly)
        m_formatString = value;
}

void NameGenerator::setTimeFormat(int value)
{
    if (!m_isReadOnly && inRange(value, 0, 2))
        m_timeFormat = value;
}

void NameGenerator::setCounterDigits(int value)
{
    if (!m_isReadOnly && inRange(value, 1, 8))
        m_counterDigits = value;
}

void NameGenerator::setSeqCounterDigits(int value)
{
    if (!m_isReadOnly && inRange(value, 1, 8))
        m_seqCounterDigits = value;
}

void NameGenerator::setCounterStartsFromZero(bool value)
{
    if (!m_isReadOnly)
        m_counterStartsFromZero = value;
}

void NameGenerator::setDateSource(int value)
{
    if (!m_isReadOnly && inRange(value, 0, 2))
        m_dateSource = value;
}

void NameGenerator::setFileTypeSuffixCase(int value)
{
    if (!m_isReadOnly && inRange(value, 0, 2))
        m_fileTypeSuffixCase = value;
}

void NameGenerator::setFileTypeSuffixDot(bool value)
{
    if (!m_isReadOnly)
        m_fileTypeSuffixDot = value;
}

void NameGenerator::setSubString(int slot, int type, int paramA, int paramB, int source)
{
    if (m_isReadOnly || !inRange(slot, 0, kSubStringSlots - 1))
        return;
    m_subStringType[slot] = type;
    m_subStringParamA[slot] = paramA;
    m_subStringParamB[slot] = paramB;
    m_subStringSource[slot] = source;
}

int NameGenerator::subStringTypeOfSubstring(int slot) const
{
    return inRange(slot, 0, kSubStringSlots - 1) ? m_subStringType[slot] : 0;
}

int NameGenerator::subStringParAOfSubstring(int slot) const
{
    return inRange(slot, 0, kSubStringSlots - 1) ? m_subStringParamA[slot] : 0;
}

int NameGenerator::subStringParBOfSubstring(int slot) const
{
    return inRange(slot, 0, kSubStringSlots - 1) ? m_subStringParamB[slot] : 0;
}

int NameGenerator::subStringSourceOfSubstring(int slot) const
{
    return inRange(slot, 0, kSubStringSlots - 1) ? m_subStringSource[slot] : 0;
}

QString NameGenerator::subString(int slot) const
{
    return inRange(slot, 0, kSubStringSlots - 1) ? m_subString[slot] : QString();
}

void NameGenerator::setIdenticalFileNamesOption(int value)
{
    if (static_cast<unsigned>(value) < 2)
        m_identicalFileNamesOption = value;
}

void NameGenerator::takeSettingsFromGenerator(const NameGenerator& other)
{
    setFormatString(other.m_formatString);
    setTimeFormat(other.m_timeFormat);
    setCounterDigits(other.m_counterDigits);
    setSeqCounterDigits(other.m_seqCounterDigits);
    setCounterStartsFromZero(other.m_counterStartsFromZero);
    setCounterPrefix(other.m_counterPrefix);
    setCounterOnlyShowForIdenticalFiles(other.m_counterOnlyShowForIdenticalFiles);
    setCounter(other.m_counter);
    setSeqCounter(other.m_seqCounter);
    setDateSource(other.m_dateSource);
    setFileTypeSuffixCase(other.m_fileTypeSuffixCase);
    setFileTypeSuffixDot(other.m_fileTypeSuffixDot);
    setIdenticalFileNamesOption(other.m_identicalFileNamesOption);
    for (int slot = 0; slot < kSubStringSlots; ++slot) {
        setSubString(slot, other.m_subStringType[slot], other.m_subStringParamA[slot], other.m_subStringParamB[slot],
                     other.m_subStringSource[slot]);
    }
    setPrefix(other.m_prefixString);
    setSuffix(other.m_suffixString);
    setSubSeconds(other.m_subSeconds);
}

QVariantMap NameGenerator::userDefaultsDictionary() const
{
    QVariantMap dictionary;
    dictionary.insert(kFormatStringKey, m_formatString);
    dictionary.insert(kTimeFormatKey, m_timeFormat);
    dictionary.insert(kCounterDigitsKey, m_counterDigits);
    dictionary.insert(kCounterStartsFromZeroKey, m_counterStartsFromZero);
    dictionary.insert(kCounterPrefixKey, m_counterPrefix);
    dictionary.insert(kCounterOnlyShowKey, m_counterOnlyShowForIdenticalFiles);
    dictionary.insert(kSeqCounterDigitsKey, m_seqCounterDigits);
    dictionary.insert(kDateSourceKey, m_dateSource);
    dictionary.insert(kFileTypeSuffixCaseKey, m_fileTypeSuffixCase);
    dictionary.insert(kFileTypeSuffixDotKey, m_fileTypeSuffixDot);
    for (int slot = 0; slot < kSubStringSlots; ++slot) {
        dictionary.insert(slotKey("subStringType", slot), m_subStringType[slot]);
        dictionary.insert(slotKey("subStringParamA", slot), m_subStringParamA[slot]);
        dictionary.insert(slotKey("subStringParamB", slot), m_subStringParamB[slot]);
        dictionary.insert(slotKey("subStringSource", slot), m_subStringSource[slot]);
    }
    return dictionary;
}

void NameGenerator::initFromUserDefaultsDictionary(const std::optional<QVariantMap>& dictionary)
{
    if (dictionary)
        applySettings(*dictionary);
}

void NameGenerator::applySettings(const QVariantMap& d)
{
    if (auto v = stringValue(d, kFormatStringKey))
        setFormatString(*v);
    if (auto v = intValue(d, kTimeFormatKey))
        setTimeFormat(*v);
    if (auto v = intValue(d, kCounterDigitsKey))
        setCounterDigits(*v);
    if (auto v = intValue(d, kCounterStartsFromZeroKey))
        setCounterStartsFromZero(*v != 0);
    if (auto v = stringValue(d, kCounterPrefixKey))
        setCounterPrefix(*v);
    if (auto v = intValue(d, kCounterOnlyShowKey))
        setCounterOnlyShowForIdenticalFiles(*v != 0);
    if (auto v = intValue(d, kSeqCounterDigitsKey))
        setSeqCounterDigits(*v);
    if (auto v = intValue(d, kDateSourceKey))
        setDateSource(*v);
    if (auto v = intValue(d, kFileTypeSuffixCaseKey))
        setFileTypeSuffixCase(*v);
    if (auto v = intValue(d, kFileTypeSuffixDotKey))
        setFileTypeSuffixDot(*v != 0);
    for (int slot = 0; slot < kSubStringSlots; ++slot)
        applySlotSettings(d, slot);
}

// A slot is taken only whole: three of its four numbers would describe a
// different cut than the one the user made.
void NameGenerator::applySlotSettings(const QVariantMap& d, int slot)
{
    const auto type = intValue(d, slotKey("subStringType", slot));
    const auto paramA = intValue(d, slotKey("subStringParamA", slot));
    const auto paramB = intValue(d, slotKey("subStringParamB", slot));
    const auto source = intValue(d, slotKey("subStringSource", slot));
    if (type && paramA && paramB && source)
        setSubString(slot, *type, *paramA, *paramB, *source);
}

} // namespace lumenscribe
