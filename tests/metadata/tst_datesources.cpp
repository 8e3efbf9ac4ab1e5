// Capture dates beyond a plain EXIF block: TIFF-based raw headers, EXIF kept
// in PNG text chunks, XMP in the file and beside it, and the date texts real
// files hold.
#include "FileBuilder.h"
#include "TestDates.h"
#include "metadata/CaptureDateFinder.h"
#include "metadata/DateText.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/MemorySource.h"
#include "metadata/PngReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

constexpr ByteOrder Le = ByteOrder::Little;
constexpr ByteOrder Be = ByteOrder::Big;
constexpr int NoZone = 9999;

QString local(int year, int month, int day, int hour, int minute, int second)
{
    return ExifDate::localText(lumenscribe::test::localInstant(year, month, day, hour, minute, second));
}

const QString Taken = local(2005, 1, 15, 12, 34, 56);

QByteArray exifTiff(ByteOrder order, const QByteArray& date)
{
    return TiffBuilder(order).exif(TiffBuilder(order).text(0x9003, date)).build();
}

// "key=local time", or "none".
QString captureDate(const QByteArray& file)
{
    const MemorySource source(file);
    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    const ExifDate* date = reader.evaluateCreationDate();
    return date ? reader.creationDateKey() + u'=' + ExifDate::localText(date->date()) : QStringLiteral("none");
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    return be32(uint32_t(data.size())) + type + data + QByteArray(4, '\0'); // CRCs are not checked
}

QByteArray png(const QByteArray& chunks)
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", QByteArray(13, '\0')) + chunks +
           pngChunk("IDAT", QByteArray(16, 'x')) + pngChunk("IEND", {});
}

// As ImageMagick writes it: name line, length line, hex in lines of 72.
QByteArray rawProfile(const QByteArray& name, const QByteArray& bytes)
{
    QByteArray text = "\n" + name + "\n" + QByteArray::number(bytes.size()).rightJustified(8, ' ') + "\n";
    const QByteArray hex = bytes.toHex();
    for (qsizetype at = 0; at < hex.size(); at += 72)
        text += hex.mid(at, 72) + "\n";
    return text;
}

QByteArray deflated(const QByteArray& bytes)
{
    return qCompress(bytes).mid(4); // without Qt's length in front
}

QByteArray xmpPacket(const QByteArray& properties)
{
    return "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n<x:xmpmeta "
           "xmlns:x=\"adobe:ns:meta/\">"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description " +
           properties + "</rdf:Description></rdf:RDF></x:xmpmeta>\n<?xpacket end='w'?>";
}

QByteArray jpegWithXmp(const QByteArray& packet, const QByteArray& exif = {})
{
    const QByteArray app1 = jpegSegment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) + packet);
    return exif.isEmpty() ? QByteArray("\xFF\xD8", 2) + app1 + QByteArray("\xFF\xDA", 2) + QByteArray(40, 'U')
                          : jpeg(exif, app1);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestDateSources : public QObject
{
    Q_OBJECT

private slots:
    void dateTexts_data();
    void dateTexts();
    void rawHeaders_data();
    void rawHeaders();
    void pngTextProfiles_data();
    void pngTextProfiles();
    void xmpInFile_data();
    void xmpInFile();
    void xmpKeepsZoneAndWallClock();
    void xmpSidecar();
};

void TestDateSources::dateTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected"); // local wall-clock time, or "none"
    QTest::addColumn<int>("offset");       // minutes east of UTC, NoZone for none
    QTest::addColumn<bool>("timeUnknown");
    QTest::newRow("exif") << QByteArray("2005:01:15 12:34:56") << Taken << NoZone << false;
    QTest::newRow("sub-seconds") << QByteArray("2005:01:15 12:34:56.789") << Taken << NoZone << false;
    QTest::newRow("zone after it") << QByteArray("2005:01:15 12:34:56+02:00") << Taken << 120 << false;
    QTest::newRow("sub-seconds and zone") << QByteArray("2005:01:15 12:34:56.5-0530") << Taken << -330 << false;
    QTest::newRow("iso with T and Z") << QByteArray("2005-01-15T12:34:56Z") << Taken << 0 << false;
    QTest::newRow("compact day") << QByteArray("20050115 12:34:56") << Taken << NoZone << false;
    QTest::newRow("day alone") << QByteArray("2005:01:15") << local(2005, 1, 15, 0, 0, 0) << NoZone << true;
    QTest::newRow("day and zero bytes") << QByteArray("2005-01-15\0\0\0", 13) << local(2005, 1, 15, 0, 0, 0) << NoZone
                                        << true;
    QTest::newRow("blank") << QByteArray("    :  :     :  :  ") << "none" << NoZone << false;
    QTest::newRow("zeros") << QByteArray("0000:00:00 00:00:00") << "none" << NoZone << false;
}

void TestDateSources::dateTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    QFETCH(int, offset);
    QFETCH(bool, timeUnknown);
    const auto reading = DateText::read(text);
    QCOMPARE(reading ? ExifDate::localText(reading->instant) : QStringLiteral("none"), expected);
    if (!reading)
        return;
    QCOMPARE(reading->utcOffsetMinutes.value_or(NoZone), offset);
    QCOMPARE(reading->timeUnknown, timeUnknown);

    // The same text as an EXIF date, end to end.
    const QByteArray tiff = exifTiff(Le, text); // the source only views the bytes
    const MemorySource source(tiff);
    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    const ExifDate* date = reader.evaluateCreationDate();
    QVERIFY(date);
    QCOMPARE(ExifDate::localText(date->date()), expected);
    QCOMPARE(date->utcOffsetMinutes().value_or(NoZone), offset);
    QCOMPARE(date->timeUnknown(), timeUnknown);
}

void TestDateSources::rawHeaders_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    const QString taken = "DateTimeOriginal=" + Taken;
    const auto withMagic = [](ByteOrder order, const char* magic) {
        QByteArray tiff = exifTiff(order, "2005:01:15 12:34:56");
        tiff.replace(2, 2, QByteArray(magic, 2));
        return tiff;
    };
    QTest::newRow("RW2 IIU") << withMagic(Le, "U\0") << taken;
    QTest::newRow("ORF IIRO") << withMagic(Le, "RO") << taken;
    QTest::newRow("ORF MMOR") << withMagic(Be, "OR") << taken;
    QTest::newRow("ORF IIRS") << withMagic(Le, "RS") << taken;
    QTest::newRow("other magic") << withMagic(Le, "XY") << "none";
    // Inside a file the raw marks are no headers: only a TIFF's 42 is.
    QTest::newRow("raw mark after the start") << QByteArray(40, ' ') + withMagic(Le, "RO") << "none";
    QTest::newRow("raw mark in an Exif block") << jpeg(withMagic(Le, "RO")).replace(0, 2, "xx") << "none";
    QFile rw2(QStringLiteral(LUMENSCRIBE_TESTDATA "/Panasonic.rw2"));
    QVERIFY(rw2.open(QIODevice::ReadOnly));
    QTest::newRow("Panasonic RW2") << rw2.readAll() << "DateTimeOriginal=" + local(2008, 8, 6, 15, 21, 56);
}

void TestDateSources::rawHeaders()
{
    QFETCH(QByteArray, file);
    QTEST(captureDate(file), "expected");
}

void TestDateSources::pngTextProfiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    const QString taken = "DateTimeOriginal=" + Taken;
    const QByteArray exif = QByteArray("Exif\0\0", 6) + exifTiff(Be, "2005:01:15 12:34:56");
    const QByteArray profile = rawProfile("exif", exif);
    const QByteArray key = QByteArray("Raw profile type exif\0", 22);
    QTest::newRow("tEXt") << png(pngChunk("tEXt", key + profile)) << taken;
    QTest::newRow("zTXt") << png(pngChunk("zTXt", key + '\0' + deflated(profile))) << taken;
    QTest::newRow("iTXt plain") << png(pngChunk("iTXt", key + QByteArray("\0\0en\0\0", 6) + profile)) << taken;
    QTest::newRow("iTXt compressed") << png(pngChunk("iTXt", key + QByteArray("\1\0\0\0", 4) + deflated(profile)))
                                     << taken;
    QTest::newRow("APP1 without Exif prefix")
        << png(pngChunk("tEXt", QByteArray("Raw profile type APP1\0", 22) +
                                    rawProfile("APP1", exifTiff(Le, "2005:01:15 12:34:56"))))
        << taken;
    QTest::newRow("other keyword") << png(pngChunk("tEXt", QByteArray("Comment\0", 8) + profile)) << "none";
    QByteArray cut = profile;
    cut.chop(40);
    QTest::newRow("hex cut short") << png(pngChunk("tEXt", key + cut)) << "none";
    QTest::newRow("broken deflate") << png(pngChunk("zTXt", key + '\0' + QByteArray(64, 'z'))) << "none";
    // A small chunk that would inflate to far more than any profile.
    const QByteArray bomb = deflated(QByteArray(32 * 1024 * 1024, '0'));
    QTest::newRow("inflates too far") << png(pngChunk("zTXt", key + '\0' + bomb)) << "none";
    QTest::newRow("eXIf still first") << png(pngChunk("eXIf", exifTiff(Le, "2001:01:01 00:00:00")) +
                                             pngChunk("tEXt", key + profile))
                                      << "DateTimeOriginal=" + local(2001, 1, 1, 0, 0, 0);
}

void TestDateSources::pngTextProfiles()
{
    QFETCH(QByteArray, file);
    QTEST(captureDate(file), "expected");
}

void TestDateSources::xmpInFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    const QByteArray all = xmpPacket("exif:DateTimeOriginal=\"2005-01-15T12:34:56\" "
                                     "xmp:CreateDate=\"2006-01-01T00:00:00\" "
                                     "photoshop:DateCreated=\"2007-01-01\">");
    QTest::newRow("exif:DateTimeOriginal first") << jpegWithXmp(all) << "exif:DateTimeOriginal=" + Taken;
    QTest::newRow("xmp:CreateDate as element")
        << jpegWithXmp(xmpPacket("photoshop:DateCreated=\"2007-01-01\">"
                                 "<xmp:CreateDate>2005-01-15T12:34:56.25</xmp:CreateDate>"))
        << "xmp:CreateDate=" + Taken;
    QTest::newRow("photoshop:DateCreated, day only") << jpegWithXmp(xmpPacket("photoshop:DateCreated='2007-03-04'>"))
                                                     << "photoshop:DateCreated=" + local(2007, 3, 4, 0, 0, 0);
    QTest::newRow("no seconds") << jpegWithXmp(xmpPacket("xmp:CreateDate=\"2005-01-15T12:34+01:00\">"))
                                << "xmp:CreateDate=" + local(2005, 1, 15, 12, 34, 0);
    QTest::newRow("year alone is no day") << jpegWithXmp(xmpPacket("xmp:CreateDate=\"2005\">")) << "none";
    QTest::newRow("modify date is no capture date")
        << jpegWithXmp(xmpPacket("xmp:ModifyDate=\"2005-01-15T12:34:56\">")) << "none";
    QTest::newRow("EXIF date wins") << jpegWithXmp(all, exifTiff(Le, "2001:01:01 00:00:00"))
                                    << "DateTimeOriginal=" + local(2001, 1, 1, 0, 0, 0);
    QTest::newRow("EXIF without date") << jpegWithXmp(all, TiffBuilder(Le).text(0x010F, "Maker").build())
                                       << "exif:DateTimeOriginal=" + Taken;
    QTest::newRow("PNG iTXt, compressed")
        << png(pngChunk("iTXt", QByteArray("XML:com.adobe.xmp\0\1\0\0\0", 22) + deflated(all)))
        << "exif:DateTimeOriginal=" + Taken;
    QTest::newRow("TIFF tag 700") << TiffBuilder(Le).data(700, 1, uint32_t(all.size()), all).build()
                                  << "exif:DateTimeOriginal=" + Taken;
    QTest::newRow("packet never closed") << jpegWithXmp(all.left(all.indexOf("</x:xmpmeta>"))) << "none";
}

void TestDateSources::xmpInFile()
{
    QFETCH(QByteArray, file);
    QTEST(captureDate(file), "expected");
}

void TestDateSources::xmpKeepsZoneAndWallClock()
{
    // Named by the clock the photo was taken by, whatever this machine's zone.
    const QByteArray file = jpegWithXmp(xmpPacket("xmp:CreateDate=\"2024-05-06T17:08:09+02:00\">"));
    const MemorySource source(file);
    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    const ExifDate* date = reader.evaluateCreationDate();
    QVERIFY(date);
    QCOMPARE(ExifDate::localText(date->date()), local(2024, 5, 6, 17, 8, 9));
    QCOMPARE(date->utcOffsetMinutes(), std::optional<int>(120));
    QVERIFY(!date->timeUnknown());
}

void TestDateSources::xmpSidecar()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("IMG_1.JPG"));
    QVERIFY(writeFile(photo, QByteArray(64, 'x')));
    const QByteArray sidecar = xmpPacket("xmp:CreateDate=\"2005-01-15T12:34:56-05:00\">");

    QVERIFY(!CaptureDateFinder::find(photo).date);
    for (const QString& name :
         {QStringLiteral("IMG_1.XMP"), QStringLiteral("IMG_1.JPG.xmp"), QStringLiteral("IMG_1.Xmp")}) {
        QVERIFY(writeFile(dir.filePath(name), sidecar));
        const CaptureDateFinder::Result found = CaptureDateFinder::find(photo);
        QVERIFY2(found.date, qPrintable(name));
        QCOMPARE(ExifDate::localText(*found.date), Taken);
        QCOMPARE(found.key, QStringLiteral("xmp:CreateDate"));
        QCOMPARE(found.companion, dir.filePath(name));
        // The source names the sidecar as a companion's extension does.
        QCOMPARE(CaptureDateFinder::companionPath(photo, found.source), found.companion);
        QCOMPARE(found.utcOffsetMinutes, std::optional<int>(-300));
        // A run that knows the folder holds no such name does not look.
        QVERIFY(!CaptureDateFinder::find(photo, [](const QString&) { return false; }).date);
        QVERIFY(QFile::remove(dir.filePath(name)));
    }

    // The file's own date comes first.
    QVERIFY(writeFile(dir.filePath(QStringLiteral("IMG_1.xmp")), sidecar));
    QVERIFY(writeFile(photo, jpeg(exifTiff(Le, "2001:01:01 00:00:00"))));
    const CaptureDateFinder::Result own = CaptureDateFinder::find(photo);
    QCOMPARE(own.source, QStringLiteral("file"));
    QCOMPARE(own.companion, QString());
    QCOMPARE(ExifDate::localText(*own.date), local(2001, 1, 1, 0, 0, 0));
}

QTEST_GUILESS_MAIN(TestDateSources)
#include "tst_datesources.moc"
