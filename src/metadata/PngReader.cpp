#include "metadata/PngReader.h"

#include "metadata/MemorySource.h"
#include "metadata/TiffWalker.h"

#include <QtEndian>

namespace lumenscribe {

namespace {

const QByteArrayView ExifPrefix("Exif\0\0", 6);
constexpr quint64 MaxKeyword = 79;

bool isRawExifKeyword(QByteArrayView keyword)
{
    return keyword == "Raw profile type exif" || keyword == "Raw profile type APP1";
}

// qUncompress wants the inflated size in front, big-endian; the limit
// there is only a first guess for it, so the input size is what bounds it.
std::optional<QByteArray> inflate(QByteArrayView compressed)
{
    if (quint64(compressed.size()) > PngReader::MaxCompressedText)
        return std::nullopt;
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(quint32(PngReader::MaxProfile), framed.data());
    framed.append(compressed);
    QByteArray inflated = qUncompress(framed);
    if (inflated.isEmpty())
        return std::nullopt;
    return inflated;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool PngReader::matches(const ByteReader& file)
{
    return file.matchesAt(0, "\x89PNG\r\n\x1a\n");
}

bool PngReader::read(ExifDictionary& dictionary, const ByteReader& file)
{
    for (quint64 at = 8; at + 8 <= file.size();) {
        const auto length = file.u32At(at, ByteOrder::Big);
        const auto type = file.bytesAt(at + 4, 4);
        if (!length || !type || *type == "IEND")
            return false;
        const auto chunk = file.sub(at + 8, *length);
        if (!chunk)
            return false;
        if (*type == "eXIf") {
            // Early writers kept the JPEG-style "Exif\0\0" in front of the TIFF data.
            const quint64 base = chunk->matchesAt(0, ExifPrefix) ? 6 : 0;
            return TiffWalker::walkTiffHeader(dictionary, *chunk, base);
        }
        if (const auto text = readText(*chunk, *type); text && isRawExifKeyword(text->keyword)) {
            if (const auto exif = decodeRawProfile(text->text); exif && walkExif(dictionary, *exif))
                return true;
        }
        at += 12 + quint64(*length);
    }
    return false;
}

std::optional<QByteArray> PngReader::xmpPacket(const ByteReader& file)
{
    for (quint64 at = 8; at + 8 <= file.size();) {
        const auto length = file.u32At(at, ByteOrder::Big);
        const auto type = file.bytesAt(at + 4, 4);
        if (!length || !type || *type == "IEND")
            return std::nullopt;
        if (*type == "iTXt") {
            const auto chunk = file.sub(at + 8, *length);
            if (!chunk)
                return std::nullopt;
            if (auto text = readText(*chunk, *type); text && text->keyword == "XML:com.adobe.xmp")
                return std::move(text->text);
        }
        at += 12 + quint64(*length);
    }
    return std::nullopt;
}

// tEXt: keyword, 0, text. zTXt: keyword, 0, method, deflated text. iTXt:
// keyword, 0, compression flag, method, language, 0, translated keyword, 0,
// text (deflated when the flag is 1).
std::optional<PngReader::TextChunk> PngReader::readText(const ByteReader& chunk, QByteArrayView type)
{
    const bool plain = type == "tEXt";
    const bool zipped = type == "zTXt";
    const bool international = type == "iTXt";
    if (!plain && !zipped && !international)
        return std::nullopt;
    const QByteArray head = chunk.bytesUpTo(0, MaxKeyword + 1);
    const qsizetype keywordEnd = head.indexOf('\0');
    if (keywordEnd <= 0)
        return std::nullopt;
    TextChunk result{head.first(keywordEnd), {}};
    quint64 at = quint64(keywordEnd) + 1;
    bool compressed = zipped;
    if (zipped) {
        at += 1; // method: deflate is the only one
    } else if (international) {
        compressed = chunk.u8At(at) == 1;
        at += 2;
        for (int skipped = 0; skipped < 2; ++skipped) { // language, translated keyword
            const QByteArray rest = chunk.bytesUpTo(at, 1024);
            const qsizetype zero = rest.indexOf('\0');
            if (zero < 0)
                return std::nullopt;
            at += quint64(zero) + 1;
        }
    }
    if (at > chunk.size())
        return std::nullopt;
    const quint64 count = chunk.size() - at;
    if (compressed) {
        if (count > MaxCompressedText)
            return std::nullopt;
        const auto bytes = chunk.bytesAt(at, count);
        auto inflated = bytes ? inflate(*bytes) : std::nullopt;
        if (!inflated)
            return std::nullopt;
        result.text = std::move(*inflated);
    } else {
        result.text = chunk.bytesUpTo(at, std::min<quint64>(count, 2 * MaxProfile + 4096));
    }
    return result;
}

std::optional<QByteArray> PngReader::decodeRawProfile(QByteArrayView text)
{
    // "\n<name>\n<spaces><length>\n<hex digits, broken into lines>"
    qsizetype at = 0;
    while (at < text.size() && text[at] == '\n')
        ++at;
    const qsizetype nameEnd = text.indexOf('\n', at);
    if (nameEnd < 0)
        return std::nullopt;
    at = nameEnd + 1;
    while (at < text.size() && text[at] == ' ')
        ++at;
    quint64 length = 0;
    const qsizetype digits = at;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && length <= MaxProfile; ++at)
        length = length * 10 + quint64(text[at] - '0');
    if (at == digits || length == 0 || length > MaxProfile)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(qsizetype(length));
    int high = -1;
    for (; at < text.size() && quint64(bytes.size()) < length; ++at) {
        const int value = hexValue(text[at]);
        if (value < 0)
            continue; // line breaks and blanks between the digits
        if (high < 0) {
            high = value;
        } else {
            bytes.append(char(high * 16 + value));
            high = -1;
        }
    }
    if (quint64(bytes.size()) != length)
        return std::nullopt; // cut short
    return bytes;
}

bool PngReader::walkExif(ExifDictionary& dictionary, QByteArrayView exif)
{
    const MemorySource source(exif);
    const ByteReader reader(source);
    return TiffWalker::walkTiffHeader(dictionary, reader, reader.matchesAt(0, ExifPrefix) ? 6 : 0);
}

} // namespace lumenscribe
