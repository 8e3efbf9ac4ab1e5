#include "metadata/PngReader.h"

#include "metadata/TiffWalker.h"

namespace lumenscribe {

bool PngReader::matches(const ByteReader& file)
{
    return file.matchesAt(0, "\x89PNG\r\n\x1a\n");
}

bool PngReader::read(ExifDictionary& dictionary, const ByteReader& file)
{
    for (quint64 at = 8; at + 8 <= file.size();) {
        const auto length = file.u32At(at, ByteOrder::Big);
        const auto type = file.bytesAt(at + 4, 4);
        if (!length || !type || *type == "IEND")
            return false;
        if (*type == "eXIf") {
            const auto chunk = file.sub(at + 8, *length);
            if (!chunk)
                return false;
            // Early writers kept the JPEG-style "Exif\0\0" in front of the TIFF data.
            const quint64 base = chunk->matchesAt(0, QByteArrayView("Exif\0\0", 6)) ? 6 : 0;
            return TiffWalker::walkTiffHeader(dictionary, *chunk, base);
        }
        at += 12 + quint64(*length);
    }
    return false;
}

} // namespace lumenscribe
