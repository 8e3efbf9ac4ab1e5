// The byte-by-byte search of a buffer for the first "TimeDate=" text, "Exif"
// signature or bare TIFF byte-order mark, and the walk of the TIFF it finds.
// It knows nothing of JPEG segments, which is why it finds the EXIF block of
// a JPEG, a TIFF file, a TIFF-based raw and a camera's EXIF-framed movie alike.
#pragma once

#include "metadata/ByteReader.h"

namespace lumenscribe {

class ExifDictionary;

class ExifScanner
{
public:
    static void scan(ExifDictionary& dictionary, const ByteReader& buffer);

private:
    static void walkHeader(ExifDictionary& dictionary, const ByteReader& buffer, quint64 base);
    static void storeTimeDate(ExifDictionary& dictionary, const ByteReader& buffer, quint64 pos);
};

} // namespace lumenscribe
