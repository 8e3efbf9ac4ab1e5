// The metadata reader: recognises a file's container, leaves its tags in the
// dictionary and answers which date the file was taken on. One object reads
// one file after another; each read starts from an empty dictionary.
#pragma once

#include "metadata/ByteReader.h"
#include "metadata/ExifDictionary.h"
#include "platform/NativePath.h"

#include <QByteArrayView>
#include <QString>
#include <ctime>

namespace lumenscribe {

class ByteSource;
class ExifDate;

class ExifAccess
{
public:
    // Only this much of a file takes part in the container tests and scan.
    static constexpr quint64 MaxReadSize = 104857600;
    // Files this small are not read at all.
    static constexpr quint64 MinReadSize = 33;

    void clear()
    {
        exifDictionary.clear();
        m_xmpProperty.clear();
    }
    // See ExifDictionary::setDatesOnly: for readers that want the date alone.
    void setDatesOnly(bool datesOnly) { exifDictionary.setDatesOnly(datesOnly); }
    void setWithModel(bool withModel) { exifDictionary.setWithModel(withModel); }
    const ExifDictionary& exifDict() const { return exifDictionary; }
    ExifDictionary& exifDict() { return exifDictionary; }

    // `look`: see NativePath::openForReading.
    void readExifInformationFromFile(const QString& path, NativePath::Look look = NativePath::Look::First);
    // The container choice over any byte source (the file reader's, or a
    // buffer's in tests and the fuzzer).
    void readExifInformationFromSource(const ByteSource& source);
    // The byte scan alone: empties the dictionary, then fills it.
    void readExifInformationFromBuffer(QByteArrayView bytes);
    void readExifInformationFromBuffer(const ByteReader& buffer);
    void handleCRW(const ByteReader& buffer);
    void handleRIFF_AVI(const ByteReader& buffer);
    // The directory walker, with the byte order given as its 16-bit mark.
    void searchIFD(uint16_t byteOrder, const ByteReader& buffer, quint64 base, quint64 offset);

    static struct tm makeTimeFromString(QByteArrayView text);
    // DateTimeOriginal, else DateTimeDigitized, else DateTime, else nothing.
    const ExifDate* evaluateCreationDate() const;
    // The key evaluateCreationDate's entry is filed under, empty for none;
    // for a date from the file's XMP the XMP property ("xmp:CreateDate").
    QString creationDateKey() const;

    // What the last readExifInformationFromFile cost, in bytes read.
    quint64 lastBytesRead() const { return m_lastBytesRead; }

private:
    void readModernOrScan(const ByteReader& buffer, const ByteReader& whole);
    void readMovie(const ByteReader& buffer, const ByteReader& whole);
    void readXmp(const ByteReader& buffer);

    ExifDictionary exifDictionary;
    quint64 m_lastBytesRead = 0;
    QString m_xmpProperty; // where an XMP date came from
};

} // namespace lumenscribe
