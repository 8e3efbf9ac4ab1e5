// The style collections: the built-ins as shipped, the list operations, the
// run-wide values and saving and loading custom styles.
#include "TestDates.h"
#include "naming/FNGenerators.h"

#include <QTest>

using namespace lumenscribe;

class TestFNGenerators : public QObject
{
    Q_OBJECT

private slots:
    void builtInTitles_data();
    void builtInTitles();
    void newCollections();
    void deleting();
    void builtInsCannotBeDeleted();
    void selecting();
    void fanOut();
    void saveWritesCustomStylesOnly();
    void loadStopsAtTheFirstGap();
    void loadWithoutDictionaryLeavesBuiltIns();
    void clearKeepsBuiltIns();
};

void TestFNGenerators::builtInTitles_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("title");
    QTest::newRow("file 0") << false << 0 << "%P%Y-%M-%D_%h-%m-%s%S%F"
                            << "2002-04-25_21-36-17.jpg";
    QTest::newRow("file 1") << false << 1 << "%P%D.%M.%Y %h-%m-%s%S%F"
                            << "25.04.2002 21-36-17.jpg";
    QTest::newRow("file 2") << false << 2 << "%P%Y%M%D_%h-%m-%s%S%F"
                            << "20020425_21-36-17.jpg";
    QTest::newRow("file 3") << false << 3 << "%P%2Y%1Y-%M-%D_%h-%m-%s%S%F"
                            << "02-04-25_21-36-17.jpg";
    QTest::newRow("file 4") << false << 4 << "%P%Y%M%D1D%1U%S%F"
                            << "200204251D1234.jpg";
    QTest::newRow("file 5") << false << 5 << "%P%h-%m-%s%S%C%F"
                            << "21-36-17.jpg";
    QTest::newRow("file 6") << false << 6 << "%PPic%C%S%F"
                            << "Pic0001.jpg";
    QTest::newRow("folder 0") << true << 0 << "%P%Y-%M-%D%C%S"
                              << "2002-04-25_0001";
    QTest::newRow("folder 1") << true << 1 << "%P%Y-%M-%D%C%S"
                              << "2002-04-25";
    QTest::newRow("folder 2") << true << 2 << "%P%Y-%M-%D_%h-%m-%s%C%S"
                              << "2002-04-25_21-36-17";
    QTest::newRow("folder 3") << true << 3 << "%PDownload %Q%S"
                              << "Download 0001";
}

void TestFNGenerators::builtInTitles()
{
    QFETCH(bool, folder);
    QFETCH(int, index);
    QFETCH(QString, format);
    QFETCH(QString, title);
    FNGenerators collection(folder);
    NameGenerator* style = collection.generatorAtIndex(index);
    QVERIFY(style);
    QVERIFY(style->isReadOnly());
    QCOMPARE(style->isFolderNameGenerator(), folder);
    QCOMPARE(style->formatString(), format);
    style->setPrefix(QStringLiteral("never shown"));
    QCOMPARE(style->popUpStringForDate(std::nullopt), title);
}

void TestFNGenerators::newCollections()
{
    const FNGenerators files;
    QCOMPARE(files.count(), 7);
    QCOMPARE(files.defaultCount(), 7);
    QCOMPARE(files.indexOfCurrentGenerator(), 0);
    const FNGenerators folders(true);
    QCOMPARE(folders.count(), 4);
    QCOMPARE(folders.defaultCount(), 4);
    QVERIFY(folders.areFolderNG());
    QCOMPARE(folders.generatorAtIndex(3)->seqCounterDigits(), 4);
}

void TestFNGenerators::deleting()
{
    FNGenerators files;
    NameGenerator* a = files.addGenerator();
    NameGenerator* b = files.addGenerator();
    NameGenerator* c = files.addGenerator();
    QVERIFY(!a->isReadOnly());
    QCOMPARE(files.currentGenerator(), c);
    QCOMPARE(files.indexOfCurrentGenerator(), 9);

    files.selectGeneratorAtIndex(8);
    files.deleteCurrentGenerator(); // the middle one: the next moves up
    QCOMPARE(files.currentGenerator(), c);
    QCOMPARE(files.count(), 9);
    files.deleteCurrentGenerator(); // the last one: the new last is current
    QCOMPARE(files.currentGenerator(), a);
    Q_UNUSED(b);
}

void TestFNGenerators::builtInsCannotBeDeleted()
{
    FNGenerators files;
    files.selectGeneratorAtIndex(6);
    files.deleteCurrentGenerator();
    QCOMPARE(files.count(), 7);
    QCOMPARE(files.indexOfCurrentGenerator(), 6);
}

void TestFNGenerators::selecting()
{
    FNGenerators folders(true);
    QCOMPARE(folders.selectGeneratorAtIndex(2), folders.generatorAtIndex(2));
    QCOMPARE(folders.selectGeneratorAtIndex(4), nullptr);
    QCOMPARE(folders.selectGeneratorAtIndex(-1), nullptr);
    QCOMPARE(folders.indexOfCurrentGenerator(), 2);
    QCOMPARE(folders.generatorAtIndex(-1), nullptr);
}

void TestFNGenerators::fanOut()
{
    FNGenerators folders(true);
    folders.addGenerator()->setFormatString(QStringLiteral("%Q"));
    folders.setSeqCounter(5);
    folders.setIdenticalFileNamesOption(1);
    for (int i = 0; i < folders.count(); ++i) {
        QCOMPARE(folders.generatorAtIndex(i)->seqCounter(), 5);
        QCOMPARE(folders.generatorAtIndex(i)->identicalFileNamesOption(), 1);
    }
    QCOMPARE(folders.generatorAtIndex(3)->makeExampleFolderNameForDate(0), QStringLiteral("Download 0005"));
    QCOMPARE(folders.generatorAtIndex(4)->makeExampleFolderNameForDate(0), QStringLiteral("5"));
}

void TestFNGenerators::saveWritesCustomStylesOnly()
{
    FNGenerators files;
    files.addGenerator()->setFormatString(QStringLiteral("first%F"));
    files.addGenerator()->setFormatString(QStringLiteral("second%F"));
    const QVariantMap saved = files.userDefaultsDictionary();
    QCOMPARE(saved.keys(), (QStringList{"generator0", "generator1"}));
    QCOMPARE(saved.value("generator1").toMap().value("formatString").toString(), QStringLiteral("second%F"));
    QVERIFY(FNGenerators(true).userDefaultsDictionary().isEmpty());

    FNGenerators loaded;
    loaded.initFromUserDefaultsDictionary(saved);
    QCOMPARE(loaded.count(), 9);
    QCOMPARE(loaded.indexOfCurrentGenerator(), 8);
    QCOMPARE(loaded.userDefaultsDictionary(), saved);
}

void TestFNGenerators::loadStopsAtTheFirstGap()
{
    const QVariantMap custom = NameGenerator(QStringLiteral("x%F"), false).userDefaultsDictionary();
    FNGenerators files;
    files.initFromUserDefaultsDictionary(QVariantMap{{"generator0", custom}, {"generator2", custom}});
    QCOMPARE(files.count(), 8);
    QCOMPARE(files.currentGenerator()->formatString(), QStringLiteral("x%F"));

    // A style starts from its kind's defaults, then takes what is stored.
    FNGenerators folders(true);
    folders.initFromUserDefaultsDictionary(QVariantMap{{"generator0", QVariantMap{{"timeFormat", 2}}}});
    QCOMPARE(folders.currentGenerator()->formatString(), NameGenerator::defaultFolderFormat());
    QCOMPARE(folders.currentGenerator()->timeFormat(), 2);
}

void TestFNGenerators::loadWithoutDictionaryLeavesBuiltIns()
{
    FNGenerators files;
    files.addGenerator();
    files.initFromUserDefaultsDictionary(std::nullopt);
    QCOMPARE(files.count(), 7);
    QCOMPARE(files.indexOfCurrentGenerator(), 0);
}

void TestFNGenerators::clearKeepsBuiltIns()
{
    FNGenerators files;
    files.addGenerator();
    files.addGenerator();
    files.selectGeneratorAtIndex(3);
    files.clear();
    QCOMPARE(files.count(), 7);
    QCOMPARE(files.indexOfCurrentGenerator(), 3); // not removed: stays current
    files.addGenerator();
    files.clear();
    QCOMPARE(files.indexOfCurrentGenerator(), 0);
}

QTEST_APPLESS_MAIN(TestFNGenerators)
#include "tst_fngenerators.moc"
