#include "metadata/ExifAccess.h"

#include "metadata/CrwReader.h"
#include "metadata/DateText.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifScanner.h"
#include "metadata/FileSource.h"
#include "metadata/IsoBmffReader.h"
#include "metadata/JpegMarkerReader.h"
#include "metadata/MemorySource.h"
#include "metadata/PngReader.h"
#include "metadata/RiffReader.h"
#include "metadata/TiffWalker.h"
#include "metadata/XmpReader.h"

#include <algorithm>

namespace lumenscribe {

namespace {
const QString DateKeys[] = {QStringLiteral("DateTimeOriginal"), QStringLiteral("DateTimeDigitized"),
                            QStringLiteral("DateTime")};
}

void ExifAccess::readExifInformationFromFile(const QString& path, NativePath::Look look)
{
    clear();
    m_lastBytesRead = 0;
    const FileSource source(path, look);
    if (!source.isOpen())
        return;
    readExifInformationFromSource(source);
    m_lastBytesRead = source.bytesRead();
}

void ExifAccess::readExifInformationFromSource(const ByteSource& source)
{
    clear();
    if (source.size() < MinReadSize)
        return;
    const ByteReader whole(source);
    const ByteReader buffer(source, 0, std::min(source.size(), MaxReadSize));
    const bool riff = buffer.matchesAt(0, "RIFF");
    if (riff && (buffer.matchesAt(8, "WAVE") || buffer.matchesAt(8, "AVI "))) {
        handleRIFF_AVI(buffer);
        return;
    }
    if (buffer.matchesAt(6, "HEAPCCDR")) {
        handleCRW(buffer);
        return;
    }
    readModernOrScan(buffer, whole);
    if (!evaluateCreationDate())
        readXmp(buffer);
}

void ExifAccess::readXmp(const ByteReader& buffer)
{
    // Only a file whose EXIF holds no date is named by its XMP.
    std::optional<QByteArray> packet;
    if (PngReader::matches(buffer))
        packet = PngReader::xmpPacket(buffer);
    if (!packet)
        packet = XmpReader::findPacket(buffer);
    if (packet)
        m_xmpProperty = XmpReader::readDate(exifDictionary, *packet);
}

void ExifAccess::readModernOrScan(const ByteReader& buffer, const ByteReader& whole)
{
    // The newer containers are tried first; a file that none of them claims,
    // or in which they find no EXIF, goes on to the byte scan.
    if (IsoBmffReader::matches(buffer)) {
        readMovie(buffer, whole);
        return;
    }
    if (PngReader::matches(buffer) && PngReader::read(exifDictionary, buffer))
        return;
    if (buffer.matchesAt(0, "RIFF") && buffer.matchesAt(8, "WEBP") && RiffReader::readWebP(exifDictionary, buffer))
        return;
    readExifInformationFromBuffer(buffer);
    if (!evaluateCreationDate() && JpegMarkerReader::matches(buffer)) {
        ExifDictionary walked;
        walked.setDatesOnly(exifDictionary.datesOnly());
        walked.setWithModel(exifDictionary.withModel());
        if (JpegMarkerReader::read(walked, buffer))
            exifDictionary = std::move(walked);
    }
}

void ExifAccess::readMovie(const ByteReader& buffer, const ByteReader& whole)
{
    // The boxes are read wherever they stand: unlike the scan they cost a few
    // headers, and phones often write the movie header after the media data.
    if (IsoBmffReader::readStillImage(exifDictionary, whole))
        return;
    // Motion-JPEG movies carry EXIF with the camera's local time in their
    // frames, which the scan finds; that time matches the photos beside them.
    readExifInformationFromBuffer(buffer);
    if (evaluateCreationDate())
        return;
    IsoBmffReader::readMovieDate(exifDictionary, whole);
}

void ExifAccess::readExifInformationFromBuffer(QByteArrayView bytes)
{
    const MemorySource source(bytes);
    readExifInformationFromBuffer(ByteReader(source));
}

void ExifAccess::readExifInformationFromBuffer(const ByteReader& buffer)
{
    clear();
    if (buffer.size() < 1)
        return;
    ExifScanner::scan(exifDictionary, buffer);
}

void ExifAccess::handleCRW(const ByteReader& buffer)
{
    CrwReader::read(exifDictionary, buffer);
}

void ExifAccess::handleRIFF_AVI(const ByteReader& buffer)
{
    RiffReader::readDate(exifDictionary, buffer);
}

void ExifAccess::searchIFD(uint16_t byteOrder, const ByteReader& buffer, quint64 base, quint64 offset)
{
    if (byteOrder != 0x4949 && byteOrder != 0x4D4D)
        return;
    TiffWalker(exifDictionary, buffer)
        .searchIFD(byteOrder == 0x4949 ? ByteOrder::Little : ByteOrder::Big, base, offset);
}

struct tm ExifAccess::makeTimeFromString(QByteArrayView text)
{
    return DateText::makeTimeFromString(text);
}

const ExifDate* ExifAccess::evaluateCreationDate() const
{
    for (const QString& key : DateKeys) {
        if (const auto* date = exifDictionary.get<ExifDate>(key))
            return date;
    }
    return nullptr;
}

QString ExifAccess::creationDateKey() const
{
    if (!m_xmpProperty.isEmpty() && evaluateCreationDate())
        return m_xmpProperty;
    for (const QString& key : DateKeys) {
        if (exifDictionary.get<ExifDate>(key))
            return key;
    }
    return {};
}

} // namespace lumenscribe
