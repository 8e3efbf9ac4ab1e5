// The capture time of a Canon CRW camera-raw heap.
//
// File: byte order "II"/"MM" (2), header length H (4), "HEAPCCDR" (8); the
// root heap starts at H and its directory position, counted from H, is in
// the file's last 4 bytes. A heap directory: count N (2), N records of 10
// bytes: tag (2), data size (4), data position from the heap's start (4).
// Record 0x300A (image properties) is itself a heap laid out the same way;
// its record 0x180E (time stamp) begins with the time as 32-bit seconds,
// which the camera counts in its own wall-clock time.
#pragma once

#include "metadata/ByteReader.h"

#include <optional>

namespace lumenscribe {

class ExifDictionary;

class CrwReader
{
public:
    // Adds "DateTime" when the heap holds a time stamp.
    static void read(ExifDictionary& dictionary, const ByteReader& buffer);

private:
    struct Record
    {
        quint64 dataPosition; // counted from the buffer's start
        quint32 size;
    };
    static std::optional<Record> findRecord(const ByteReader& buffer, ByteOrder order, quint64 heap, quint64 directory,
                                            uint16_t tag);
    static std::optional<uint32_t> timeStamp(const ByteReader& buffer, ByteOrder order, const Record& properties);
};

} // namespace lumenscribe
