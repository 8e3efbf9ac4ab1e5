#include "metadata/ExifScanner.h"

#include "metadata/DateText.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/TiffWalker.h"

#include <algorithm>

namespace lumenscribe {

namespace {

// The scan reads growing windows so that a JPEG, whose mark stands in its
// first bytes, costs a small copy while a long search through a large file
// still reads in large pieces.
constexpr quint64 FirstWindow = 256;
constexpr quint64 LargestWindow = 1024 * 1024;
// Enough to test "TimeDate=" and "Exif\0" at the window's last position.
constexpr qsizetype Lookahead = 16;

} // namespace

void ExifScanner::scan(ExifDictionary& dictionary, const ByteReader& buffer)
{
    const quint64 length = buffer.size();
    quint64 nextWindow = FirstWindow;
    quint64 start = 0;
    quint64 end = 0;
    QByteArray window;
    quint64 p = 0;
    while (p < length) {
        if (p >= end) {
            start = p;
            const quint64 count = std::min(nextWindow + Lookahead, length - p);
            window = QByteArray(qsizetype(count + Lookahead), Qt::Uninitialized);
            if (!buffer.readAt(p, std::span(reinterpret_cast<uint8_t*>(window.data()), std::size_t(count))))
                return; // the bytes could not be fetched
            // Past the end the bytes read as zero, like the byte after a buffer.
            std::fill(window.begin() + qsizetype(count), window.end(), '\0');
            end = start + std::min(nextWindow, count);
            nextWindow = std::min(nextWindow * 2, LargestWindow);
        }
        const QByteArrayView here = QByteArrayView(window).sliced(qsizetype(p - start));
        // Most bytes start none of the marks: one look at the first byte.
        if (const char first = here.front(); first != 'T' && first != 'E' && first != 'I' && first != 'M') {
            ++p;
            continue;
        }
        if (here.startsWith("TimeDate=")) {
            storeTimeDate(dictionary, buffer, p + 9);
            return;
        }
        if (here.startsWith(QByteArrayView("Exif\0", 5))) {
            if (TiffWalker::byteOrderAt(buffer, p + 6)) {
                walkHeader(dictionary, buffer, p + 6);
                return;
            }
            p += 9;
            continue;
        }
        if (here.startsWith("II") || here.startsWith("MM")) {
            walkHeader(dictionary, buffer, p);
            return;
        }
        ++p;
    }
}

void ExifScanner::walkHeader(ExifDictionary& dictionary, const ByteReader& buffer, quint64 base)
{
    // A mark not followed by 42 ends the scan: it does not look further.
    TiffWalker::walkTiffHeader(dictionary, buffer, base);
}

void ExifScanner::storeTimeDate(ExifDictionary& dictionary, const ByteReader& buffer, quint64 pos)
{
    // A number that runs into the end of the bytes may have lost its last
    // digits (a file cut short), and "TimeDate=" without digits is no time
    // at all: either would name the photo after a made-up moment near 1970.
    const QByteArray text = buffer.bytesUpTo(pos, 64);
    qsizetype end = 0;
    while (end < text.size() && QByteArrayView(" \t\n\v\f\r").contains(text[end]))
        ++end;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    const qsizetype firstDigit = end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end == firstDigit || pos + quint64(end) >= buffer.size())
        return;
    // A number no calendar year from 1 to 9999 holds is no date either.
    constexpr long FirstSecond = -62135596800L; // 0001-01-01 00:00:00 UTC
    constexpr long LastSecond = 253402300799L;  // 9999-12-31 23:59:59 UTC
    const long seconds = DateText::readNumber(text, 0);
    if (seconds < FirstSecond || seconds > LastSecond)
        return;
    if (auto* date = dictionary.create<ExifDate>(QStringLiteral("DateTime"))) {
        date->setDate(double(seconds));
        date->setStoredAsInstant(true); // seconds since 1970 in UTC
    }
}

} // namespace lumenscribe
