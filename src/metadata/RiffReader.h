// RIFF files: the date chunks of AVI movies and WAVE sound, and the EXIF
// chunk of WebP pictures.
//
// File: "RIFF", size (4, little-endian), form type (4), chunks from 12 on.
// Chunk: identifier (4), size (4, little-endian), data. A "LIST" chunk's data
// is a list type (4) and sub-chunks of the same shape.
// Dates: hdrl/IDIT (the whole text), or INFO/ICRD (date, 10 bytes) together
// with exif/etim (time, 10 bytes), assembled into one 49-byte text.
#pragma once

#include "metadata/ByteReader.h"
#include "metadata/DateText.h"

#include <array>

namespace lumenscribe {

class ExifDictionary;

class RiffReader
{
public:
    // Adds "DateTime" from the AVI or WAVE date chunks.
    static void readDate(ExifDictionary& dictionary, const ByteReader& buffer);
    // Walks the TIFF data of a WebP "EXIF" chunk; false when there is none.
    static bool readWebP(ExifDictionary& dictionary, const ByteReader& buffer);

private:
    using DateBytes = std::array<char, 49>;
    enum class ListKind
    {
        Other,
        Header,
        Info,
        Exif
    };

    static void readList(const ByteReader& buffer, quint64 from, quint64 to, ListKind kind, DateBytes& text,
                         int& found);
    static void storeDate(ExifDictionary& dictionary, const DateBytes& text);
    static std::optional<DateText::Reading> readDateText(const DateBytes& text);
};

} // namespace lumenscribe
