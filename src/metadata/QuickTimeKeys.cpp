#include "metadata/QuickTimeKeys.h"

#include "metadata/DateText.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/ExifString.h"
#include "metadata/IsoBmffReader.h"
#include "metadata/TextBytes.h"

#include <QtEndian>

namespace lumenscribe {

namespace {

constexpr ByteOrder Be = ByteOrder::Big;
constexpr uint32_t MaxKeys = 10000;

// "+0300", "+03:00", "Z" after the seconds (and any fraction) as "+03:00".
QString zoneText(QByteArrayView rest)
{
    qsizetype at = 0;
    if (at < rest.size() && rest[at] == '.') {
        ++at;
        while (at < rest.size() && rest[at] >= '0' && rest[at] <= '9')
            ++at;
    }
    const QByteArrayView zone = rest.sliced(at);
    if (zone.startsWith("Z"))
        return QStringLiteral("+00:00");
    QByteArray digits;
    for (qsizetype i = 1; i < zone.size() && digits.size() < 4; ++i) {
        if (zone[i] >= '0' && zone[i] <= '9')
            digits += zone[i];
        else if (zone[i] != ':')
            break;
    }
    if (zone.isEmpty() || (zone[0] != '+' && zone[0] != '-') || digits.size() != 4)
        return {};
    return QString::fromLatin1(zone.first(1).toByteArray() + digits.first(2) + ':' + digits.sliced(2));
}

} // namespace

std::optional<uint32_t> QuickTimeKeys::keyIndex(const ByteReader& keys, QByteArrayView name)
{
    ByteReader in = keys;
    const auto count = in.skip(4) ? in.readU32(Be) : std::nullopt;
    for (uint32_t i = 0; count && i < *count && i < MaxKeys; ++i) {
        const auto size = in.readU32(Be);
        if (!size || *size < 8)
            return std::nullopt;
        const auto key = in.readBytes(*size - 4);
        if (!key)
            return std::nullopt;
        if (QByteArrayView(*key).sliced(4) == name)
            return i + 1;
    }
    return std::nullopt;
}

std::optional<QByteArray> QuickTimeKeys::value(const ByteReader& file, quint64 from, quint64 to, QByteArrayView name)
{
    // A QuickTime meta holds its children at once; an ISO one after 4 bytes
    // of version and flags, which read as a zero box size.
    if (file.u32At(from, Be) == 0u)
        from += 4;
    const auto keys = IsoBmffReader::findBox(file, from, to, "keys");
    const auto ilst = IsoBmffReader::findBox(file, from, to, "ilst");
    if (!keys || !ilst)
        return std::nullopt;
    const auto index = keyIndex(*file.sub(keys->payload, keys->size), name);
    if (!index)
        return std::nullopt;
    std::optional<QByteArray> found;
    IsoBmffReader::forEachBox(file, ilst->payload, ilst->payload + ilst->size, [&](const IsoBmffReader::Box& entry) {
        if (entry.type.size() != 4 || qFromBigEndian<uint32_t>(entry.type.constData()) != *index)
            return true;
        const auto data = IsoBmffReader::findBox(file, entry.payload, entry.payload + entry.size, "data");
        if (data && data->size >= 8)
            found = file.bytesUpTo(data->payload + 8, std::min<quint64>(data->size - 8, 256));
        return false;
    });
    return found;
}

bool QuickTimeKeys::storeCreationDate(ExifDictionary& dictionary, QByteArrayView text)
{
    if (text.size() < 19)
        return false;
    const auto instant = DateText::localInstant(text.first(19));
    if (!instant)
        return false;
    const QString zone = zoneText(text.sliced(19));
    if (auto* date = dictionary.create<ExifDate>(QStringLiteral("DateTimeOriginal"))) {
        // The wall-clock time of the place, with the zone it was taken in.
        date->setDate(*instant);
        date->setUtcOffsetMinutes(DateText::readZone(zone.toLatin1()));
        if (text.size() > 20 && text[19] == '.')
            date->setSubSeconds(DateText::leadingDigits(text.sliced(20)));
    }
    if (!zone.isEmpty()) {
        if (auto* offset = dictionary.create<ExifString>(QStringLiteral("OffsetTimeOriginal")))
            offset->setString(zone);
    }
    return true;
}

void QuickTimeKeys::storeModel(ExifDictionary& dictionary, QByteArrayView text)
{
    const qsizetype end = text.indexOf('\0');
    if (auto* model = dictionary.create<ExifString>(QStringLiteral("Model")))
        model->setString(TextBytes::decode(end < 0 ? text : text.first(end)).trimmed());
}

} // namespace lumenscribe
