// What a capture date brings besides its wall-clock time: the fraction of the
// second from the tag that belongs to the date used (or from the date text),
// the zone offset from the text or the tag beside it, and whether the file
// stored a moment in UTC rather than a camera's clock.
#include "FileBuilder.h"
#include "metadata/CaptureDateFinder.h"
#include "metadata/DateText.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/MemorySource.h"
#include "metadata/QuickTimeKeys.h"
#include "metadata/XmpReader.h"

#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

constexpr ByteOrder Le = ByteOrder::Little;
constexpr int NoZone = 9999;

struct Found
{
    QString key;
    QString subSeconds;
    int offset = NoZone;
};

Found read(const QByteArray& tiff, bool datesOnly)
{
    const QByteArray file = jpeg(tiff);
    const MemorySource source(file);
    ExifAccess reader;
    reader.setDatesOnly(datesOnly);
    reader.readExifInformationFromSource(source);
    const ExifDate* date = reader.evaluateCreationDate();
    if (!date)
        return {};
    return {reader.creationDateKey(), date->subSeconds(), date->utcOffsetMinutes().value_or(NoZone)};
}

} // namespace

class TestDateFraction : public QObject
{
    Q_OBJECT

private slots:
    void exifTagsBelongToTheirDate_data();
    void exifTagsBelongToTheirDate();
    void fractionInDateTexts();
    void momentsAndWallClocks();
};

void TestDateFraction::exifTagsBelongToTheirDate_data()
{
    QTest::addColumn<QByteArray>("tiff");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("subSeconds");
    QTest::addColumn<int>("offset");
    const auto all = [](TiffBuilder exif) {
        return TiffBuilder(Le).text(0x0132, "2001:01:01 01:01:01").exif(exif).build();
    };
    const TiffBuilder everyTag = TiffBuilder(Le)
                                     .text(0x9003, "2002:02:02 02:02:02")
                                     .text(0x9004, "2003:03:03 03:03:03")
                                     .text(0x9010, "+01:00")
                                     .text(0x9011, "+02:00")
                                     .text(0x9012, "+03:00")
                                     .text(0x9290, "78")
                                     .text(0x9291, "12")
                                     .text(0x9292, "45");
    QTest::newRow("original") << all(everyTag) << "DateTimeOriginal"
                              << "12" << 120;
    QTest::newRow("digitized") << all(TiffBuilder(Le)
                                          .text(0x9004, "2003:03:03 03:03:03")
                                          .text(0x9011, "+02:00")
                                          .text(0x9012, "-03:30")
                                          .text(0x9291, "12")
                                          .text(0x9292, "45"))
                               << "DateTimeDigitized"
                               << "45" << -210;
    QTest::newRow("file's date") << all(TiffBuilder(Le).text(0x9010, "Z").text(0x9290, "7").text(0x9291, "12"))
                                 << "DateTime"
                                 << "7" << 0;
    // Another date's tags never stand in for the missing one.
    QTest::newRow("only another date's tags")
        << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").text(0x9010, "+01:00").text(0x9292, "45"))
        << "DateTimeOriginal"
        << "" << NoZone;
    QTest::newRow("padded with spaces") << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").text(0x9291, "5  "))
                                        << "DateTimeOriginal"
                                        << "5" << NoZone;
    QTest::newRow("blank") << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").text(0x9291, "   "))
                           << "DateTimeOriginal"
                           << "" << NoZone;
    QTest::newRow("long, out of line")
        << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").text(0x9291, "123456")) << "DateTimeOriginal"
        << "123456" << NoZone;
    QTest::newRow("more than nine digits kept to nine")
        << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").text(0x9291, "123456789012")) << "DateTimeOriginal"
        << "123456789" << NoZone;
    QTest::newRow("no digits") << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").text(0x9291, "ab"))
                               << "DateTimeOriginal"
                               << "" << NoZone;
    QTest::newRow("offset not a zone")
        << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").text(0x9011, "   :  ")) << "DateTimeOriginal"
        << "" << NoZone;
    // The tag's text points past the end of the file: read as nothing.
    QTest::newRow("tag outside the file")
        << all(TiffBuilder(Le).text(0x9003, "2002:02:02 02:02:02").field(0x9291, 2, 12, le32(0x7FFFFFF0)))
        << "DateTimeOriginal"
        << "" << NoZone;
}

// The rename run reads dates only; it must find what a full read finds.
void TestDateFraction::exifTagsBelongToTheirDate()
{
    QFETCH(QByteArray, tiff);
    for (const bool datesOnly : {false, true}) {
        const Found found = read(tiff, datesOnly);
        QTEST(found.key, "key");
        QTEST(found.subSeconds, "subSeconds");
        QTEST(found.offset, "offset");
    }
}

void TestDateFraction::fractionInDateTexts()
{
    const auto reading = DateText::read("2024:05:06 10:00:00.123+02:00");
    QVERIFY(reading);
    QCOMPARE(reading->subSeconds, QStringLiteral("123"));
    QCOMPARE(reading->utcOffsetMinutes, std::optional<int>(120));
    QCOMPARE(DateText::read("2024:05:06 10:00:00")->subSeconds, QString());
    QCOMPARE(DateText::read("2024:05:06")->subSeconds, QString());

    ExifDictionary xmp;
    xmp.setDatesOnly(true);
    const QByteArray packet =
        "<x:xmpmeta><rdf:Description xmp:CreateDate=\"2024-05-06T10:00:00.25-05:00\"/></x:xmpmeta>";
    QCOMPARE(XmpReader::readDate(xmp, packet), QStringLiteral("xmp:CreateDate"));
    QCOMPARE(xmp.get<ExifDate>(QStringLiteral("DateTimeOriginal"))->subSeconds(), QStringLiteral("25"));
    QCOMPARE(xmp.get<ExifDate>(QStringLiteral("DateTimeOriginal"))->utcOffsetMinutes(), std::optional<int>(-300));

    ExifDictionary movie;
    movie.setDatesOnly(true);
    QVERIFY(QuickTimeKeys::storeCreationDate(movie, "2024-05-06T10:00:00.123+0200"));
    const ExifDate* date = movie.get<ExifDate>(QStringLiteral("DateTimeOriginal"));
    QVERIFY(date);
    QCOMPARE(date->subSeconds(), QStringLiteral("123"));
    QCOMPARE(date->utcOffsetMinutes(), std::optional<int>(120));
    QVERIFY(!date->storedAsInstant());
}

// Real files: the movie header and "TimeDate=" hold moments, a camera's
// EXIF and a phone's creation date hold its clock with the offset.
void TestDateFraction::momentsAndWallClocks()
{
    const QString data = QStringLiteral(LUMENSCRIBE_TESTDATA "/");
    const auto find = [&](const char* name) { return CaptureDateFinder::find(data + QLatin1String(name)); };
    const CaptureDateFinder::Result header = find("QuickTime.mov");
    QVERIFY(header.date && header.storedAsInstant);
    QCOMPARE(*header.date, 1123769034.0); // 2005-08-11 14:03:54 UTC, whatever the zone
    const CaptureDateFinder::Result count = find("olympus-d320l.jpg");
    QVERIFY(count.date && count.storedAsInstant);
    QCOMPARE(*count.date, 909698819.0);
    const CaptureDateFinder::Result phone = find("with-gps.mov");
    QVERIFY(phone.date && !phone.storedAsInstant);
    QCOMPARE(phone.utcOffsetMinutes, std::optional<int>(180));
    const CaptureDateFinder::Result pixel = find("Google.jpg");
    QVERIFY(pixel.date && !pixel.storedAsInstant);
    QCOMPARE(pixel.utcOffsetMinutes, std::optional<int>(120));
    QCOMPARE(pixel.subSeconds, QStringLiteral("724"));
    QCOMPARE(find("burst-a2.jpg").subSeconds, QStringLiteral("45"));
    QCOMPARE(find("burst-c1.jpg").subSeconds, QString());
}

QTEST_GUILESS_MAIN(TestDateFraction)
#include "tst_datefraction.moc"
