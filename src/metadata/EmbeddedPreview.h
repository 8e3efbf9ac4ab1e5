// Where a camera file keeps a ready-made JPEG of its picture, so that a
// preview costs the decode of a small JPEG instead of the raw data.
//
// TIFF-based files (TIFF, DNG, NEF, CR2, ARW, ORF, RW2...): header "II"/"MM",
// 42 (or a raw format's own number), first directory (4). Each directory may
// hold a thumbnail as JPEGInterchangeFormat (0x201) + Length (0x202), or a
// strip of JPEG data: Compression (0x103) 6 or 7, StripOffsets (0x111) and
// StripByteCounts (0x117) with one strip. SubIFDs (0x14A) lead to the raw's
// preview directories; RW2 keeps a whole JPEG as JpgFromRaw (0x2E, undefined
// bytes: count = length, value = offset). Orientation (0x112) of the first
// directory turns the preview.
// JPEG: the APP1 "Exif\0\0" segment's TIFF, read as above (its thumbnail).
// CRW: the root heap's record 0x2007 (JPEG preview) or 0x2008 (thumbnail),
// see CrwReader for the heap layout.
// CR3: top-level uuid eaf42b5e-1c98-4b88-b9fb-b7dc406e4d16, 8 bytes, then a
// PRVW box: 12 bytes, JPEG length (4), JPEG; moov/uuid(Canon)/THMB: 8 bytes,
// JPEG length (4), 4 bytes, JPEG.
// A candidate counts only when its bytes begin a JPEG whose frame header
// (SOF0, SOF1 or SOF2) is found: that gives its size, and a lossless JPEG
// (a DNG's raw data) is not taken for a picture.
#pragma once

#include "metadata/ByteReader.h"

#include <QList>
#include <QSize>
#include <optional>

namespace lumenscribe {

class EmbeddedPreview
{
public:
    struct Candidate
    {
        quint64 offset = 0;
        quint64 length = 0;
        QSize size; // pixels, as the JPEG's frame header gives them
    };
    struct Found
    {
        QList<Candidate> candidates; // each distinct range once
        int orientation = 1;         // EXIF orientation, 1 to 8
    };

    static Found find(const ByteReader& file);
    // The smallest candidate that covers `target` either way round (cheapest
    // to decode at that size), else the largest; none when there is none.
    static std::optional<Candidate> choose(const Found& found, QSize target);
    // The pixel size of a JPEG that a decoder for ordinary photographs can
    // read: its frame header is baseline, extended or progressive.
    static std::optional<QSize> jpegFrameSize(const ByteReader& jpeg);
};

} // namespace lumenscribe
