// A naming style's recipe: creation, guarded setters, read-only rules, copying
// and the settings dictionary.
#include "naming/NameGenerator.h"

#include <QTest>

using namespace lumenscribe;

class TestNameGenerator : public QObject
{
    Q_OBJECT

private slots:
    void creationForms();
    void settersRefuseOutOfRange_data();
    void settersRefuseOutOfRange();
    void readOnlyBlocksOnlyTheRecipe();
    void copyingOntoReadOnlyStyle();
    void dictionaryRoundTrip();
    void dictionaryHasExactlyTheRecipeKeys();
    void partialSlotIsIgnored();
    void storedValuesPassTheChecks();
};

void TestNameGenerator::creationForms()
{
    const NameGenerator plain;
    QCOMPARE(plain.formatString(), QStringLiteral("%P%Y-%M-%D_%h-%m-%s%S%C%F"));
    QVERIFY(!plain.isReadOnly());
    QVERIFY(!plain.isFolderNameGenerator());
    QCOMPARE(plain.seqCounterDigits(), 0);
    QCOMPARE(plain.counterDigits(), 3);
    QCOMPARE(plain.counterPrefix(), QStringLiteral("_"));
    QVERIFY(plain.counterOnlyShowForIdenticalFiles());
    QCOMPARE(plain.fileTypeSuffixCase(), 1);
    QCOMPARE(plain.seqCounter(), 1);

    const NameGenerator folder(true);
    QCOMPARE(folder.formatString(), QStringLiteral("%P%Y-%M-%D_%h-%m-%s%S%C"));
    QVERIFY(folder.isFolderNameGenerator());

    // Defaults are written before the read-only flag, so a read-only style
    // still has them.
    const NameGenerator builtIn(std::nullopt, true, true);
    QCOMPARE(builtIn.formatString(), QStringLiteral("%P%Y-%M-%D_%h-%m-%s%S%C"));
    QVERIFY(builtIn.isReadOnly());
    QCOMPARE(builtIn.subStringTypeOfSubstring(3), 0);
}

void TestNameGenerator::settersRefuseOutOfRange_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("value");
    QTest::newRow("counterDigits 0") << "counterDigits" << 0;
    QTest::newRow("counterDigits 9") << "counterDigits" << 9;
    QTest::newRow("seqCounterDigits 0") << "seqCounterDigits" << 0;
    QTest::newRow("timeFormat 3") << "timeFormat" << 3;
    QTest::newRow("dateSource -1") << "dateSource" << -1;
    QTest::newRow("fileTypeSuffixCase 3") << "fileTypeSuffixCase" << 3;
    QTest::newRow("identicalFileNamesOption 2") << "identicalFileNamesOption" << 2;
    QTest::newRow("identicalFileNamesOption -1") << "identicalFileNamesOption" << -1;
}

void TestNameGenerator::settersRefuseOutOfRange()
{
    QFETCH(QString, setter);
    QFETCH(int, value);
    NameGenerator style;
    const QVariantMap before = style.userDefaultsDictionary();
    const int optionBefore = style.identicalFileNamesOption();
    if (setter == u"counterDigits")
        style.setCounterDigits(value);
    else if (setter == u"seqCounterDigits")
        style.setSeqCounterDigits(value);
    else if (setter == u"timeFormat")
        style.setTimeFormat(value);
    else if (setter == u"dateSource")
        style.setDateSource(value);
    else if (setter == u"fileTypeSuffixCase")
        style.setFileTypeSuffixCase(value);
    else
        style.setIdenticalFileNamesOption(value);
    QCOMPARE(style.userDefaultsDictionary(), before);
    QCOMPARE(style.identicalFileNamesOption(), optionBefore);
}

void TestNameGenerator::readOnlyBlocksOnlyTheRecipe()
{
    NameGenerator style(QStringLiteral("%Y"), true);
    style.setFormatString(QStringLiteral("%M"));
    style.setSubString(1, 1, 4, 0, 0);
    style.setCounterDigits(5);
    style.setTimeFormat(1);
    style.setDateSource(2);
    style.setFileTypeSuffixDot(false);
    QCOMPARE(style.formatString(), QStringLiteral("%Y"));
    QCOMPARE(style.subStringTypeOfSubstring(1), 0);
    QCOMPARE(style.counterDigits(), 3);
    QCOMPARE(style.timeFormat(), 0);
    QCOMPARE(style.dateSource(), 0);
    QVERIFY(style.fileTypeSuffixDot());

    style.setCounterPrefix(QStringLiteral("#"));
    style.setCounterOnlyShowForIdenticalFiles(false);
    style.setIdenticalFileNamesOption(1);
    style.setPrefix(QStringLiteral("p"));
    style.setSeqCounter(9);
    QCOMPARE(style.counterPrefix(), QStringLiteral("#"));
    QVERIFY(!style.counterOnlyShowForIdenticalFiles());
    QCOMPARE(style.identicalFileNamesOption(), 1);
    QCOMPARE(style.prefix(), QStringLiteral("p"));
    QCOMPARE(style.seqCounter(), 9);
}

void TestNameGenerator::copyingOntoReadOnlyStyle()
{
    NameGenerator source(QStringLiteral("%o%C"), false);
    source.setCounterDigits(6);
    source.setCounterPrefix(QStringLiteral("-"));
    source.setSubString(2, 3, 1, 2, 0);
    source.setPrefix(QStringLiteral("pre"));
    source.setIdenticalFileNamesOption(1);

    NameGenerator custom;
    custom.takeSettingsFromGenerator(source);
    QCOMPARE(custom.userDefaultsDictionary(), source.userDefaultsDictionary());
    QCOMPARE(custom.prefix(), QStringLiteral("pre"));
    QCOMPARE(custom.identicalFileNamesOption(), 1);

    NameGenerator builtIn(QStringLiteral("%Y"), true);
    builtIn.takeSettingsFromGenerator(source);
    QCOMPARE(builtIn.formatString(), QStringLiteral("%Y"));
    QCOMPARE(builtIn.counterDigits(), 3);
    QCOMPARE(builtIn.counterPrefix(), QStringLiteral("-"));
    QCOMPARE(builtIn.prefix(), QStringLiteral("pre"));
}

void TestNameGenerator::dictionaryRoundTrip()
{
    NameGenerator source(QStringLiteral("%o_%Q"), false);
    source.setTimeFormat(2);
    source.setCounterDigits(8);
    source.setSeqCounterDigits(4);
    source.setCounterStartsFromZero(true);
    source.setCounterPrefix(QStringLiteral("~"));
    source.setCounterOnlyShowForIdenticalFiles(false);
    source.setDateSource(2);
    source.setFileTypeSuffixCase(0);
    source.setFileTypeSuffixDot(false);
    source.setSubString(3, 3, 2, 5, 2);
    source.setPrefix(QStringLiteral("not saved"));
    source.setSeqCounter(77);
    source.setIdenticalFileNamesOption(1);

    NameGenerator loaded;
    loaded.initFromUserDefaultsDictionary(source.userDefaultsDictionary());
    QCOMPARE(loaded.userDefaultsDictionary(), source.userDefaultsDictionary());
    QCOMPARE(loaded.prefix(), QString());
    QCOMPARE(loaded.seqCounter(), 1);
    QCOMPARE(loaded.identicalFileNamesOption(), 0);

    loaded.initFromUserDefaultsDictionary(std::nullopt);
    QCOMPARE(loaded.userDefaultsDictionary(), source.userDefaultsDictionary());
}

void TestNameGenerator::dictionaryHasExactlyTheRecipeKeys()
{
    QStringList expected{"formatString",          "timeFormat",    "counterDigits",
                         "counterStartsFromZero", "counterPrefix", "counterOnlyShowForIdenticalFiles",
                         "seqCounterDigits",      "dateSource",    "fileTypeSuffixCase",
                         "fileTypeSuffixDot"};
    for (int slot = 0; slot < 4; ++slot) {
        for (const char* stem : {"subStringType", "subStringParamA", "subStringParamB", "subStringSource"})
            expected << QString::fromLatin1(stem) + QString::number(slot);
    }
    expected.sort();
    QStringList keys = NameGenerator().userDefaultsDictionary().keys();
    keys.sort();
    QCOMPARE(keys, expected);
}

void TestNameGenerator::partialSlotIsIgnored()
{
    NameGenerator style;
    style.setSubString(2, 1, 1, 1, 0);
    const QVariantMap partial{{"subStringType2", 3}, {"subStringParamA2", 4}, {"subStringParamB2", 5}};
    style.initFromUserDefaultsDictionary(partial);
    QCOMPARE(style.subStringTypeOfSubstring(2), 1);
    QCOMPARE(style.subStringParAOfSubstring(2), 1);
    QCOMPARE(style.subStringParBOfSubstring(2), 1);
    QCOMPARE(style.subStringSourceOfSubstring(9), 0);
}

void TestNameGenerator::storedValuesPassTheChecks()
{
    NameGenerator style;
    const QVariantMap stored{{"counterDigits", 9},
                             {"timeFormat", 1.0},
                             {"seqCounterDigits", 0},
                             {"formatString", 5},
                             {"counterPrefix", QVariantList{}},
                             {"fileTypeSuffixDot", false},
                             {"dateSource", QStringLiteral("2")}};
    style.initFromUserDefaultsDictionary(stored);
    QCOMPARE(style.counterDigits(), 3);
    QCOMPARE(style.timeFormat(), 1);
    QCOMPARE(style.seqCounterDigits(), 0);
    QCOMPARE(style.formatString(), NameGenerator::defaultFileFormat());
    QCOMPARE(style.counterPrefix(), QStringLiteral("_"));
    QVERIFY(!style.fileTypeSuffixDot());
    QCOMPARE(style.dateSource(), 0); // a text is not a number
}

QTEST_APPLESS_MAIN(TestNameGenerator)
#include "tst_namegenerator.moc"
