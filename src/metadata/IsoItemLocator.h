// Finds the Exif item of a HEIF/AVIF picture through the boxes of meta.
//
// iinf: version (1), flags (3), count (2 or, from version 1, 4), then infe
// boxes: version (1), flags (3), item ID (2, or 4 from version 3),
// protection index (2), item type (4) - "Exif" is the one wanted.
// iloc: version (1), flags (3), offset/length sizes (4 bits each), base
// offset/index sizes (4 bits each), item count (2, or 4 from version 2), then
// per item: ID (2 or 4), construction method (2, versions 1 and 2), data
// reference (2), base offset, extent count (2), extents: [index], offset,
// length. Sizes are 0, 4 or 8 bytes.
#pragma once

#include "metadata/ByteReader.h"

#include <optional>

namespace lumenscribe {

class IsoItemLocator
{
public:
    // The bytes of the item of type "Exif" among meta's children in [from, to).
    static std::optional<ByteReader> exifItem(const ByteReader& file, quint64 from, quint64 to);

private:
    static std::optional<uint32_t> exifItemId(const ByteReader& iinf);
    static std::optional<ByteReader> locate(const ByteReader& file, const ByteReader& iloc, uint32_t itemId,
                                            std::optional<quint64> idat);
};

} // namespace lumenscribe
