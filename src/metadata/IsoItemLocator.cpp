#include "metadata/IsoItemLocator.h"

#include "metadata/IsoBmffReader.h"

namespace lumenscribe {

namespace {

constexpr ByteOrder Be = ByteOrder::Big;

std::optional<uint64_t> readSized(ByteReader& reader, int size)
{
    switch (size) {
    case 0:
        return 0;
    case 4:
        return reader.readU32(Be);
    case 8:
        return reader.readU64(Be);
    default:
        return std::nullopt;
    }
}

std::optional<uint32_t> readId(ByteReader& reader, bool wide)
{
    if (wide)
        return reader.readU32(Be);
    const auto id = reader.readU16(Be);
    return id ? std::optional<uint32_t>(*id) : std::nullopt;
}

std::optional<ByteReader> boxReader(const ByteReader& file, const IsoBmffReader::Box& box)
{
    return file.sub(box.payload, box.size);
}

// Method 0 counts from the file's start, method 1 from idat's data.
std::optional<ByteReader> extent(const ByteReader& file, int method, std::optional<quint64> idat, uint64_t base,
                                 uint64_t offset, uint64_t length)
{
    const std::optional<quint64> origin = method == 0 ? std::optional<quint64>(0) : method == 1 ? idat : std::nullopt;
    if (!origin || base > file.size() || offset > file.size())
        return std::nullopt;
    const quint64 start = *origin + base + offset;
    if (start > file.size())
        return std::nullopt;
    return file.sub(start, length ? length : file.size() - start);
}

} // namespace

std::optional<uint32_t> IsoItemLocator::exifItemId(const ByteReader& iinf)
{
    const auto version = iinf.u8At(0);
    if (!version)
        return std::nullopt;
    const quint64 children = *version == 0 ? 6 : 8;
    std::optional<uint32_t> found;
    IsoBmffReader::forEachBox(iinf, children, iinf.size(), [&](const IsoBmffReader::Box& box) {
        if (box.type != "infe")
            return true;
        ByteReader infe = *boxReader(iinf, box);
        const auto infeVersion = infe.readU8();
        if (!infeVersion || *infeVersion < 2 || !infe.skip(3))
            return true;
        const auto id = readId(infe, *infeVersion >= 3);
        if (id && infe.skip(2) && infe.readBytes(4) == "Exif")
            found = id;
        return !found;
    });
    return found;
}

std::optional<ByteReader> IsoItemLocator::locate(const ByteReader& file, const ByteReader& iloc, uint32_t itemId,
                                                 std::optional<quint64> idat)
{
    ByteReader in = iloc;
    const int version = in.readU8().value_or(0xFF);
    if (version > 2 || !in.skip(3) || in.remaining() < 2)
        return std::nullopt;
    const uint16_t sizes = in.readU16(Be).value_or(0);
    const int offsetSize = sizes >> 12, lengthSize = (sizes >> 8) & 0xF;
    const int baseSize = (sizes >> 4) & 0xF, indexSize = version > 0 ? sizes & 0xF : 0;
    const uint32_t count = readId(in, version == 2).value_or(0);
    for (uint32_t i = 0; i < count; ++i) {
        const auto id = readId(in, version == 2);
        const auto method = version > 0 ? in.readU16(Be) : std::optional<uint16_t>(0);
        const auto base = in.skip(2) ? readSized(in, baseSize) : std::nullopt;
        const auto extents = in.readU16(Be);
        if (!id || !method || !base || !extents)
            return std::nullopt;
        for (uint16_t e = 0; e < *extents; ++e) {
            const auto index = readSized(in, indexSize);
            const auto offset = readSized(in, offsetSize);
            const auto length = readSized(in, lengthSize);
            if (!index || !offset || !length)
                return std::nullopt;
            if (*id == itemId && e == 0)
                return extent(file, *method & 0xF, idat, *base + 0, *offset, *length);
        }
    }
    return std::nullopt;
}

std::optional<ByteReader> IsoItemLocator::exifItem(const ByteReader& file, quint64 from, quint64 to)
{
    const auto iinf = IsoBmffReader::findBox(file, from, to, "iinf");
    const auto iloc = IsoBmffReader::findBox(file, from, to, "iloc");
    if (!iinf || !iloc)
        return std::nullopt;
    const auto id = exifItemId(*boxReader(file, *iinf));
    if (!id)
        return std::nullopt;
    const auto idat = IsoBmffReader::findBox(file, from, to, "idat");
    return locate(file, *boxReader(file, *iloc), *id, idat ? std::optional<quint64>(idat->payload) : std::nullopt);
}

} // namespace lumenscribe
