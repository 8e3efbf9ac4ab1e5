// The directory walker: its reading rules in both byte orders, and how it
// keeps to the file's bytes when offsets, counts and pointers lie.
#include "FileBuilder.h"
#include "TestDates.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifValue.h"
#include "metadata/MemorySource.h"

#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

Q_DECLARE_METATYPE(lumenscribe::ByteOrder)

namespace {

QString tagText(const QByteArray& file, const QString& key)
{
    ExifAccess reader;
    reader.readExifInformationFromBuffer(file);
    const ExifValue* value = reader.exifDict().value(key);
    return value ? value->stringValue() : QStringLiteral("<none>");
}

QString localText(int year, int month, int day, int hour, int minute, int second)
{
    return ExifDate::localText(lumenscribe::test::localInstant(year, month, day, hour, minute, second));
}

QString dateText(const QByteArray& file, const QString& key)
{
    ExifAccess reader;
    reader.readExifInformationFromBuffer(file);
    const auto* date = reader.exifDict().get<ExifDate>(key);
    return date ? ExifDate::localText(date->date()) : QStringLiteral("<none>");
}

} // namespace

class TestTiffWalker : public QObject
{
    Q_OBJECT

private slots:
    void integerRules_data();
    void integerRules();
    void flashSplit_data();
    void flashSplit();
    void texts_data();
    void texts();
    void dates_data();
    void dates();
    void dateCutShortByTheEndIsNoDate();
    void datesOnlyFindsTheSameDate_data();
    void datesOnlyFindsTheSameDate();
    void exifDirectoryAndOrder();
    void nextDirectoryIsNotFollowed();
    void hazards_data();
    void hazards();
    void searchIfdIgnoresUnknownByteOrder();
};

void TestTiffWalker::integerRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const auto big = ByteOrder::Big, little = ByteOrder::Little;
    QTest::newRow("orientation short MM")
        << TiffBuilder(big).field(0x0112, 3, 1, QByteArray("\0\6\0\0", 4)).build() << "Orientation"
        << tagText(TiffBuilder(big).number(0x0112, 3, 6).build(), "Orientation");
    QTest::newRow("byte option II") << TiffBuilder(little).field(0x0213, 1, 1, QByteArray("\3\0\0\0", 4)).build()
                                    << "YCbCrPositioning"
                                    << "centered";
    QTest::newRow("iso long keeps low 16 bits")
        << TiffBuilder(big).number(0x8827, 4, 65536 + 100).build() << "ISOSpeedRatings"
        << "100";
    QTest::newRow("integer of type undefined is 0")
        << TiffBuilder(little).number(0x0100, 7, 640).build() << "ImageWidth"
        << "0";
    QTest::newRow("long width MM") << TiffBuilder(big).number(0xA002, 4, 3000).build() << "PixelXDimension"
                                   << "3000";
    QTest::newRow("short width II") << TiffBuilder(little).number(0xA003, 3, 2000).build() << "PixelYDimension"
                                    << "2000";
    QTest::newRow("rational MM") << TiffBuilder(big).rational(0x829D, 28, 10).build() << "FNumber"
                                 << "2.8 (28/10)";
    QTest::newRow("bits per sample unrecorded") << TiffBuilder(little).number(0x0102, 3, 8).build() << "BitsPerSample"
                                                << "<none>";
}

void TestTiffWalker::integerRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    if (key == u"Orientation")
        expected = QStringLiteral("The 0th row is the visual right -hand side of of the image, "
                                  "and the 0th column is the visual top.");
    QCOMPARE(tagText(file, key), expected);
}

void TestTiffWalker::flashSplit_data()
{
    QTest::addColumn<uint>("flash");
    QTest::addColumn<QString>("firing");
    QTest::addColumn<QString>("returned");
    QTest::newRow("0x19") << 0x19u << "Flash fired."
                          << "No strobe return detection function.";
    QTest::newRow("0x0F") << 0x0Fu << "Flash fired."
                          << "Strobe return light detected.";
    QTest::newRow("0x05") << 0x05u << "Flash fired."
                          << "Strobe return light not detected.";
    QTest::newRow("0x10") << 0x10u << "Flash did not fire."
                          << "No strobe return detection function.";
}

void TestTiffWalker::flashSplit()
{
    QFETCH(uint, flash);
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const QByteArray file = TiffBuilder(order).number(0x9209, 3, flash).build();
        QTEST(tagText(file, "FlashFiringStatus"), "firing");
        QTEST(tagText(file, "FlashReturnStatus"), "returned");
    }
}

void TestTiffWalker::texts_data()
{
    QTest::addColumn<ByteOrder>("order");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const char* name = order == ByteOrder::Big ? "MM" : "II";
        QTest::addRow("exif version %s", name)
            << order << TiffBuilder(order).field(0x9000, 7, 4, "0221").build() << "ExifVersion"
            << "0221";
        QTest::addRow("three-letter make in the value field %s", name)
            << order << TiffBuilder(order).field(0x010F, 2, 4, QByteArray("Abc\0", 4)).build() << "Make"
            << "Abc";
        QTest::addRow("make out of line %s", name)
            << order << TiffBuilder(order).text(0x010F, "Canon").build() << "Make"
            << "Canon";
        QTest::addRow("offset time %s", name)
            << order << TiffBuilder(order).text(0x9011, "+02:00").build() << "OffsetTimeOriginal"
            << "+02:00";
    }
    const auto little = ByteOrder::Little;
    QTest::newRow("four bytes without a zero")
        << little << TiffBuilder(little).field(0x0110, 2, 4, "ABCD").build() << "Model"
        << "ABCD";
    QTest::newRow("text to the end of the file")
        << little << TiffBuilder(little).data(0x0131, 2, 6, "Editor").build() << "Software"
        << "Editor";
    QTest::newRow("text offset past the end")
        << little << TiffBuilder(little).field(0x0131, 2, 20, le32(0xFFFFFF00)).build() << "Software"
        << "<none>";
    QTest::newRow("utf-8 artist") << little << TiffBuilder(little).text(0x013B, "J\xC3\xBCrgen").build() << "Artist"
                                  << QString::fromUtf8("J\xC3\xBCrgen");
}

void TestTiffWalker::texts()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QTEST(tagText(file, key), "expected");
}

void TestTiffWalker::dates_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exif form") << QByteArray("2004:07:12 09:01:02") << localText(2004, 7, 12, 9, 1, 2);
    QTest::newRow("iso form") << QByteArray("2015-06-29T18:19:12+01:00") << localText(2015, 6, 29, 18, 19, 12);
    QTest::newRow("summer time") << QByteArray("2021:07:01 02:30:00") << localText(2021, 7, 1, 2, 30, 0);
    QTest::newRow("day 32 rolls over") << QByteArray("2004:01:32 00:00:00") << localText(2004, 2, 1, 0, 0, 0);
    QTest::newRow("unset clock") << QByteArray("0000:00:00 00:00:00") << "<none>";
    QTest::newRow("blank date") << QByteArray("    :  :     :  :  ") << "<none>";
    QTest::newRow("empty text") << QByteArray("") << "<none>";
    QTest::newRow("huge year") << QByteArray("99999999999999999999:01:01 00:00:00") << "<none>";
}

void TestTiffWalker::dates()
{
    QFETCH(QByteArray, text);
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const QByteArray file = TiffBuilder(order).exif(TiffBuilder(order).text(0x9003, text)).build();
        QTEST(dateText(file, "DateTimeOriginal"), "expected");
    }
}

void TestTiffWalker::dateCutShortByTheEndIsNoDate()
{
    // A file that ends inside the date text: "2004:03:3" must not become
    // the third of March, nor "2004:03:30 1" ten o'clock.
    const QByteArray text("2004:03:30 10:11:12");
    const QByteArray file = TiffBuilder(ByteOrder::Little).text(0x0132, text).build();
    const qsizetype at = file.indexOf(text);
    QVERIFY(at > 0);
    for (qsizetype cut = at + 1; cut < at + text.size(); ++cut)
        QCOMPARE(dateText(file.first(cut), "DateTime"), QStringLiteral("<none>"));
    QCOMPARE(dateText(file.first(at + text.size()), "DateTime"), localText(2004, 3, 30, 10, 11, 12));
}

void TestTiffWalker::datesOnlyFindsTheSameDate_data()
{
    const auto order = ByteOrder::Little;
    const QByteArray blank("    :  :     :  :  ");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::newRow("all three")
        << TiffBuilder(order)
               .text(0x0132, "2001:01:01 01:01:01")
               .text(0x010F, "Canon")
               .exif(TiffBuilder(order).text(0x9003, "2002:02:02 02:02:02").text(0x9004, "2003:03:03 03:03:03"))
               .build()
        << "DateTimeOriginal";
    QTest::newRow("original blank")
        << TiffBuilder(order)
               .text(0x0132, "2001:01:01 01:01:01")
               .exif(TiffBuilder(order).text(0x9003, blank).text(0x9004, "2003:03:03 03:03:03"))
               .build()
        << "DateTimeDigitized";
    QTest::newRow("later original blank")
        << TiffBuilder(order).exif(TiffBuilder(order).text(0x9003, "2002:02:02 02:02:02").text(0x9003, blank)).build()
        << "DateTimeOriginal";
    QTest::newRow("two originals")
        << TiffBuilder(order)
               .exif(TiffBuilder(order).text(0x9003, "2002:02:02 02:02:02").text(0x9003, "2004:04:04 04:04:04"))
               .build()
        << "DateTimeOriginal";
    QTest::newRow("only the file's date")
        << TiffBuilder(order).text(0x0132, "2001:01:01 01:01:01").build() << "DateTime";
    QTest::newRow("no valid date")
        << TiffBuilder(order).text(0x0132, blank).exif(TiffBuilder(order).text(0x9003, blank)).build() << "";
}

// The rename run reads dates only; it must find the very date and key that
// a full read finds, and file nothing else.
void TestTiffWalker::datesOnlyFindsTheSameDate()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    ExifAccess full;
    full.readExifInformationFromBuffer(file);
    ExifAccess datesOnly;
    datesOnly.setDatesOnly(true);
    datesOnly.readExifInformationFromBuffer(file);
    QCOMPARE(full.creationDateKey(), key);
    QCOMPARE(datesOnly.creationDateKey(), key);
    if (!key.isEmpty())
        QCOMPARE(datesOnly.evaluateCreationDate()->date(), full.evaluateCreationDate()->date());
    for (const auto& [name, value] : datesOnly.exifDict().entries())
        QVERIFY2(ExifDictionary::isDateKey(name), qPrintable(name));
}

void TestTiffWalker::exifDirectoryAndOrder()
{
    const auto order = ByteOrder::Big;
    const QByteArray file = TiffBuilder(order)
                                .text(0x010F, "First")
                                .exif(TiffBuilder(order).text(0x010F, "Sub").text(0x0110, "Cam"))
                                .text(0x0110, "Last")
                                .build();
    QCOMPARE(tagText(file, "Make"), QStringLiteral("Sub"));
    QCOMPARE(tagText(file, "Model"), QStringLiteral("Last"));
}

void TestTiffWalker::nextDirectoryIsNotFollowed()
{
    const auto order = ByteOrder::Little;
    const QByteArray file =
        TiffBuilder(order).text(0x010F, "Canon").nextDirectory(TiffBuilder(order).text(0x0110, "Thumb")).build();
    QCOMPARE(tagText(file, "Make"), QStringLiteral("Canon"));
    QCOMPARE(tagText(file, "Model"), QStringLiteral("<none>"));
}

void TestTiffWalker::hazards_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const auto le = ByteOrder::Little;
    const QByteArray two = TiffBuilder(le).text(0x010F, "Make").number(0xA002, 4, 7).build();
    QByteArray truncated = two;
    truncated[8] = 5; // claims five entries, holds two
    QTest::newRow("entry table cut short keeps what it read") << truncated << "PixelXDimension"
                                                              << "7";
    QTest::newRow("huge entry count") << QByteArray("II*\0\x08\0\0\0\xFF\xFF", 10) << "Make"
                                      << "<none>";
    QTest::newRow("first directory past the end")
        << QByteArray("II*\0\xF0\xFF\xFF\xFF", 8) + QByteArray(40, 'x') << "Make"
        << "<none>";
    QByteArray loop = TiffBuilder(le).number(0x8769, 4, 8).text(0x010F, "Loop").build();
    QTest::newRow("exif pointer to its own directory") << loop << "Make"
                                                       << "Loop";
    QByteArray outside = TiffBuilder(le).number(0x8769, 4, 0xFFFFFFF0).text(0x010F, "Kept").build();
    QTest::newRow("exif pointer past the end") << outside << "Make"
                                               << "Kept";
    QTest::newRow("rational past the end")
        << TiffBuilder(le).field(0x829A, 5, 1, le32(0xFFFFFFFC)).build() << "ExposureTime"
        << "<none>";
    QTest::newRow("date offset past the end")
        << TiffBuilder(le).field(0x0132, 2, 20, le32(0x7FFFFFFF)).build() << "DateTime"
        << "<none>";
    QTest::newRow("offset plus base would wrap 32 bits")
        << QByteArray(16, 'x') + TiffBuilder(le).field(0x010F, 2, 20, le32(0xFFFFFFF8)).build() << "Make"
        << "<none>";
}

void TestTiffWalker::hazards()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QTEST(tagText(file, key), "expected");
}

void TestTiffWalker::searchIfdIgnoresUnknownByteOrder()
{
    const QByteArray file = TiffBuilder(ByteOrder::Little).text(0x010F, "Canon").build();
    ExifAccess reader;
    const MemorySource source(file);
    reader.searchIFD(0x4141, ByteReader(source), 0, 8);
    QVERIFY(reader.exifDict().isEmpty());
    reader.searchIFD(0x4949, ByteReader(source), 0, 8);
    QCOMPARE(reader.exifDict().value("Make")->stringValue(), QStringLiteral("Canon"));
}

QTEST_GUILESS_MAIN(TestTiffWalker)
#include "tst_tiffwalker.moc"
