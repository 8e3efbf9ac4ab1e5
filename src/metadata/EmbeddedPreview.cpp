#include "metadata/EmbeddedPreview.h"

#include "metadata/IsoBmffReader.h"
#include "metadata/TiffWalker.h"

#include <set>

namespace lumenscribe {

namespace {

enum Tag : uint16_t
{
    JpgFromRaw = 0x002E,
    Compression = 0x0103,
    StripOffsets = 0x0111,
    Orientation = 0x0112,
    StripByteCounts = 0x0117,
    SubIFDs = 0x014A,
    JpegOffset = 0x0201,
    JpegLength = 0x0202
};

enum Type : uint16_t
{
    Short = 3,
    Long = 4,
    Ifd = 13
};

// Directories are linked by offsets a file can point anywhere, back at
// themselves included: the walk is bounded in every direction.
constexpr int MaxDirectories = 32;
constexpr int MaxChain = 8;
constexpr int MaxSubIfds = 8;
constexpr int MaxDepth = 3;
constexpr int MaxEntries = 1024;
constexpr int MaxSegments = 256;
const QByteArray PreviewUuid = QByteArray::fromHex("eaf42b5e1c984b88b9fbb7dc406e4d16");
const QByteArray CanonUuid = QByteArray::fromHex("85c0b687820f11e08111f4ce462b6a48");

class Collector
{
public:
    explicit Collector(const ByteReader& file) : m_file(file) {}

    void add(quint64 offset, quint64 length)
    {
        if (length < 4 || !m_file.contains(offset, length))
            return;
        for (const auto& known : m_found.candidates) {
            if (known.offset == offset && known.length == length)
                return;
        }
        const auto jpeg = m_file.sub(offset, length);
        const auto size = jpeg ? EmbeddedPreview::jpegFrameSize(*jpeg) : std::nullopt;
        if (size)
            m_found.candidates.append({offset, length, *size});
    }
    void setOrientation(int value)
    {
        if (value >= 1 && value <= 8)
            m_found.orientation = value;
    }
    const ByteReader& file() const { return m_file; }
    EmbeddedPreview::Found result() const { return m_found; }

private:
    const ByteReader& m_file;
    EmbeddedPreview::Found m_found;
};

class TiffPreviewWalker
{
public:
    TiffPreviewWalker(Collector& collector, ByteOrder order, quint64 base)
        : m_collector(collector), m_file(collector.file()), m_order(order), m_base(base)
    {
    }

    void walkChain(quint64 first, int depth)
    {
        quint64 next = first;
        for (int i = 0; i < MaxChain && next != 0; ++i) {
            const auto link = walkDirectory(m_base + next, depth, depth == 0 && i == 0);
            if (!link)
                return;
            next = *link;
        }
    }

private:
    struct Strip
    {
        uint32_t compression = 0;
        std::optional<uint32_t> offset;
        std::optional<uint32_t> length;
        std::optional<uint32_t> jpegOffset;
        std::optional<uint32_t> jpegLength;
    };

    // The directory's next-directory link, or none when it cannot be read.
    std::optional<uint32_t> walkDirectory(quint64 at, int depth, bool first)
    {
        if (!m_visited.insert(at).second || int(m_visited.size()) > MaxDirectories)
            return std::nullopt;
        const auto count = m_file.u16At(at, m_order);
        if (!count || *count > MaxEntries)
            return std::nullopt;
        Strip strip;
        std::vector<uint32_t> subIfds;
        for (quint64 i = 0; i < *count; ++i) {
            const quint64 entry = at + 2 + 12 * i;
            const auto tag = m_file.u16At(entry, m_order);
            const auto type = m_file.u16At(entry + 2, m_order);
            const auto n = m_file.u32At(entry + 4, m_order);
            if (!tag || !type || !n)
                return std::nullopt;
            const auto value = *n == 1 ? scalar(entry + 8, *type) : std::nullopt;
            switch (*tag) {
            case Compression:
                strip.compression = value.value_or(0);
                break;
            case StripOffsets:
                strip.offset = value;
                break;
            case StripByteCounts:
                strip.length = value;
                break;
            case JpegOffset:
                strip.jpegOffset = value;
                break;
            case JpegLength:
                strip.jpegLength = value;
                break;
            case JpgFromRaw:
                if (auto offset = m_file.u32At(entry + 8, m_order))
                    m_collector.add(m_base + *offset, *n);
                break;
            case Orientation:
                if (first && value)
                    m_collector.setOrientation(int(*value));
                break;
            case SubIFDs:
                subIfds = offsets(entry + 8, *type, *n);
                break;
            default:
                break;
            }
        }
        if (strip.jpegOffset && strip.jpegLength)
            m_collector.add(m_base + *strip.jpegOffset, *strip.jpegLength);
        if ((strip.compression == 6 || strip.compression == 7) && strip.offset && strip.length)
            m_collector.add(m_base + *strip.offset, *strip.length);
        if (depth < MaxDepth) {
            for (uint32_t sub : subIfds)
                walkChain(sub, depth + 1);
        }
        return m_file.u32At(at + 2 + 12 * quint64(*count), m_order);
    }

    std::optional<uint32_t> scalar(quint64 field, uint16_t type) const
    {
        if (type == Short)
            return m_file.u16At(field, m_order);
        if (type == Long || type == Ifd)
            return m_file.u32At(field, m_order);
        return std::nullopt;
    }

    std::vector<uint32_t> offsets(quint64 field, uint16_t type, uint32_t count) const
    {
        std::vector<uint32_t> result;
        if ((type != Long && type != Ifd) || count == 0)
            return result;
        quint64 at = field;
        if (count > 1) {
            const auto pointer = m_file.u32At(field, m_order);
            if (!pointer)
                return result;
            at = m_base + *pointer;
        }
        for (uint32_t i = 0; i < count && i < MaxSubIfds; ++i) {
            if (const auto offset = m_file.u32At(at + 4 * quint64(i), m_order))
                result.push_back(*offset);
        }
        return result;
    }

    Collector& m_collector;
    const ByteReader& m_file;
    ByteOrder m_order;
    quint64 m_base;
    std::set<quint64> m_visited;
};

void walkTiff(Collector& collector, quint64 base, bool atStart)
{
    const ByteReader& file = collector.file();
    const auto order = TiffWalker::byteOrderAt(file, base);
    if (!order)
        return;
    const auto magic = file.u16At(base + 2, *order);
    const auto first = file.u32At(base + 4, *order);
    if (!magic || !first || (*magic != TiffWalker::TiffMagic && !(atStart && TiffWalker::isRawMagic(*magic))))
        return;
    TiffPreviewWalker(collector, *order, base).walkChain(*first, 0);
}

// A JPEG's own thumbnail, in the TIFF of its first APP1 Exif segment.
void walkJpeg(Collector& collector)
{
    const ByteReader& file = collector.file();
    quint64 at = 2;
    for (int i = 0; i < MaxSegments; ++i) {
        const auto mark = file.u8At(at);
        const auto marker = file.u8At(at + 1);
        const auto length = file.u16At(at + 2, ByteOrder::Big);
        if (!mark || *mark != 0xFF || !marker || !length || *marker == 0xDA || *marker == 0xD9)
            return;
        if (*marker == 0xE1 && file.matchesAt(at + 4, QByteArrayView("Exif\0\0", 6))) {
            walkTiff(collector, at + 10, false);
            return;
        }
        at += 2 + quint64(*length);
    }
}

struct CrwRecord
{
    uint16_t tag;
    quint64 position;
    quint64 size;
};

void walkCrw(Collector& collector)
{
    const ByteReader& file = collector.file();
    const auto order = TiffWalker::byteOrderAt(file, 0);
    if (!order || !file.matchesAt(6, "HEAPCCDR") || file.size() < 4)
        return;
    const auto heap = file.u32At(2, *order);
    const auto directory = file.u32At(file.size() - 4, *order);
    if (!heap || !directory)
        return;
    const quint64 at = quint64(*heap) + *directory;
    const auto count = file.u16At(at, *order);
    for (quint64 i = 0; count && i < *count && i < MaxEntries; ++i) {
        const auto tag = file.u16At(at + 2 + 10 * i, *order);
        const auto size = file.u32At(at + 4 + 10 * i, *order);
        const auto position = file.u32At(at + 8 + 10 * i, *order);
        if (!tag || !size || !position)
            return;
        // The top two bits say where the data lies; the preview's is in the heap.
        const uint16_t kind = *tag & 0x3FFF;
        if ((kind == 0x2007 || kind == 0x2008) && (*tag & 0xC000) == 0)
            collector.add(quint64(*heap) + *position, *size);
    }
}

// The JPEG of a CR3 preview box: its length stands `lengthAt` bytes into
// the payload, the JPEG itself 16 bytes in; it never runs past the box.
void addCr3Jpeg(Collector& collector, const IsoBmffReader::Box& box, quint64 lengthAt)
{
    const auto length = collector.file().u32At(box.payload + lengthAt, ByteOrder::Big);
    if (length && box.size > 16)
        collector.add(box.payload + 16, std::min<quint64>(*length, box.size - 16));
}

void walkCr3(Collector& collector)
{
    const ByteReader& file = collector.file();
    IsoBmffReader::forEachBox(file, 0, file.size(), [&](const IsoBmffReader::Box& box) {
        if (box.type == "uuid" && box.size > 32 && file.matchesAt(box.payload, PreviewUuid)) {
            // The PRVW box may claim more than its uuid box holds (a trimmed
            // file): it is read up to the uuid box's end and no further.
            const quint64 prvw = box.payload + 24;
            if (file.matchesAt(prvw + 4, "PRVW"))
                addCr3Jpeg(collector, {"PRVW", prvw + 8, box.payload + box.size - (prvw + 8)}, 12);
        } else if (box.type == "moov") {
            const quint64 end = box.payload + box.size;
            IsoBmffReader::forEachBox(file, box.payload, end, [&](const IsoBmffReader::Box& inner) {
                if (inner.type == "uuid" && inner.size > 16 && file.matchesAt(inner.payload, CanonUuid)) {
                    const quint64 innerEnd = inner.payload + inner.size;
                    if (const auto thmb = IsoBmffReader::findBox(file, inner.payload + 16, innerEnd, "THMB"))
                        addCr3Jpeg(collector, *thmb, 8);
                }
                return true;
            });
        }
        return true;
    });
}

} // namespace

EmbeddedPreview::Found EmbeddedPreview::find(const ByteReader& file)
{
    Collector collector(file);
    if (file.matchesAt(0, "\xFF\xD8"))
        walkJpeg(collector);
    else if (file.matchesAt(6, "HEAPCCDR"))
        walkCrw(collector);
    else if (IsoBmffReader::matches(file))
        walkCr3(collector);
    else
        walkTiff(collector, 0, true);
    return collector.result();
}

std::optional<EmbeddedPreview::Candidate> EmbeddedPreview::choose(const Found& found, QSize target)
{
    const auto area = [](const Candidate& c) { return qint64(c.size.width()) * c.size.height(); };
    const auto covers = [&](const Candidate& c) {
        const QSize s = c.size;
        return (s.width() >= target.width() && s.height() >= target.height()) ||
               (s.height() >= target.width() && s.width() >= target.height());
    };
    std::optional<Candidate> smallestCovering;
    std::optional<Candidate> largest;
    for (const Candidate& c : found.candidates) {
        if (covers(c) && (!smallestCovering || area(c) < area(*smallestCovering)))
            smallestCovering = c;
        if (!largest || area(c) > area(*largest))
            largest = c;
    }
    return smallestCovering ? smallestCovering : largest;
}

std::optional<QSize> EmbeddedPreview::jpegFrameSize(const ByteReader& jpeg)
{
    if (!jpeg.matchesAt(0, "\xFF\xD8\xFF"))
        return std::nullopt;
    quint64 at = 2;
    for (int i = 0; i < MaxSegments; ++i) {
        const auto mark = jpeg.u8At(at);
        const auto marker = jpeg.u8At(at + 1);
        if (!mark || *mark != 0xFF || !marker)
            return std::nullopt;
        if (*marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        const auto length = jpeg.u16At(at + 2, ByteOrder::Big);
        if (!length || *length < 2 || *marker == 0xDA || *marker == 0xD9)
            return std::nullopt;
        if (*marker >= 0xC0 && *marker <= 0xCF && *marker != 0xC4 && *marker != 0xC8 && *marker != 0xCC) {
            // A frame header: precision (1), height (2), width (2).
            if (*marker > 0xC2)
                return std::nullopt; // lossless, hierarchical or arithmetic
            const auto height = jpeg.u16At(at + 5, ByteOrder::Big);
            const auto width = jpeg.u16At(at + 7, ByteOrder::Big);
            if (!height || !width || *height == 0 || *width == 0)
                return std::nullopt;
            return QSize(*width, *height);
        }
        at += 2 + quint64(*length);
    }
    return std::nullopt;
}

} // namespace lumenscribe
