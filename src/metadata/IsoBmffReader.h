// ISO base media and QuickTime files: HEIC/HEIF/AVIF pictures, Canon CR3
// raws, MP4/MOV/3GP movies.
//
// Box: size (4, big-endian; 1 = a 64-bit size follows the type, 0 = to the
// end of the enclosing box), type (4), payload. Pictures keep their Exif item
// in meta (after 4 bytes of version and flags): iinf names the item of type
// "Exif", iloc gives its place in the file; the item's data is a 32-bit
// offset followed, that many bytes on, by the TIFF header. CR3 keeps two TIFF
// blocks in moov/uuid(Canon)/CMT1 and CMT2. Movies carry
// moov/meta/keys + ilst (Apple's creation date with its zone) and
// moov/mvhd (creation time: seconds since 1904-01-01 00:00:00 UTC).
#pragma once

#include "metadata/ByteReader.h"

#include <functional>

namespace lumenscribe {

class ExifDictionary;

class IsoBmffReader
{
public:
    static bool matches(const ByteReader& file);
    // Walks the Exif item or the CR3 TIFF blocks; false when there are none.
    static bool readStillImage(ExifDictionary& dictionary, const ByteReader& file);
    // Apple's creation date ("DateTimeOriginal" with "OffsetTimeOriginal"),
    // else the movie header's ("DateTime"); false when neither is there.
    static bool readMovieDate(ExifDictionary& dictionary, const ByteReader& file);

    struct Box
    {
        QByteArray type;
        quint64 payload; // position of the payload in the reader
        quint64 size;    // payload bytes
    };
    // Calls visit for each box in [from, to) until it returns false.
    static void forEachBox(const ByteReader& reader, quint64 from, quint64 to,
                           const std::function<bool(const Box&)>& visit);
    static std::optional<Box> findBox(const ByteReader& reader, quint64 from, quint64 to, QByteArrayView type);

private:
    static bool readExifItem(ExifDictionary& dictionary, const ByteReader& file, const Box& meta);
    static bool readCanonBlocks(ExifDictionary& dictionary, const ByteReader& file, const Box& moov);
    static bool readAppleDate(ExifDictionary& dictionary, const ByteReader& file, const Box& moov);
    static bool readHeaderDate(ExifDictionary& dictionary, const ByteReader& file, const Box& moov);
};

} // namespace lumenscribe
