#include "metadata/TiffWalker.h"

#include "metadata/DateText.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/ExifInteger.h"
#include "metadata/ExifOption.h"
#include "metadata/ExifRational.h"
#include "metadata/ExifString.h"
#include "metadata/TextBytes.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace lumenscribe {

namespace {

// Real files nest one Exif directory in IFD0; these bounds only stop crafted
// pointer webs from multiplying the work.
constexpr int MaxDepth = 4;
constexpr std::size_t MaxDirectories = 16;
// Long enough for every date layout; the fields stand at fixed positions.
constexpr quint64 DateTextBytes = 64;
// "YYYY:MM:DD HH:MM:SS"
constexpr quint64 FullDateText = 19;
// Enough for a zone ("+HH:MM") or a fraction of the second, with padding.
constexpr quint64 ShortTextBytes = 16;

enum class Rule
{
    Integer,
    Option,
    Iso,
    Flash,
    Text,
    FourByteText,
    Date,
    // The zone and the fraction of the second that go with a date
    DateOffset,
    DateSubSecond,
    Rational,
    ExifPointer
};

struct TagRule
{
    uint16_t tag;
    const char16_t* key;
    Rule rule;
};

constexpr TagRule Tags[] = {
    {0x0100, u"ImageWidth", Rule::Integer},
    {0x0101, u"ImageLength", Rule::Integer},
    {0x0103, u"Compression", Rule::Integer},
    {0x0106, u"PhotometricInterpretation", Rule::Integer},
    {0x010F, u"Make", Rule::Text},
    {0x0110, u"Model", Rule::Text},
    {0x0112, u"Orientation", Rule::Option},
    {0x0115, u"SamplesPerPixel", Rule::Integer},
    {0x011A, u"XResolution", Rule::Rational},
    {0x011B, u"YResolution", Rule::Rational},
    {0x011C, u"PlanarConfiguration", Rule::Integer},
    {0x0128, u"ResolutionUnit", Rule::Option},
    {0x0131, u"Software", Rule::Text},
    {0x0132, u"DateTime", Rule::Date},
    {0x013B, u"Artist", Rule::Text},
    {0x0212, u"YCbCrSubSampling", Rule::Integer},
    {0x0213, u"YCbCrPositioning", Rule::Option},
    {0x8298, u"Copyright", Rule::Text},
    {0x829A, u"ExposureTime", Rule::Rational},
    {0x829D, u"FNumber", Rule::Rational},
    {0x8769, nullptr, Rule::ExifPointer},
    {0x8822, u"ExposureProgram", Rule::Option},
    {0x8827, u"ISOSpeedRatings", Rule::Iso},
    {0x9000, u"ExifVersion", Rule::FourByteText},
    {0x9003, u"DateTimeOriginal", Rule::Date},
    {0x9004, u"DateTimeDigitized", Rule::Date},
    {0x9010, u"OffsetTime", Rule::DateOffset},
    {0x9011, u"OffsetTimeOriginal", Rule::DateOffset},
    {0x9012, u"OffsetTimeDigitized", Rule::DateOffset},
    {0x9102, u"CompressedBitsPerPixel", Rule::Rational},
    {0x9201, u"ShutterSpeedValue", Rule::Rational},
    {0x9204, u"ExposureBiasValue", Rule::Rational},
    {0x9205, u"MaxApertureValue", Rule::Rational},
    {0x9206, u"SubjectDistance", Rule::Rational},
    {0x9207, u"MeteringMode", Rule::Option},
    {0x9208, u"LightSource", Rule::Option},
    {0x9209, nullptr, Rule::Flash},
    {0x920A, u"FocalLength", Rule::Rational},
    {0x9290, u"SubsecTime", Rule::DateSubSecond},
    {0x9291, u"SubsecTimeOriginal", Rule::DateSubSecond},
    {0x9292, u"SubsecTimeDigitized", Rule::DateSubSecond},
    {0xA000, u"FlashPixVersion", Rule::FourByteText},
    {0xA001, u"ColorSpace", Rule::Option},
    {0xA002, u"PixelXDimension", Rule::Integer},
    {0xA003, u"PixelYDimension", Rule::Integer},
    {0xA405, u"FocalLengthIn35mmFilm", Rule::Integer},
};

const TagRule* findRule(uint16_t tag)
{
    const auto* found = std::lower_bound(std::begin(Tags), std::end(Tags), tag,
                                         [](const TagRule& rule, uint16_t wanted) { return rule.tag < wanted; });
    return found != std::end(Tags) && found->tag == tag ? found : nullptr;
}

constexpr bool sortedByTag()
{
    for (std::size_t i = 1; i < std::size(Tags); ++i) {
        if (Tags[i - 1].tag >= Tags[i].tag)
            return false;
    }
    return true;
}
static_assert(sortedByTag(), "findRule searches the table by halves");

constexpr bool servesDate(Rule rule)
{
    return rule == Rule::Date || rule == Rule::ExifPointer || rule == Rule::DateOffset || rule == Rule::DateSubSecond;
}

// The camera model, in IFD0.
constexpr uint16_t ModelTag = 0x0110;

// The tags a date-only reader files or follows, taken from the table.
constexpr std::array<uint16_t, 10> DateTags = [] {
    std::array<uint16_t, 10> tags{};
    std::size_t count = 0;
    for (const TagRule& rule : Tags) {
        if (servesDate(rule.rule))
            tags.at(count++) = rule.tag;
    }
    return tags;
}();

// Each of the three dates has its own zone and sub-second tag:
// DateTime 0x0132 with 0x9010 and 0x9290, DateTimeOriginal 0x9003 with
// 0x9011 and 0x9291, DateTimeDigitized 0x9004 with 0x9012 and 0x9292.
std::size_t companionSlot(uint16_t tag)
{
    switch (tag) {
    case 0x9011:
    case 0x9291:
        return 0;
    case 0x9012:
    case 0x9292:
        return 1;
    default:
        return 2;
    }
}

std::size_t dateSlot(QStringView key)
{
    if (key == u"DateTimeOriginal")
        return 0;
    if (key == u"DateTimeDigitized")
        return 1;
    return 2;
}

// The keys as strings made once, shared by every file's dictionary.
const QString& keyOf(const TagRule& rule)
{
    static const auto keys = [] {
        std::array<QString, std::size(Tags)> made;
        for (std::size_t i = 0; i < std::size(Tags); ++i) {
            if (Tags[i].key)
                made[i] = QString::fromUtf16(Tags[i].key);
        }
        return made;
    }();
    return keys[std::size_t(&rule - Tags)];
}

bool isDateTag(uint16_t tag)
{
    return std::find(DateTags.begin(), DateTags.end(), tag) != DateTags.end();
}

} // namespace

TiffWalker::TiffWalker(ExifDictionary& dictionary, const ByteReader& buffer)
    : m_dictionary(dictionary), m_buffer(buffer)
{
}

std::optional<ByteOrder> TiffWalker::byteOrderAt(const ByteReader& buffer, quint64 pos)
{
    if (buffer.matchesAt(pos, "II"))
        return ByteOrder::Little;
    if (buffer.matchesAt(pos, "MM"))
        return ByteOrder::Big;
    return std::nullopt;
}

bool TiffWalker::isRawMagic(uint16_t magic)
{
    // Panasonic RW2 ("IIU\0") and Olympus ORF ("IIRO", "MMOR", "IIRS") change
    // the 42 of a TIFF header but keep its directories, EXIF included.
    return magic == 0x0055 || magic == 0x4F52 || magic == 0x5352;
}

bool TiffWalker::walkTiffHeader(ExifDictionary& dictionary, const ByteReader& buffer, quint64 base)
{
    const auto order = byteOrderAt(buffer, base);
    if (!order)
        return false;
    const auto magic = buffer.u16At(base + 2, *order);
    if (!magic || (*magic != TiffMagic && !(base == 0 && isRawMagic(*magic))))
        return false;
    const auto offset = buffer.u32At(base + 4, *order);
    if (!offset)
        return false;
    TiffWalker(dictionary, buffer).searchIFD(*order, base, base + *offset);
    return true;
}

void TiffWalker::searchIFD(ByteOrder order, quint64 base, quint64 position)
{
    m_order = order;
    m_base = base;
    m_visited.clear();
    m_dates.clear();
    m_offsets = {};
    m_subSeconds = {};
    walk(position, 0);
    if (m_dictionary.datesOnly()) {
        fileWinningDate();
        return;
    }
    // In the order met: a later text of a key replaces an earlier one.
    for (const auto& [key, text] : m_dates)
        fileDate(key, text);
    m_dates.clear();
}

void TiffWalker::walk(quint64 position, int depth)
{
    if (depth > MaxDepth || m_visited.size() >= MaxDirectories || !m_visited.insert(position).second)
        return;
    const auto count = m_buffer.u16At(position, m_order);
    if (!count)
        return;
    // A camera's table is read in one piece; a long or truncated one entry
    // by entry, so that what can be read still counts.
    std::array<uint8_t, 64 * 12> table; // NOLINT: filled by the read before use
    const bool whole = *count <= 64 && m_buffer.readAt(position + 2, std::span(table.data(), std::size_t(*count) * 12));
    for (quint64 i = 0; i < *count; ++i) {
        std::array<uint8_t, 12> single{};
        const uint8_t* raw = whole ? table.data() + 12 * i : single.data();
        if (!whole && !m_buffer.readAt(position + 2 + 12 * i, single))
            return; // a truncated table ends the walk; what was read stays
        const bool big = m_order == ByteOrder::Big;
        const auto u16 = [big](const uint8_t* b) { return uint16_t(big ? b[0] << 8 | b[1] : b[1] << 8 | b[0]); };
        const auto u32 = [big](const uint8_t* b) {
            return big ? uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3]
                       : uint32_t(b[3]) << 24 | uint32_t(b[2]) << 16 | uint32_t(b[1]) << 8 | b[0];
        };
        Entry entry{u16(&raw[0]), u16(&raw[2]), u32(&raw[4]), u32(&raw[8]), {raw[8], raw[9], raw[10], raw[11]}};
        record(entry, depth);
    }
}

uint32_t TiffWalker::integer(const Entry& entry) const
{
    const bool little = m_order == ByteOrder::Little;
    switch (entry.type) {
    case 1:
        return little ? entry.value & 0xFF : entry.value >> 24;
    case 3:
        return little ? entry.value & 0xFFFF : entry.value >> 16;
    case 4:
    case 9:
        return entry.value;
    default:
        return 0;
    }
}

uint32_t TiffWalker::lowIntegers(const Entry& entry) const
{
    return entry.type == 4 || entry.type == 9 ? entry.value & 0xFFFF : integer(entry);
}

void TiffWalker::record(const Entry& entry, int depth)
{
    // A reader that wants the date alone passes over every other tag at once.
    const bool wanted = isDateTag(entry.tag) || (entry.tag == ModelTag && m_dictionary.withModel());
    if (m_dictionary.datesOnly() && !wanted)
        return;
    const TagRule* rule = findRule(entry.tag);
    if (!rule)
        return;
    if (m_dictionary.datesOnly() && !servesDate(rule->rule) && entry.tag != ModelTag)
        return;
    const QString& key = keyOf(*rule);
    switch (rule->rule) {
    case Rule::ExifPointer:
        walk(m_base + entry.value, depth + 1);
        return;
    case Rule::Integer:
        if (auto* value = m_dictionary.create<ExifInteger>(key))
            value->setValue(integer(entry));
        return;
    case Rule::Iso:
        if (auto* value = m_dictionary.create<ExifInteger>(key))
            value->setValue(lowIntegers(entry));
        return;
    case Rule::Option:
        if (auto* value = m_dictionary.create<ExifOption>(key))
            value->selectOption(int(integer(entry)));
        return;
    case Rule::Flash: {
        const uint32_t flash = lowIntegers(entry);
        if (auto* firing = m_dictionary.create<ExifOption>(QStringLiteral("FlashFiringStatus")))
            firing->selectOption(int(flash & 1));
        if (auto* ret = m_dictionary.create<ExifOption>(QStringLiteral("FlashReturnStatus")))
            ret->selectOption(int(flash & 6));
        return;
    }
    case Rule::FourByteText:
        if (auto* value = m_dictionary.create<ExifString>(key))
            value->setString(QString::fromLatin1(reinterpret_cast<const char*>(entry.field.data()), 4));
        return;
    case Rule::Text:
        recordText(key, entry);
        return;
    case Rule::Date:
        recordDate(key, entry);
        return;
    case Rule::DateOffset:
        m_offsets.at(companionSlot(entry.tag)) = shortText(entry);
        if (!m_dictionary.datesOnly())
            recordText(key, entry);
        return;
    case Rule::DateSubSecond:
        m_subSeconds.at(companionSlot(entry.tag)) = shortText(entry);
        if (!m_dictionary.datesOnly())
            recordText(key, entry);
        return;
    case Rule::Rational:
        recordRational(key, entry);
        return;
    }
}

void TiffWalker::recordText(const QString& key, const Entry& entry)
{
    QByteArray bytes;
    if (entry.count <= 4) {
        bytes = QByteArray(reinterpret_cast<const char*>(entry.field.data()), 4);
        bytes.truncate(bytes.indexOf('\0') < 0 ? 4 : bytes.indexOf('\0'));
    } else {
        const auto text = TextBytes::zeroTerminated(m_buffer, m_base + entry.value);
        if (!text)
            return; // the offset points outside the file
        bytes = *text;
    }
    if (auto* value = m_dictionary.create<ExifString>(key))
        value->setString(TextBytes::decode(bytes));
}

// A few bytes of a short text tag, read cheaply: in the value field itself
// when they fit there, else through the reader at their offset.
QByteArray TiffWalker::shortText(const Entry& entry) const
{
    if (entry.count <= 4)
        return QByteArray(reinterpret_cast<const char*>(entry.field.data()),
                          qsizetype(std::min<uint32_t>(entry.count, 4)));
    return m_buffer.bytesUpTo(m_base + entry.value, std::min<quint64>(entry.count, ShortTextBytes));
}

void TiffWalker::recordDate(const QString& key, const Entry& entry)
{
    const quint64 at = m_base + entry.value;
    // A text that the end of the file cuts short would be read as another
    // moment ("2004:03:3" as the third of March): it counts as no date.
    const quint64 declared = std::min<quint64>(entry.count, FullDateText);
    if (at >= m_buffer.size() || !m_buffer.contains(at, declared))
        return;
    // Filed once the walk is done: the zone and sub-second tags that go with
    // the date stand after it.
    m_dates.emplace_back(key, m_buffer.bytesUpTo(at, DateTextBytes));
}

bool TiffWalker::fileDate(const QString& key, QByteArrayView text)
{
    const auto reading = DateText::read(text);
    if (!reading)
        return false; // an unset clock counts as no date at all
    if (auto* value = m_dictionary.create<ExifDate>(key)) {
        const std::size_t slot = dateSlot(key);
        value->setDate(reading->instant);
        // The zone written in the text wins over the tag beside it.
        value->setUtcOffsetMinutes(reading->utcOffsetMinutes ? reading->utcOffsetMinutes
                                                             : DateText::readZone(m_offsets.at(slot)));
        value->setTimeUnknown(reading->timeUnknown);
        const QString tagged = DateText::leadingDigits(m_subSeconds.at(slot));
        value->setSubSeconds(reading->timeUnknown ? QString() : tagged.isEmpty() ? reading->subSeconds : tagged);
    }
    return true;
}

// A reader that wants the capture date alone needs only the date that
// ExifAccess::evaluateCreationDate would pick: the last valid text of the
// first key (in its order) that has one. Each conversion asks the C library
// for the time zone, which looks at the zone file on every call; a photo
// holds three dates, so converting one instead of three is worth it.
void TiffWalker::fileWinningDate()
{
    static const QString keys[] = {QStringLiteral("DateTimeOriginal"), QStringLiteral("DateTimeDigitized"),
                                   QStringLiteral("DateTime")};
    for (const QString& key : keys) {
        for (auto it = m_dates.rbegin(); it != m_dates.rend(); ++it) {
            if (it->first == key && fileDate(it->first, it->second)) {
                m_dates.clear();
                return;
            }
        }
    }
    m_dates.clear();
}

void TiffWalker::recordRational(const QString& key, const Entry& entry)
{
    const quint64 at = m_base + entry.value;
    const auto numerator = m_buffer.u32At(at, m_order);
    const auto denominator = m_buffer.u32At(at + 4, m_order);
    if (!numerator || !denominator)
        return;
    if (auto* value = m_dictionary.create<ExifRational>(key))
        value->setNumerator(*numerator, *denominator);
}

} // namespace lumenscribe
