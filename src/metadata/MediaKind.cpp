#include "metadata/MediaKind.h"

#include "metadata/ByteReader.h"

#include <algorithm>

namespace lumenscribe {

namespace {

using Kind = MediaKind::Kind;

// The bytes of a literal, NULs and all (a QByteArrayView made from a char
// array stops at its first NUL).
template <std::size_t N> constexpr QByteArrayView sig(const char (&text)[N])
{
    return QByteArrayView(text, N - 1);
}

// Enough for every signature below, and three MPEG transport packets.
constexpr quint64 kHeadSize = 3 * 192 + 8;

bool startsWithAny(const ByteReader& head, std::initializer_list<QByteArrayView> signatures)
{
    return std::any_of(signatures.begin(), signatures.end(),
                       [&head](QByteArrayView signature) { return head.matchesAt(0, signature); });
}

Kind ofTiff(const ByteReader& head)
{
    // TIFF and the raws built on it, and the raws that changed its marks
    // (Olympus, Panasonic), BigTIFF.
    return startsWithAny(head, {sig("II*\0"), sig("MM\0*"), sig("IIRO"), sig("IIRS"), sig("MMOR"), sig("IIU\0"),
                                sig("II+\0"), sig("MM\0+")})
               ? Kind::Photo
               : Kind::Other;
}

// ISO base media (MP4, 3GP, HEIF, AVIF, Canon CR3) by its major brand;
// QuickTime files from before "ftyp" start with one of their own boxes.
Kind ofIsoBmff(const ByteReader& head)
{
    if (head.matchesAt(4, "ftyp")) {
        for (const QByteArrayView brand : {"heic", "heix", "heim", "heis", "mif1", "avif", "crx ", "jxl "}) {
            if (head.matchesAt(8, brand))
                return Kind::Photo;
        }
        for (const QByteArrayView brand : {"M4A ", "M4B "}) {
            if (head.matchesAt(8, brand))
                return Kind::Sound;
        }
        return Kind::Movie;
    }
    for (const QByteArrayView box : {"moov", "mdat", "wide", "free", "skip", "pnot"}) {
        if (head.matchesAt(4, box))
            return Kind::Movie;
    }
    return Kind::Other;
}

Kind ofRiff(const ByteReader& head)
{
    if (!head.matchesAt(0, "RIFF"))
        return Kind::Other;
    if (head.matchesAt(8, "WEBP"))
        return Kind::Photo;
    if (head.matchesAt(8, "AVI "))
        return Kind::Movie;
    if (head.matchesAt(8, "WAVE"))
        return Kind::Sound;
    return Kind::Other;
}

// An MPEG transport stream (".MTS", ".M2TS"): a sync byte 0x47 at the start
// of every packet, of 188 bytes, or 192 with a 4-byte time stamp before it.
bool isTransportStream(const ByteReader& head)
{
    for (const quint64 stride : {188u, 192u}) {
        const quint64 first = stride == 192 ? 4 : 0;
        int syncs = 0;
        quint64 at = first;
        for (; head.contains(at, 1) && syncs < 3; at += stride) {
            if (head.u8At(at) != 0x47)
                break;
            ++syncs;
        }
        // Every packet the head holds, and at least two of them.
        if (syncs >= 2 && (syncs == 3 || !head.contains(at, 1)))
            return true;
    }
    return false;
}

} // namespace

MediaKind::Kind MediaKind::of(const ByteSource& source)
{
    const ByteReader whole(source);
    const auto head = whole.sub(0, std::min<quint64>(whole.size(), kHeadSize));
    if (!head || head->size() < 4)
        return Kind::Other;
    if (startsWithAny(*head, {sig("\xFF\xD8\xFF"), sig("\x89PNG\r\n\x1A\n"), sig("GIF87a"), sig("GIF89a"),
                              sig("FUJIFILMCCD-RAW"), sig("\0MRM"), sig("FOVb"), sig("\xFF\x0A"),
                              sig("\0\0\0\x0CJXL \r\n\x87\n")}) ||
        head->matchesAt(6, "HEAPCCDR"))
        return Kind::Photo;
    // A Windows bitmap: "BM", then its reserved words, which are zero.
    if (head->matchesAt(0, "BM") && head->matchesAt(6, sig("\0\0\0\0")))
        return Kind::Photo;
    if (startsWithAny(*head, {sig("\x1A\x45\xDF\xA3"), sig("\0\0\x01\xBA"), sig("\0\0\x01\xB3")}) ||
        isTransportStream(*head))
        return Kind::Movie;
    for (const Kind kind : {ofTiff(*head), ofIsoBmff(*head), ofRiff(*head)}) {
        if (kind != Kind::Other)
            return kind;
    }
    return Kind::Other;
}

} // namespace lumenscribe
