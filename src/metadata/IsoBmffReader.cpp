#include "metadata/IsoBmffReader.h"

#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/IsoItemLocator.h"
#include "metadata/QuickTimeKeys.h"
#include "metadata/TiffWalker.h"

#include <array>

namespace lumenscribe {

namespace {

constexpr ByteOrder Be = ByteOrder::Big;
// A crafted file of tiny boxes must not turn a header walk into a long loop.
constexpr int MaxBoxesPerLevel = 10000;
constexpr double SecondsFrom1904To1970 = 2082844800.0;
const QByteArray CanonUuid = QByteArray::fromHex("85c0b687820f11e08111f4ce462b6a48");

} // namespace

void IsoBmffReader::forEachBox(const ByteReader& reader, quint64 from, quint64 to,
                               const std::function<bool(const Box&)>& visit)
{
    to = std::min(to, reader.size());
    quint64 at = from;
    for (int seen = 0; at + 8 <= to && seen < MaxBoxesPerLevel; ++seen) {
        const auto size32 = reader.u32At(at, Be);
        const auto type = reader.bytesAt(at + 4, 4);
        if (!size32 || !type)
            return;
        quint64 header = 8;
        quint64 size = *size32;
        if (size == 1) {
            const auto size64 = reader.u64At(at + 8, Be);
            if (!size64)
                return;
            header = 16;
            size = *size64;
        } else if (size == 0) {
            size = to - at;
        }
        if (size < header || size > to - at)
            return; // a box that overruns its parent ends this level
        if (!visit(Box{*type, at + header, size - header}))
            return;
        at += size;
    }
}

std::optional<IsoBmffReader::Box> IsoBmffReader::findBox(const ByteReader& reader, quint64 from, quint64 to,
                                                         QByteArrayView type)
{
    std::optional<Box> found;
    forEachBox(reader, from, to, [&](const Box& box) {
        if (box.type == type)
            found = box;
        return !found;
    });
    return found;
}

bool IsoBmffReader::matches(const ByteReader& file)
{
    std::array<uint8_t, 4> bytes{};
    if (!file.readAt(4, bytes))
        return false;
    const QByteArrayView type(bytes.data(), 4);
    for (const char* first : {"ftyp", "moov", "mdat", "wide", "free", "skip", "pnot"}) {
        if (type == QByteArrayView(first, 4))
            return true;
    }
    return false;
}

bool IsoBmffReader::readStillImage(ExifDictionary& dictionary, const ByteReader& file)
{
    if (const auto meta = findBox(file, 0, file.size(), "meta")) {
        if (readExifItem(dictionary, file, *meta))
            return true;
    }
    if (const auto moov = findBox(file, 0, file.size(), "moov"))
        return readCanonBlocks(dictionary, file, *moov);
    return false;
}

bool IsoBmffReader::readExifItem(ExifDictionary& dictionary, const ByteReader& file, const Box& meta)
{
    // meta is a full box here: version and flags come before its children.
    const auto item = IsoItemLocator::exifItem(file, meta.payload + 4, meta.payload + meta.size);
    if (!item)
        return false;
    const auto offset = item->u32At(0, Be);
    if (!offset)
        return false;
    return TiffWalker::walkTiffHeader(dictionary, *item, 4 + quint64(*offset));
}

bool IsoBmffReader::readCanonBlocks(ExifDictionary& dictionary, const ByteReader& file, const Box& moov)
{
    bool walked = false;
    forEachBox(file, moov.payload, moov.payload + moov.size, [&](const Box& box) {
        if (box.type != "uuid" || box.size < 16 || file.bytesAt(box.payload, 16) != CanonUuid)
            return true;
        for (const char* name : {"CMT1", "CMT2"}) {
            const auto block = findBox(file, box.payload + 16, box.payload + box.size, name);
            const auto tiff = block ? file.sub(block->payload, block->size) : std::nullopt;
            if (tiff)
                walked = TiffWalker::walkTiffHeader(dictionary, *tiff, 0) || walked;
        }
        return false;
    });
    return walked;
}

bool IsoBmffReader::readMovieDate(ExifDictionary& dictionary, const ByteReader& file)
{
    const auto moov = findBox(file, 0, file.size(), "moov");
    if (!moov)
        return false;
    return readAppleDate(dictionary, file, *moov) || readHeaderDate(dictionary, file, *moov);
}

bool IsoBmffReader::readAppleDate(ExifDictionary& dictionary, const ByteReader& file, const Box& moov)
{
    const auto meta = findBox(file, moov.payload, moov.payload + moov.size, "meta");
    if (!meta)
        return false;
    const auto text =
        QuickTimeKeys::value(file, meta->payload, meta->payload + meta->size, "com.apple.quicktime.creationdate");
    if (!text || !QuickTimeKeys::storeCreationDate(dictionary, *text))
        return false;
    if (dictionary.withModel()) {
        const auto model =
            QuickTimeKeys::value(file, meta->payload, meta->payload + meta->size, "com.apple.quicktime.model");
        if (model)
            QuickTimeKeys::storeModel(dictionary, *model);
    }
    return true;
}

bool IsoBmffReader::readHeaderDate(ExifDictionary& dictionary, const ByteReader& file, const Box& moov)
{
    const auto mvhd = findBox(file, moov.payload, moov.payload + moov.size, "mvhd");
    if (!mvhd)
        return false;
    const auto header = file.sub(mvhd->payload, mvhd->size);
    const auto version = header ? header->u8At(0) : std::nullopt;
    std::optional<uint64_t> created;
    if (version == 1)
        created = header->u64At(4, Be);
    else if (version == 0)
        created = header->u32At(4, Be);
    if (!created || *created == 0 || *created > (uint64_t(1) << 40))
        return false; // 0 is how writers say they did not know
    if (auto* date = dictionary.create<ExifDate>(QStringLiteral("DateTime"))) {
        date->setDate(double(*created) - SecondsFrom1904To1970);
        date->setStoredAsInstant(true); // seconds since 1904 in UTC
    }
    return true;
}

} // namespace lumenscribe
