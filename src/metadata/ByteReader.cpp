#include "metadata/ByteReader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumenscribe {

ByteReader::ByteReader(const ByteSource& source, quint64 begin, quint64 size)
    : m_source(&source), m_begin(std::min(begin, source.size())), m_size(std::min(size, source.size() - m_begin))
{
}

ByteReader::ByteReader(const ByteSource& source) : ByteReader(source, 0, source.size())
{
}

bool ByteReader::seek(quint64 pos)
{
    if (pos > m_size)
        return false;
    m_pos = pos;
    return true;
}

bool ByteReader::skip(quint64 count)
{
    if (count > remaining())
        return false;
    m_pos += count;
    return true;
}

bool ByteReader::readAt(quint64 pos, std::span<uint8_t> out) const
{
    if (!contains(pos, out.size()))
        return false;
    return m_source->read(m_begin + pos, out);
}

std::optional<uint64_t> ByteReader::unsignedAt(quint64 pos, int width, ByteOrder order) const
{
    std::array<uint8_t, 8> bytes{};
    if (!readAt(pos, std::span(bytes.data(), std::size_t(width))))
        return std::nullopt;
    uint64_t value = 0;
    for (int i = 0; i < width; ++i) {
        const int index = order == ByteOrder::Big ? i : width - 1 - i;
        value = (value << 8) | bytes[std::size_t(index)];
    }
    return value;
}

std::optional<uint8_t> ByteReader::u8At(quint64 pos) const
{
    const auto value = unsignedAt(pos, 1, ByteOrder::Big);
    return value ? std::optional<uint8_t>(uint8_t(*value)) : std::nullopt;
}

std::optional<uint16_t> ByteReader::u16At(quint64 pos, ByteOrder order) const
{
    const auto value = unsignedAt(pos, 2, order);
    return value ? std::optional<uint16_t>(uint16_t(*value)) : std::nullopt;
}

std::optional<uint32_t> ByteReader::u32At(quint64 pos, ByteOrder order) const
{
    const auto value = unsignedAt(pos, 4, order);
    return value ? std::optional<uint32_t>(uint32_t(*value)) : std::nullopt;
}

std::optional<uint64_t> ByteReader::u64At(quint64 pos, ByteOrder order) const
{
    return unsignedAt(pos, 8, order);
}

std::optional<QByteArray> ByteReader::bytesAt(quint64 pos, quint64 count) const
{
    if (!contains(pos, count))
        return std::nullopt;
    QByteArray bytes(qsizetype(count), '\0');
    if (!readAt(pos, std::span(reinterpret_cast<uint8_t*>(bytes.data()), std::size_t(count))))
        return std::nullopt;
    return bytes;
}

QByteArray ByteReader::bytesUpTo(quint64 pos, quint64 count) const
{
    if (pos >= m_size)
        return {};
    return bytesAt(pos, std::min(count, m_size - pos)).value_or(QByteArray());
}

bool ByteReader::matchesAt(quint64 pos, QByteArrayView text) const
{
    // Signatures are short: compared on the stack, as every file is asked
    // for several of them.
    std::array<uint8_t, 32> small{};
    if (std::size_t(text.size()) <= small.size()) {
        const std::span<uint8_t> bytes(small.data(), std::size_t(text.size()));
        return readAt(pos, bytes) && std::memcmp(bytes.data(), text.data(), bytes.size()) == 0;
    }
    const auto bytes = bytesAt(pos, quint64(text.size()));
    return bytes && QByteArrayView(*bytes) == text;
}

std::optional<ByteReader> ByteReader::sub(quint64 pos, quint64 count) const
{
    if (!contains(pos, count))
        return std::nullopt;
    return ByteReader(*m_source, m_begin + pos, count);
}

template <typename T> static std::optional<T> advance(ByteReader& reader, std::optional<T> value, quint64 width)
{
    if (value)
        reader.skip(width);
    return value;
}

std::optional<uint8_t> ByteReader::readU8()
{
    return advance(*this, u8At(m_pos), 1);
}
std::optional<uint16_t> ByteReader::readU16(ByteOrder order)
{
    return advance(*this, u16At(m_pos, order), 2);
}
std::optional<uint32_t> ByteReader::readU32(ByteOrder order)
{
    return advance(*this, u32At(m_pos, order), 4);
}
std::optional<uint64_t> ByteReader::readU64(ByteOrder order)
{
    return advance(*this, u64At(m_pos, order), 8);
}
std::optional<QByteArray> ByteReader::readBytes(quint64 count)
{
    return advance(*this, bytesAt(m_pos, count), count);
}

} // namespace lumenscribe
