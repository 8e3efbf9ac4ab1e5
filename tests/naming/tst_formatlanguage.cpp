// The %-code language: each row expands one format for one date and file.
#include "TestDates.h"
#include "naming/NameGenerator.h"

#include <QTest>

using namespace lumenscribe;
using lumenscribe::test::localInstant;

class TestFormatLanguage : public QObject
{
    Q_OBJECT

private slots:
    void expansion_data();
    void expansion();
    void flagsForTheNameSearch();
    void digitSelector_data();
    void digitSelector();
    void substrings_data();
    void substrings();
    void specialCharsRule();
    void fractionOfTheSecond_data();
    void fractionOfTheSecond();
};

void TestFormatLanguage::expansion_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("date");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("expected");

    const QList<int> noon{2002, 4, 25, 12, 0, 5};
    const QList<int> halfPastMidnight{2002, 4, 5, 0, 30, 0};
    const QVariantMap none;
    const QVariantMap twelveHour{{"timeFormat", 1}};
    const QVariantMap twelveHourLower{{"timeFormat", 2}};

    QTest::newRow("trailing percent ends") << "abc%"
                                           << "" << noon << none << 0 << "abc";
    QTest::newRow("lone percent") << "%"
                                  << "" << noon << none << 0 << "";
    QTest::newRow("percent percent") << "100%%"
                                     << "" << noon << none << 0 << "100%";
    QTest::newRow("unknown codes consumed") << "a%xb%7qc"
                                            << "" << noon << none << 0 << "abc";
    QTest::newRow("digit at end is a code") << "a%5"
                                            << "" << noon << none << 0 << "a";
    QTest::newRow("day then literal 1D") << "%D1D"
                                         << "" << noon << none << 0 << "251D";
    QTest::newRow("full date") << "%Y-%M-%D_%h-%m-%s"
                               << "" << noon << none << 0 << "2002-04-25_12-00-05";
    QTest::newRow("24h after midnight") << "%h"
                                        << "" << halfPastMidnight << none << 0 << "00";
    QTest::newRow("12h after midnight") << "%h%A"
                                        << "" << halfPastMidnight << twelveHour << 0 << "12AM";
    QTest::newRow("12h lower at noon") << "%h%A"
                                       << "" << noon << twelveHourLower << 0 << "12pm";
    QTest::newRow("12h PM at noon") << "%A"
                                    << "" << noon << twelveHour << 0 << "PM";
    QTest::newRow("AM/PM off in 24h") << "%A"
                                      << "" << noon << none << 0 << "";
    QTest::newRow("literal slash and colon") << "a/b:c\\d"
                                             << "" << noon << none << 0 << "a-b-c-d";
    QTest::newRow("suffix lower with dot") << "x%F"
                                           << "/p/DSC.JPG" << noon << none << 0 << "x.jpg";
    QTest::newRow("suffix as found, no dot")
        << "x%F"
        << "DSC.JpG" << noon << QVariantMap{{"fileTypeSuffixCase", 0}, {"fileTypeSuffixDot", false}} << 0 << "xJpG";
    QTest::newRow("suffix lower, not ascii")
        << "%F" << QString::fromUtf8("a.JP\xc3\x89") << noon << none << 0 << QString::fromUtf8(".jp\xc3\xa9");
    QTest::newRow("suffix upper") << "%F"
                                  << "a.b.tif" << noon << QVariantMap{{"fileTypeSuffixCase", 2}} << 0 << ".TIF";
    QTest::newRow("no extension, no dot") << "x%F"
                                          << "/p/README" << noon << none << 0 << "x";
    QTest::newRow("empty extension") << "x%F"
                                     << "name." << noon << none << 0 << "x";
    QTest::newRow("old name and stem") << "%O|%o"
                                       << "/a/b/IMG_1.CR2" << noon << none << 0 << "IMG_1.CR2|IMG_1";
    QTest::newRow("counter hidden at 0") << "a%Cb"
                                         << "" << noon << none << 0 << "ab";
    QTest::newRow("counter shown at 1") << "a%Cb"
                                        << "" << noon << none << 1 << "a_002b";
    QTest::newRow("counter always, from one")
        << "%C"
        << "" << noon << QVariantMap{{"counterOnlyShowForIdenticalFiles", false}} << 0 << "_001";
    QTest::newRow("counter from zero, 5 digits, prefix rule")
        << "%C"
        << "" << noon
        << QVariantMap{{"counterOnlyShowForIdenticalFiles", false},
                       {"counterStartsFromZero", true},
                       {"counterDigits", 5},
                       {"counterPrefix", "n:"}}
        << 7 << "n-00007";
    QTest::newRow("seq counter unpadded by default") << "%Q"
                                                     << "" << noon << none << 0 << "1";
    QTest::newRow("seq counter padded") << "%Q"
                                        << "" << noon << QVariantMap{{"seqCounterDigits", 4}} << 0 << "0001";
    QTest::newRow("substring without selector") << "%U%5U"
                                                << "DSC_1234.jpg" << noon << none << 0 << "";
}

void TestFormatLanguage::expansion()
{
    QFETCH(QString, format);
    QFETCH(QString, file);
    QFETCH(QList<int>, date);
    QFETCH(QVariantMap, settings);
    QFETCH(int, counter);
    QFETCH(QString, expected);

    NameGenerator style(format, false);
    style.initFromUserDefaultsDictionary(settings);
    style.makeExampleFileNameForDate(localInstant(date[0], date[1], date[2], date[3], date[4], date[5]), file);
    style.setCounter(counter);
    QCOMPARE(style.processFormatString(false), expected);
}

void TestFormatLanguage::flagsForTheNameSearch()
{
    NameGenerator style(QStringLiteral("%Y%C"), false);
    style.setCounterOnlyShowForIdenticalFiles(true);
    QCOMPARE(style.processFormatString(false), QStringLiteral("2002"));
    QVERIFY(style.containsCounter());
    QVERIFY(!style.containsSecondsField());

    style.setFormatString(QStringLiteral("%3s"));
    QCOMPARE(style.processFormatString(false), QString());
    QVERIFY(style.containsSecondsField()); // even when the selector writes nothing
    QVERIFY(!style.containsCounter());
}

void TestFormatLanguage::digitSelector_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    // The date fields default to 2002-07-29 02:45:47.
    QTest::newRow("%2Y%1Y") << "%2Y%1Y"
                            << "02";
    QTest::newRow("%4Y") << "%4Y"
                         << "2";
    QTest::newRow("%5Y writes nothing") << "%5Y"
                                        << "";
    QTest::newRow("%0M unpadded") << "%0M"
                                  << "7";
    QTest::newRow("%M padded") << "%M"
                               << "07";
    QTest::newRow("%1D") << "%1D"
                         << "9";
    QTest::newRow("%3D writes nothing") << "%3D"
                                        << "";
    QTest::newRow("%2m") << "%2m"
                         << "4";
    QTest::newRow("%1%") << "%1%"
                         << "%";
}

void TestFormatLanguage::digitSelector()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    NameGenerator style(format, false);
    QCOMPARE(style.processFormatString(false), expected);
}

void TestFormatLanguage::substrings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("slot0"); // type, A, B, source
    QTest::addColumn<QList<int>>("slot1");
    QTest::addColumn<QString>("expected"); // %1U|%2U

    QTest::newRow("last four, then first two of it")
        << "DSC_1234.jpg" << QList<int>{1, 4, 0, 0} << QList<int>{0, 2, 0, 1} << "1234|12";
    QTest::newRow("first chars beyond length") << "ab.x" << QList<int>{0, 10, 0, 0} << QList<int>{2, 1, 0, 1} << "ab|b";
    QTest::newRow("negative counts clamp") << "abcdef" << QList<int>{0, -3, 0, 0} << QList<int>{3, -1, -5, 0} << "|";
    QTest::newRow("middle cut") << "IMG_20240101_x" << QList<int>{3, 4, 8, 0} << QList<int>{3, 4, 100, 0}
                                << "20240101|20240101_x";
    QTest::newRow("last A with A negative is empty")
        << "abc" << QList<int>{1, -1, 0, 0} << QList<int>{1, 2147483647, 0, 0} << "|abc";
    QTest::newRow("source must come before the slot")
        << "abc" << QList<int>{0, 3, 0, 1} << QList<int>{0, 3, 0, 2} << "|";
    QTest::newRow("unknown type is empty") << "abc" << QList<int>{9, 1, 1, 0} << QList<int>{0, 1, 0, 7} << "|";
    QTest::newRow("extreme parameters") << "abcdef" << QList<int>{3, 2147483647, 2147483647, 0}
                                        << QList<int>{3, -2147483647 - 1, 2147483647, 0} << "|abcdef";
}

void TestFormatLanguage::substrings()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, slot0);
    QFETCH(QList<int>, slot1);
    QFETCH(QString, expected);
    NameGenerator style(QStringLiteral("%1U|%2U"), false);
    style.setSubString(0, slot0[0], slot0[1], slot0[2], slot0[3]);
    style.setSubString(1, slot1[0], slot1[1], slot1[2], slot1[3]);
    QCOMPARE(style.makeExampleFileNameForDate(0, file), expected);
    QCOMPARE(style.subString(1), expected.section(u'|', 1));
}

void TestFormatLanguage::specialCharsRule()
{
    // The rule covers the format's literals, the counter prefix and the typed
    // prefix and suffix (a "/" there would point into another folder), never
    // the old name, which the camera wrote and which holds no "/".
    NameGenerator style(QStringLiteral("%P:%o%S"), false);
    style.setPrefix(QStringLiteral("a/b"));
    style.setSuffix(QStringLiteral("c:d"));
    style.makeExampleFileNameForDate(0, QStringLiteral("x\\y.jpg"));
    QCOMPARE(style.processFormatString(false), QStringLiteral("a-b-x\\yc-d"));
    QCOMPARE(style.processFormatString(true), QStringLiteral("-x\\y"));
}

QTEST_APPLESS_MAIN(TestFormatLanguage)
// %f writes the digits as stored, never fewer than two; %1f..%9f exactly
// that many. Digits are cut, never rounded: rounding .999 up would name a
// frame by the next second.
void TestFormatLanguage::fractionOfTheSecond_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("as stored") << "%f"
                               << "12"
                               << "12";
    QTest::newRow("one digit is tenths") << "%f"
                                         << "5"
                                         << "50";
    QTest::newRow("none") << "%f"
                          << ""
                          << "00";
    QTest::newRow("long kept") << "%f"
                               << "123456"
                               << "123456";
    QTest::newRow("padded") << "%3f"
                            << "12"
                            << "120";
    QTest::newRow("cut, not rounded") << "%2f"
                                      << "999"
                                      << "99";
    QTest::newRow("one") << "%1f"
                         << "78"
                         << "7";
    QTest::newRow("nine") << "%9f"
                          << "5"
                          << "500000000";
    QTest::newRow("none, three") << "%3f"
                                 << ""
                                 << "000";
    QTest::newRow("burst style") << "%Y-%M-%D_%h-%m-%s-%3f%F"
                                 << "45"
                                 << "2024-05-06_10-00-28-450.jpg";
}

void TestFormatLanguage::fractionOfTheSecond()
{
    QFETCH(QString, format);
    QFETCH(QString, digits);
    NameGenerator style(format, false);
    style.setSubSeconds(digits);
    QTEST(style.makeNewFileNameForFile(QStringLiteral("IMG_1.JPG"), QStringLiteral("/nonexistent-folder"),
                                       localInstant(2024, 5, 6, 10, 0, 28)),
          "expected");
    // Examples show a fixed fraction, not that of the last file named.
    NameGenerator example(QStringLiteral("%f"), false);
    example.setSubSeconds(digits);
    QCOMPARE(example.makeExampleFileNameForDate(localInstant(2024, 5, 6, 10, 0, 28), QString()), QStringLiteral("123"));
}

#include "tst_formatlanguage.moc"
