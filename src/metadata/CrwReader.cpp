#include "metadata/CrwReader.h"

#include "metadata/DateText.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/TiffWalker.h"

#include <ctime>

namespace lumenscribe {

namespace {
constexpr uint16_t ImageProperties = 0x300A;
constexpr uint16_t TimeStamp = 0x180E;
// Bit 14 of a tag says the value sits in the record itself, not in the heap.
constexpr uint16_t InRecord = 0x4000;
constexpr uint16_t LocationBits = 0xC000;
} // namespace

std::optional<CrwReader::Record> CrwReader::findRecord(const ByteReader& buffer, ByteOrder order, quint64 heap,
                                                       quint64 directory, uint16_t tag)
{
    const auto count = buffer.u16At(directory, order);
    if (!count)
        return std::nullopt;
    for (quint64 i = 0; i < *count; ++i) {
        const quint64 at = directory + 2 + 10 * i;
        const auto recordTag = buffer.u16At(at, order);
        const auto size = buffer.u32At(at + 2, order);
        const auto position = buffer.u32At(at + 6, order);
        if (!recordTag || !size || !position)
            return std::nullopt;
        if (tag == ImageProperties ? *recordTag == tag : (*recordTag & ~LocationBits) == tag) {
            if (*recordTag & InRecord)
                return Record{at + 2, 8};
            return Record{heap + *position, *size};
        }
    }
    return std::nullopt;
}

std::optional<uint32_t> CrwReader::timeStamp(const ByteReader& buffer, ByteOrder order, const Record& properties)
{
    // Software that rewrites a CRW may move the time-stamp record away from
    // the start of the image properties, so the heap's own directory is asked
    // first; only a heap without a readable directory falls back to its
    // first four bytes, which is where the camera writes the time stamp.
    const quint64 heapEnd = properties.dataPosition + properties.size;
    if (properties.size >= 4 && buffer.contains(properties.dataPosition, properties.size)) {
        const auto directory = buffer.u32At(heapEnd - 4, order);
        const quint64 at = properties.dataPosition + directory.value_or(0);
        const auto count = buffer.u16At(at, order);
        if (directory && *directory < properties.size && count && *count > 0 &&
            at + 2 + 10 * quint64(*count) <= heapEnd) {
            const auto record = findRecord(buffer, order, properties.dataPosition, at, TimeStamp);
            return record ? buffer.u32At(record->dataPosition, order) : std::nullopt;
        }
    }
    return buffer.u32At(properties.dataPosition, order);
}

void CrwReader::read(ExifDictionary& dictionary, const ByteReader& buffer)
{
    const auto order = TiffWalker::byteOrderAt(buffer, 0);
    if (!order || buffer.size() < 4)
        return;
    const auto heap = buffer.u32At(2, *order);
    const auto rootOffset = buffer.u32At(buffer.size() - 4, *order);
    if (!heap || !rootOffset)
        return;
    const auto properties = findRecord(buffer, *order, *heap, quint64(*heap) + *rootOffset, ImageProperties);
    if (!properties)
        return;
    const auto seconds = timeStamp(buffer, *order, *properties);
    // A count of 0 is a clock that was never set, not a moment of 1970.
    if (!seconds || *seconds == 0)
        return;
    // The camera counts its own wall-clock time as if it were UTC.
    const time_t camera = time_t(*seconds);
    struct tm broken = {};
    if (!gmtime_r(&camera, &broken))
        return;
    const auto instant = DateText::localInstant(broken);
    if (!instant)
        return;
    if (auto* date = dictionary.create<ExifDate>(QStringLiteral("DateTime")))
        date->setDate(*instant);
}

} // namespace lumenscribe
