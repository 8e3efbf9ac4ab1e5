// Zero-terminated texts inside file bytes, and how their bytes become text.
#pragma once

#include "metadata/ByteReader.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace lumenscribe {

class TextBytes
{
public:
    // A text is never taken longer than this: no metadata text comes near it,
    // and it keeps a crafted file from costing a read to its end per entry.
    static constexpr quint64 MaxLength = 65536;

    // The bytes from pos up to the first zero byte, the end of the reader or
    // MaxLength; nothing when pos lies outside the reader.
    static std::optional<QByteArray> zeroTerminated(const ByteReader& reader, quint64 pos);
    // UTF-8 when the bytes are valid UTF-8, else Latin-1 (every byte a character).
    static QString decode(QByteArrayView bytes);
};

} // namespace lumenscribe
