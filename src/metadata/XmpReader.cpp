#include "metadata/XmpReader.h"

#include "metadata/DateText.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"

#include <QRegularExpression>
#include <algorithm>

namespace lumenscribe {

namespace {

constexpr quint64 Window = 64 * 1024;

const char* const DateProperties[] = {"exif:DateTimeOriginal", "xmp:CreateDate", "photoshop:DateCreated"};

// Where `needle` first stands at or after `from`, reading in windows.
std::optional<quint64> find(const ByteReader& buffer, QByteArrayView needle, quint64 from, quint64 limit)
{
    const quint64 end = std::min(buffer.size(), limit);
    const auto overlap = quint64(needle.size() - 1);
    for (quint64 at = from; at < end; at += Window) {
        const QByteArray window = buffer.bytesUpTo(at, std::min(Window + overlap, end - at));
        if (const qsizetype hit = window.indexOf(needle); hit >= 0)
            return at + quint64(hit);
    }
    return std::nullopt;
}

// The property's value, as an attribute (name="value") or an element
// (<name>value</name>), in the packet's text.
QString propertyValue(const QString& packet, const QString& name)
{
    const QString quoted = QRegularExpression::escape(name);
    const QRegularExpression form(
        QStringLiteral("[\\s<]%1(?:\\s*=\\s*[\"']([^\"'<]*)[\"']|>([^<]*)</%1>)").arg(quoted));
    const auto match = form.match(packet);
    if (!match.hasMatch())
        return {};
    return (match.capturedLength(1) ? match.captured(1) : match.captured(2)).trimmed();
}

// An XMP date is "YYYY-MM-DD" or more of "YYYY-MM-DDThh:mm[:ss[.s]][zone]";
// a year or a month alone names no day.
std::optional<DateText::Reading> readXmpDate(QString text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\d{4}[-:]\\d{2}[-:]\\d{2}(?:[T "
                       "]\\d{2}:\\d{2}(:\\d{2}(?:[.,]\\d+)?)?\\s*(?:Z|[+-]\\d{2}(?::?\\d{2})?)?)?$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // Seconds may be left out: make room for them where the fixed layout wants them.
    if (text.size() > 10 && !match.capturedLength(1))
        text.insert(16, QStringLiteral(":00"));
    return DateText::read(text.toLatin1());
}

} // namespace

std::optional<QByteArray> XmpReader::findPacket(const ByteReader& buffer)
{
    for (const QByteArrayView open : {QByteArrayView("<x:xmpmeta"), QByteArrayView("<x:xapmeta")}) {
        const auto start = find(buffer, open, 0, SearchLimit);
        if (!start)
            continue;
        const QByteArray close = "</" + open.sliced(1).toByteArray() + ">";
        const auto end = find(buffer, close, *start, *start + MaxPacket);
        if (!end)
            return std::nullopt;
        return buffer.bytesAt(*start, *end + quint64(close.size()) - *start);
    }
    return std::nullopt;
}

QString XmpReader::readDate(ExifDictionary& dictionary, QByteArrayView packet)
{
    const QString text = QString::fromUtf8(packet.first(std::min<qsizetype>(packet.size(), MaxPacket)));
    for (const char* property : DateProperties) {
        const QString name = QString::fromLatin1(property);
        const auto reading = readXmpDate(propertyValue(text, name));
        if (!reading)
            continue;
        auto* date = dictionary.create<ExifDate>(QStringLiteral("DateTimeOriginal"));
        if (!date)
            return {};
        date->setDate(reading->instant);
        date->setUtcOffsetMinutes(reading->utcOffsetMinutes);
        date->setTimeUnknown(reading->timeUnknown);
        date->setSubSeconds(reading->subSeconds);
        return name;
    }
    return {};
}

QString XmpReader::read(ExifDictionary& dictionary, const ByteReader& buffer)
{
    const auto packet = findPacket(buffer);
    return packet ? readDate(dictionary, *packet) : QString();
}

} // namespace lumenscribe
