#include "metadata/RiffReader.h"

#include "metadata/DateText.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/FreeFormDate.h"
#include "metadata/TiffWalker.h"

#include <algorithm>
#include <cstring>

namespace lumenscribe {

namespace {

constexpr ByteOrder Le = ByteOrder::Little;

// Answers whether all `count` bytes were there to copy.
bool copyInto(const ByteReader& buffer, quint64 from, quint64 count, char* to)
{
    const QByteArray bytes = buffer.bytesUpTo(from, count);
    std::memcpy(to, bytes.constData(), std::size_t(bytes.size()));
    return quint64(bytes.size()) == count;
}

// RIFF pads every chunk to an even length; writers of odd-sized text chunks
// (a 10-character date and its zero byte) rely on it.
quint64 padded(uint32_t size)
{
    return quint64(size) + (size & 1);
}

} // namespace

void RiffReader::readList(const ByteReader& buffer, quint64 from, quint64 to, ListKind kind, DateBytes& text,
                          int& found)
{
    for (quint64 at = from; at < to;) {
        const auto id = buffer.bytesAt(at, 4);
        const auto size = buffer.u32At(at + 4, Le);
        if (!id || !size)
            return;
        const quint64 data = at + 8;
        if (kind == ListKind::Info && *id == "ICRD") {
            copyInto(buffer, data, 10, text.data());
            ++found;
        } else if (kind == ListKind::Exif && *id == "etim") {
            // A time cut off by the end of the file is no time: the day
            // alone is then all that is known, and only in a whole file.
            if (copyInto(buffer, data, 10, text.data() + 11))
                ++found;
        } else if (kind == ListKind::Header && *id == "IDIT") {
            copyInto(buffer, data, std::min<quint64>(*size, 45), text.data());
            found = 2;
        }
        at = data + padded(*size);
    }
}

void RiffReader::readDate(ExifDictionary& dictionary, const ByteReader& buffer)
{
    DateBytes text{};
    text[10] = ' ';
    int found = 0;
    const quint64 declared = buffer.u32At(4, Le).value_or(0);
    const quint64 end = std::min<quint64>(declared, buffer.size());
    // Whether the walk sees every chunk: in a file cut short the time chunk
    // may be what is missing.
    const bool whole = declared <= buffer.size() || buffer.size() >= ExifAccess::MaxReadSize;
    for (quint64 at = 12; found < 2;) {
        if (at >= end) {
            // A creation day with no time chunk still names the day.
            if (found == 1 && text[0] != '\0' && whole)
                storeDate(dictionary, text);
            return;
        }
        const auto id = buffer.bytesAt(at, 4);
        const auto size = buffer.u32At(at + 4, Le);
        if (!id || !size)
            return; // a chunk header cut off by the end of the file
        const quint64 data = at + 8;
        const quint64 next = data + padded(*size);
        if (*id == "LIST") {
            const QByteArray type = buffer.bytesAt(data, 4).value_or(QByteArray());
            const ListKind kind = type == "hdrl"   ? ListKind::Header
                                  : type == "INFO" ? ListKind::Info
                                  : type == "exif" ? ListKind::Exif
                                                   : ListKind::Other;
            if (kind != ListKind::Other)
                readList(buffer, data + 4, next, kind, text, found);
        }
        at = next;
    }
    storeDate(dictionary, text);
}

void RiffReader::storeDate(ExifDictionary& dictionary, const DateBytes& text)
{
    const auto reading = readDateText(text);
    if (!reading)
        return;
    if (auto* date = dictionary.create<ExifDate>(QStringLiteral("DateTime"))) {
        date->setDate(reading->instant);
        date->setTimeUnknown(reading->timeUnknown);
    }
}

std::optional<DateText::Reading> RiffReader::readDateText(const DateBytes& text)
{
    const bool dateSeparators = (text[4] == ':' && text[7] == ':') || (text[4] == '-' && text[7] == '-');
    const bool fixedForm = dateSeparators && text[10] == ' ' && text[13] == ':' && text[16] == ':';
    const QByteArrayView whole(text.data(), qsizetype(text.size()));
    if (fixedForm)
        return DateText::read(whole);
    const QByteArrayView written(text.data(), qstrnlen(text.data(), 49));
    // A day alone: 00:00 of it, with its time marked unknown.
    if (written.trimmed().size() == 10) {
        if (auto day = DateText::read(whole); day && day->timeUnknown)
            return day;
    }
    if (const auto instant = FreeFormDate::parse(written))
        return DateText::Reading{*instant, std::nullopt, false, {}};
    return std::nullopt;
}

bool RiffReader::readWebP(ExifDictionary& dictionary, const ByteReader& buffer)
{
    const quint64 end = std::min<quint64>(quint64(buffer.u32At(4, Le).value_or(0)) + 8, buffer.size());
    for (quint64 at = 12; at + 8 <= end;) {
        const auto id = buffer.bytesAt(at, 4);
        const auto size = buffer.u32At(at + 4, Le);
        if (!id || !size)
            return false;
        if (*id == "EXIF") {
            const auto chunk = buffer.sub(at + 8, *size);
            if (!chunk)
                return false;
            // Some writers keep the JPEG-style "Exif\0\0" in front of the TIFF data.
            const quint64 base = chunk->matchesAt(0, QByteArrayView("Exif\0\0", 6)) ? 6 : 0;
            return TiffWalker::walkTiffHeader(dictionary, *chunk, base);
        }
        at += 8 + padded(*size);
    }
    return false;
}

} // namespace lumenscribe
