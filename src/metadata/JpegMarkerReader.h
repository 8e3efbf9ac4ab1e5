// The EXIF block of a JPEG found by walking its marker segments, for files
// where the byte scan stops early at an "II" or "MM" inside an earlier
// segment (an XMP packet, an ICC profile, Photoshop data).
//
// File: FF D8, then segments: FF, marker (1), length (2, big-endian, itself
// included), data. Markers D0-D7, 01 and D8 carry no length. The walk ends at
// start of scan (DA) or end of image (D9). APP1 (E1) data "Exif\0\0" is
// followed by the TIFF header.
#pragma once

#include "metadata/ByteReader.h"

namespace lumenscribe {

class ExifDictionary;

class JpegMarkerReader
{
public:
    static bool matches(const ByteReader& file);
    // Walks the first APP1 Exif segment's TIFF data; false when there is none.
    static bool read(ExifDictionary& dictionary, const ByteReader& file);
};

} // namespace lumenscribe
