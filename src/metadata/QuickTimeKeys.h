// QuickTime metadata keys inside a moov/meta box, and Apple's creation date.
//
// keys: version (1), flags (3), count (4), then per key: size (4, itself
// included), namespace (4), name. ilst: one box per value, whose type is the
// key's 1-based index (4, big-endian), holding a "data" box: type (4),
// locale (4), value.
#pragma once

#include "metadata/ByteReader.h"

#include <optional>

namespace lumenscribe {

class ExifDictionary;

class QuickTimeKeys
{
public:
    // The value bytes of the key `name` in the meta payload [from, to).
    static std::optional<QByteArray> value(const ByteReader& file, quint64 from, quint64 to, QByteArrayView name);
    // "2019-07-24T11:25:40+0300": the wall-clock part as "DateTimeOriginal",
    // the zone as "OffsetTimeOriginal" (+03:00). False when it holds no date.
    static bool storeCreationDate(ExifDictionary& dictionary, QByteArrayView text);
    // "iPhone 12 mini" as "Model", as EXIF files it.
    static void storeModel(ExifDictionary& dictionary, QByteArrayView text);

private:
    static std::optional<uint32_t> keyIndex(const ByteReader& keys, QByteArrayView name);
};

} // namespace lumenscribe
