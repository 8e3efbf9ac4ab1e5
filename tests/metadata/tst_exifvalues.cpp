// The value types and the tag catalogue: option tables, renderings, clamping.
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/ExifInteger.h"
#include "metadata/ExifOption.h"
#include "metadata/ExifRational.h"
#include "metadata/ExifString.h"

#include <QTest>
#include <ctime>

using namespace lumenscribe;

class TestExifValues : public QObject
{
    Q_OBJECT

private slots:
    void optionTexts_data();
    void optionTexts();
    void rationalTexts_data();
    void rationalTexts();
    void entriesReplaceAndUnknownKeysStoreNothing();
    void integerClampsToSignedRange();
    void versionTextKeepsFourCharacters();
    void dateRendersLocalTimeWithOffset();
};

void TestExifValues::optionTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("metering unknown id") << "MeteringMode" << 7 << "unknown";
    QTest::newRow("orientation 9 is default")
        << "Orientation" << 9
        << "The 0th row is at the visual top of the image, and the 0th column is the visual "
           "left-hand side.";
    QTest::newRow("flash return 2") << "FlashReturnStatus" << 2 << "No strobe return detection function.";
    QTest::newRow("flash firing no default") << "FlashFiringStatus" << 5 << "Flash did not fire.";
    QTest::newRow("colour space default") << "ColorSpace" << 2 << "sRGB";
    QTest::newRow("resolution unit default") << "ResolutionUnit" << 1 << "inches";
}

void TestExifValues::optionTexts()
{
    QFETCH(QString, key);
    QFETCH(int, id);
    QFETCH(QString, text);
    ExifDictionary dictionary;
    auto* option = dictionary.create<ExifOption>(key);
    QVERIFY(option);
    option->selectOption(id);
    QCOMPARE(option->stringValue(), text);
}

void TestExifValues::rationalTexts_data()
{
    QTest::addColumn<uint>("numerator");
    QTest::addColumn<uint>("denominator");
    QTest::addColumn<QString>("shortText");
    QTest::addColumn<QString>("fullText");
    QTest::newRow("1/250") << 1u << 250u << "0.004"
                           << "0.004 (1/250)";
    QTest::newRow("28/10") << 28u << 10u << "2.8"
                           << "2.8 (28/10)";
    QTest::newRow("10/1") << 10u << 1u << "10"
                          << "10 (10/1)";
    QTest::newRow("0/1") << 0u << 1u << "0"
                         << "0 (0/1)";
    QTest::newRow("1/3") << 1u << 3u << "0.333333"
                         << "0.333333 (1/3)";
    QTest::newRow("zero denominator keeps 1/1") << 5u << 0u << "1"
                                                << "1 (1/1)";
    QTest::newRow("signed words print signed") << 0xFFFFFFFFu << 3u << "1431655808"
                                               << "1431655808 (-1/3)";
}

void TestExifValues::rationalTexts()
{
    QFETCH(uint, numerator);
    QFETCH(uint, denominator);
    ExifRational rational;
    rational.setNumerator(numerator, denominator);
    QTEST(rational.shortStringValue(), "shortText");
    QTEST(rational.stringValue(), "fullText");
}

void TestExifValues::entriesReplaceAndUnknownKeysStoreNothing()
{
    ExifDictionary dictionary;
    QVERIFY(!dictionary.createDictionaryEntry(QStringLiteral("BitsPerSample")));
    QVERIFY(dictionary.isEmpty());
    const QString key = QStringLiteral("DateTimeOriginal");
    ExifValue* first = dictionary.createDictionaryEntry(key);
    QVERIFY(dynamic_cast<ExifDate*>(first));
    QVERIFY(dictionary.createDictionaryEntry(key) != first);
    QCOMPARE(dictionary.size(), std::size_t(1));
}

void TestExifValues::integerClampsToSignedRange()
{
    ExifInteger integer;
    integer.setValue(4294967295u);
    QCOMPARE(integer.value(), 2147483647u);
    QCOMPARE(integer.stringValue(), QStringLiteral("2147483647"));
    integer.setValue(5, 10, 20);
    QCOMPARE(integer.value(), 10u);
}

void TestExifValues::versionTextKeepsFourCharacters()
{
    ExifDictionary dictionary;
    auto* version = dictionary.create<ExifString>(QStringLiteral("ExifVersion"));
    version->setString(QStringLiteral("022100"));
    QCOMPARE(version->stringValue(), QStringLiteral("0221"));
}

void TestExifValues::dateRendersLocalTimeWithOffset()
{
    struct tm local = {};
    local.tm_year = 105;
    local.tm_mday = 15;
    local.tm_hour = 12;
    local.tm_min = 34;
    local.tm_sec = 56;
    local.tm_isdst = -1;
    ExifDate date;
    date.setDate(double(mktime(&local)));
    const QString expectedZone = qgetenv("TZ") == "Europe/Berlin" ? QStringLiteral("+0100") : QStringLiteral("+0000");
    QCOMPARE(date.stringValue(), QStringLiteral("2005-01-15 12:34:56 ") + expectedZone);
}

QTEST_GUILESS_MAIN(TestExifValues)
#include "tst_exifvalues.moc"
