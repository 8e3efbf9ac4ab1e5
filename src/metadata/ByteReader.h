// A bounds-checked cursor over a window of a ByteSource. Every binary read of
// the metadata reader goes through it: reads name their byte order, a failed
// read returns nothing and leaves the cursor where it was, and all position
// arithmetic is 64-bit so that no offset + count can wrap. A sub-reader for a
// range cannot see past that range. Positions are counted from the window's
// start.
#pragma once

#include "metadata/ByteSource.h"

#include <QByteArray>
#include <optional>

namespace lumenscribe {

enum class ByteOrder
{
    Little,
    Big
};

class ByteReader
{
public:
    ByteReader(const ByteSource& source, quint64 begin, quint64 size);
    explicit ByteReader(const ByteSource& source);

    quint64 size() const { return m_size; }
    quint64 pos() const { return m_pos; }
    quint64 remaining() const { return m_size - m_pos; }
    bool contains(quint64 pos, quint64 count) const { return pos <= m_size && count <= m_size - pos; }

    bool seek(quint64 pos);
    bool skip(quint64 count);

    std::optional<uint8_t> readU8();
    std::optional<uint16_t> readU16(ByteOrder order);
    std::optional<uint32_t> readU32(ByteOrder order);
    std::optional<uint64_t> readU64(ByteOrder order);
    std::optional<QByteArray> readBytes(quint64 count);

    // Reads at an absolute position of the window; the cursor does not move.
    std::optional<uint8_t> u8At(quint64 pos) const;
    std::optional<uint16_t> u16At(quint64 pos, ByteOrder order) const;
    std::optional<uint32_t> u32At(quint64 pos, ByteOrder order) const;
    std::optional<uint64_t> u64At(quint64 pos, ByteOrder order) const;
    std::optional<QByteArray> bytesAt(quint64 pos, quint64 count) const;
    bool readAt(quint64 pos, std::span<uint8_t> out) const;
    // As many of count bytes at pos as the window holds (none when pos is outside).
    QByteArray bytesUpTo(quint64 pos, quint64 count) const;
    bool matchesAt(quint64 pos, QByteArrayView text) const;

    // The window [pos, pos + count), or nothing when it does not fit.
    std::optional<ByteReader> sub(quint64 pos, quint64 count) const;

private:
    std::optional<uint64_t> unsignedAt(quint64 pos, int width, ByteOrder order) const;

    const ByteSource* m_source;
    quint64 m_begin;
    quint64 m_size;
    quint64 m_pos = 0;
};

} // namespace lumenscribe
