// Capture dates in XMP, for files whose EXIF holds none: the packet inside
// the file (JPEG APP1, PNG iTXt, TIFF tag 700, HEIF items all keep it as
// plain text), or a sidecar file beside it.
#pragma once

#include "metadata/ByteReader.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace lumenscribe {

class ExifDictionary;

class XmpReader
{
public:
    // A packet is never taken longer than this.
    static constexpr quint64 MaxPacket = 1024 * 1024;
    // Only the start of a file is searched for its packet: every container
    // that holds one keeps it with the headers, and a file without a date
    // should not cost a read to its end.
    static constexpr quint64 SearchLimit = 4 * 1024 * 1024;

    // The first "<x:xmpmeta" ... "</x:xmpmeta>" packet within SearchLimit.
    static std::optional<QByteArray> findPacket(const ByteReader& buffer);
    // Files the packet's date under "DateTimeOriginal" and answers the XMP
    // property it came from ("exif:DateTimeOriginal", "xmp:CreateDate",
    // "photoshop:DateCreated", in that order of preference); empty for none.
    static QString readDate(ExifDictionary& dictionary, QByteArrayView packet);
    // findPacket, then readDate.
    static QString read(ExifDictionary& dictionary, const ByteReader& buffer);
};

} // namespace lumenscribe
