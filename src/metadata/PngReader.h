// The EXIF chunk of a PNG picture.
//
// File: the 8-byte signature 89 "PNG" 0D 0A 1A 0A, then chunks: length (4,
// big-endian), type (4), data, CRC (4). "eXIf" holds TIFF data; it may come
// after the image data, so the walk reads every chunk header up to "IEND".
#pragma once

#include "metadata/ByteReader.h"

namespace lumenscribe {

class ExifDictionary;

class PngReader
{
public:
    static bool matches(const ByteReader& file);
    // Walks the eXIf chunk's TIFF data; false when there is none.
    static bool read(ExifDictionary& dictionary, const ByteReader& file);
};

} // namespace lumenscribe
