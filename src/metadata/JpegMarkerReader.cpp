#include "metadata/JpegMarkerReader.h"

#include "metadata/TiffWalker.h"

namespace lumenscribe {

namespace {
bool hasNoLength(uint8_t marker)
{
    return marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7);
}
} // namespace

bool JpegMarkerReader::matches(const ByteReader& file)
{
    return file.matchesAt(0, "\xFF\xD8\xFF");
}

bool JpegMarkerReader::read(ExifDictionary& dictionary, const ByteReader& file)
{
    quint64 at = 2;
    while (true) {
        if (file.u8At(at) != 0xFF)
            return false;
        while (file.u8At(at + 1) == 0xFF) // fill bytes before a marker
            ++at;
        const auto marker = file.u8At(at + 1);
        if (!marker || *marker == 0xDA || *marker == 0xD9)
            return false;
        if (hasNoLength(*marker)) {
            at += 2;
            continue;
        }
        const auto length = file.u16At(at + 2, ByteOrder::Big);
        if (!length || *length < 2)
            return false;
        if (*marker == 0xE1 && file.matchesAt(at + 4, QByteArrayView("Exif\0\0", 6))) {
            const auto segment = file.sub(at + 10, *length - 8u);
            if (segment && TiffWalker::walkTiffHeader(dictionary, *segment, 0))
                return true;
        }
        at += 2 + quint64(*length);
    }
}

} // namespace lumenscribe
