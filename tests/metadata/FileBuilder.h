// Tiny builders for the binary layouts the metadata reader takes apart, so
// that every byte of a test file is explained where the test makes it.
#pragma once

#include "metadata/ByteReader.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>

namespace lumenscribe::test {

inline QByteArray u16(uint16_t v, ByteOrder order)
{
    QByteArray b(2, '\0');
    b[order == ByteOrder::Big ? 0 : 1] = char(v >> 8);
    b[order == ByteOrder::Big ? 1 : 0] = char(v);
    return b;
}

inline QByteArray u32(uint32_t v, ByteOrder order)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b += char(order == ByteOrder::Big ? v >> (24 - 8 * i) : v >> (8 * i));
    return b;
}

inline QByteArray be32(uint32_t v)
{
    return u32(v, ByteOrder::Big);
}
inline QByteArray le32(uint32_t v)
{
    return u32(v, ByteOrder::Little);
}

// One TIFF directory with its out-of-line values, and optionally an Exif
// sub-directory placed after them.
class TiffBuilder
{
public:
    explicit TiffBuilder(ByteOrder order) : m_order(order) {}

    ByteOrder order() const { return m_order; }
    // An entry whose value field holds exactly these 4 bytes.
    TiffBuilder& field(uint16_t tag, uint16_t type, uint32_t count, QByteArray bytes)
    {
        m_entries.append({tag, type, count, bytes.leftJustified(4, '\0', true), {}, -1});
        return *this;
    }
    TiffBuilder& number(uint16_t tag, uint16_t type, uint32_t value)
    {
        QByteArray bytes = type == 3 ? u16(uint16_t(value), m_order) : u32(value, m_order);
        if (type == 1)
            bytes = QByteArray(1, char(value));
        return field(tag, type, 1, bytes);
    }
    // A value stored out of line; its offset goes into the value field.
    TiffBuilder& data(uint16_t tag, uint16_t type, uint32_t count, QByteArray bytes)
    {
        m_entries.append({tag, type, count, {}, bytes, -1});
        return *this;
    }
    TiffBuilder& text(uint16_t tag, QByteArray text)
    {
        text += '\0';
        if (text.size() <= 4)
            return field(tag, 2, uint32_t(text.size()), text);
        return data(tag, 2, uint32_t(text.size()), text);
    }
    TiffBuilder& rational(uint16_t tag, uint32_t num, uint32_t den)
    {
        return data(tag, 5, 1, u32(num, m_order) + u32(den, m_order));
    }
    // The Exif pointer, at this place among the entries.
    TiffBuilder& exif(const TiffBuilder& sub)
    {
        m_subs.append(sub);
        m_entries.append({0x8769, 4, 1, {}, {}, int(m_subs.size() - 1)});
        return *this;
    }
    TiffBuilder& nextDirectory(const TiffBuilder& next)
    {
        m_subs.append(next);
        m_next = int(m_subs.size() - 1);
        return *this;
    }

    // The directory and everything it points to, placed at `at` (counted
    // from the TIFF header).
    QByteArray directory(uint32_t at) const
    {
        const uint32_t tableSize = 2 + 12 * uint32_t(m_entries.size()) + 4;
        QByteArray table = u16(uint16_t(m_entries.size()), m_order);
        QByteArray tail;
        QList<uint32_t> subAt(m_subs.size(), 0);
        for (const Entry& e : m_entries) {
            if (e.outOfLine)
                tail += *e.outOfLine;
        }
        uint32_t cursor = at + tableSize + uint32_t(tail.size());
        QList<QByteArray> subBytes;
        for (qsizetype i = 0; i < m_subs.size(); ++i) {
            subAt[i] = cursor;
            subBytes.append(m_subs[i].directory(cursor));
            cursor += uint32_t(subBytes.last().size());
        }
        uint32_t dataAt = at + tableSize;
        for (const Entry& e : m_entries) {
            table += u16(e.tag, m_order) + u16(e.type, m_order) + u32(e.count, m_order);
            if (e.sub >= 0) {
                table += u32(subAt[e.sub], m_order);
            } else if (e.outOfLine) {
                table += u32(dataAt, m_order);
                dataAt += uint32_t(e.outOfLine->size());
            } else {
                table += e.inline4;
            }
        }
        table += u32(m_next >= 0 ? subAt[m_next] : 0, m_order);
        QByteArray all = table + tail;
        for (const QByteArray& sub : subBytes)
            all += sub;
        return all;
    }

    // A whole TIFF: header, then the directory at 8.
    QByteArray build() const
    {
        return QByteArray(m_order == ByteOrder::Big ? "MM" : "II") + u16(42, m_order) + u32(8, m_order) + directory(8);
    }

private:
    struct Entry
    {
        uint16_t tag, type;
        uint32_t count;
        QByteArray inline4;
        std::optional<QByteArray> outOfLine;
        int sub;
    };
    ByteOrder m_order;
    QList<Entry> m_entries;
    QList<TiffBuilder> m_subs;
    int m_next = -1;
};

// A JPEG with an APP1 Exif segment holding `tiff`, after optional segments.
inline QByteArray jpeg(const QByteArray& tiff, const QByteArray& before = {})
{
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    return QByteArray("\xFF\xD8", 2) + before + QByteArray("\xFF\xE1", 2) +
           u16(uint16_t(exif.size() + 2), ByteOrder::Big) + exif + QByteArray("\xFF\xDA", 2) + QByteArray(40, '\x55');
}

inline QByteArray jpegSegment(uint8_t marker, const QByteArray& data)
{
    return QByteArray(1, '\xFF') + char(marker) + u16(uint16_t(data.size() + 2), ByteOrder::Big) + data;
}

inline QByteArray riffChunk(const QByteArray& id, const QByteArray& data, bool pad = true)
{
    QByteArray chunk = id + le32(uint32_t(data.size())) + data;
    if (pad && data.size() % 2)
        chunk += '\0';
    return chunk;
}

inline QByteArray riffList(const QByteArray& type, const QByteArray& chunks)
{
    return riffChunk("LIST", type + chunks);
}

inline QByteArray riff(const QByteArray& form, const QByteArray& chunks)
{
    return "RIFF" + le32(uint32_t(chunks.size() + 4)) + form + chunks;
}

inline QByteArray box(const QByteArray& type, const QByteArray& payload)
{
    return be32(uint32_t(payload.size() + 8)) + type + payload;
}

// A CRW heap record: tag, size, position from the heap's start (little-endian).
inline QByteArray crwRecord(uint16_t tag, uint32_t size, uint32_t position)
{
    return u16(tag, ByteOrder::Little) + le32(size) + le32(position);
}

// A heap: its data, then the directory of `records`, then the directory's
// position counted from the heap's start.
inline QByteArray crwHeap(const QByteArray& data, const QList<QByteArray>& records)
{
    QByteArray heap = data + u16(uint16_t(records.size()), ByteOrder::Little);
    for (const QByteArray& record : records)
        heap += record;
    return heap + le32(uint32_t(data.size()));
}

// A CRW file: header of 26 bytes, then the root heap.
inline QByteArray crwFile(const QByteArray& rootHeap)
{
    return QByteArray("II") + le32(26) + QByteArray("HEAPCCDR") + QByteArray(12, '\0') + rootHeap;
}

} // namespace lumenscribe::test
