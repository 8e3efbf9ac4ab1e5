// The EXIF of a PNG picture.
//
// File: the 8-byte signature 89 "PNG" 0D 0A 1A 0A, then chunks: length (4,
// big-endian), type (4), data, CRC (4). "eXIf" holds TIFF data; it may come
// after the image data, so the walk reads every chunk header up to "IEND".
// Converters (ImageMagick and those built on it) write EXIF instead as a
// text chunk (tEXt, zTXt or iTXt) with the keyword "Raw profile type exif"
// or "Raw profile type APP1": "\n", the profile name, "\n", its length in
// bytes, "\n", then those bytes in hexadecimal over several lines.
#pragma once

#include "metadata/ByteReader.h"

#include <QByteArray>
#include <optional>

namespace lumenscribe {

class ExifDictionary;

class PngReader
{
public:
    // Compressed text is inflated only from chunks up to this size, which
    // bounds what a crafted chunk can make us allocate.
    static constexpr quint64 MaxCompressedText = 64 * 1024;
    // A raw profile holds at most this many bytes of EXIF.
    static constexpr quint64 MaxProfile = 1024 * 1024;

    static bool matches(const ByteReader& file);
    // Walks the EXIF of the eXIf chunk, else of a raw profile text chunk;
    // false when there is none.
    static bool read(ExifDictionary& dictionary, const ByteReader& file);
    // The XMP packet of the "XML:com.adobe.xmp" iTXt chunk, inflated if need be.
    static std::optional<QByteArray> xmpPacket(const ByteReader& file);

    // The bytes of a raw profile text; nothing when it is not one.
    static std::optional<QByteArray> decodeRawProfile(QByteArrayView text);

private:
    struct TextChunk
    {
        QByteArray keyword;
        QByteArray text; // inflated
    };
    static std::optional<TextChunk> readText(const ByteReader& chunk, QByteArrayView type);
    static bool walkExif(ExifDictionary& dictionary, QByteArrayView exif);
};

} // namespace lumenscribe
