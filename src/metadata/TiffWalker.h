// Walks a TIFF image file directory and records every tag it knows in the
// reader's dictionary; follows the Exif sub-directory pointer and nothing else.
//
// Directory at P: count N (2 bytes), N entries of 12 bytes, then a 4-byte
// next-directory link that is never followed.
// Entry: tag (2), type (2), count (4), value field (4): the value itself when
// it fits in 4 bytes, else its offset from the TIFF header (the base).
// TIFF header at base: "II" or "MM", 42, offset of the first directory (4).
#pragma once

#include "metadata/ByteReader.h"

#include <array>
#include <set>
#include <utility>
#include <vector>

namespace lumenscribe {

class ExifDictionary;

class TiffWalker
{
public:
    TiffWalker(ExifDictionary& dictionary, const ByteReader& buffer);

    // Walks the directory at the buffer position `position`; offsets inside
    // count from `base`.
    void searchIFD(ByteOrder order, quint64 base, quint64 position);

    static constexpr uint16_t TiffMagic = 42;

    // The TIFF header at base: its byte order, 42, and the first directory.
    // False when there is no such header; the directory is walked otherwise.
    // At the start of the bytes the marks of TIFF-based raw files count too.
    static bool walkTiffHeader(ExifDictionary& dictionary, const ByteReader& buffer, quint64 base);
    // The number a raw format writes in place of 42.
    static bool isRawMagic(uint16_t magic);
    // "II" or "MM" at pos.
    static std::optional<ByteOrder> byteOrderAt(const ByteReader& buffer, quint64 pos);

private:
    struct Entry
    {
        uint16_t tag;
        uint16_t type;
        uint32_t count;
        uint32_t value;
        std::array<uint8_t, 4> field; // the value field as it stands in the file
    };

    void walk(quint64 position, int depth);
    void record(const Entry& entry, int depth);
    uint32_t integer(const Entry& entry) const;
    uint32_t lowIntegers(const Entry& entry) const;
    void recordText(const QString& key, const Entry& entry);
    QByteArray shortText(const Entry& entry) const;
    void recordDate(const QString& key, const Entry& entry);
    bool fileDate(const QString& key, QByteArrayView text);
    void fileWinningDate();
    void recordRational(const QString& key, const Entry& entry);

    ExifDictionary& m_dictionary;
    const ByteReader& m_buffer;
    ByteOrder m_order = ByteOrder::Little;
    quint64 m_base = 0;
    std::set<quint64> m_visited;
    // The date texts of the walk, in the order they were met.
    std::vector<std::pair<QString, QByteArray>> m_dates;
    // The zone and sub-second texts of DateTimeOriginal, DateTimeDigitized
    // and DateTime, in that order.
    std::array<QByteArray, 3> m_offsets;
    std::array<QByteArray, 3> m_subSeconds;
};

} // namespace lumenscribe
