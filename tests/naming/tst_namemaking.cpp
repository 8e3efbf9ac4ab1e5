// Name making against a real folder: the search for a free name in both
// modes, folder names, examples, pop-up titles and the dates.
#include "TestDates.h"
#include "naming/NameGenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <sys/stat.h>
#include <utime.h>

using namespace lumenscribe;
using lumenscribe::test::localInstant;

namespace {

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

const QString kDefaultStyle = QStringLiteral("%P%Y-%M-%D_%h-%m-%s%S%F");

} // namespace

class TestNameMaking : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freeNameIsTakenAsIs();
    void secondsModeShiftsTheTime();
    void secondsModeRollsOverMidnightAndYear();
    void secondsModeKeepsTheFraction();
    void counterModeWithoutCounterGivesTheTakenName();
    void counterModeCountsUp();
    void secondsAndCounterShiftTheTime();
    void dateThatCannotBeBrokenDownGivesNoName();
    void fileCarryingItsOwnNameIsAClash();
    void takenByFolderOrDanglingLink();
    void searchThatCannotEndIsBounded();
    void folderNamesHaveNoFilePieces();
    void popUpTitles();
    void takeDateIsLocalWallClock_data();
    void takeDateIsLocalWallClock();
    void creationDate();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestNameMaking::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestNameMaking::freeNameIsTakenAsIs()
{
    NameGenerator style(kDefaultStyle, true);
    const Instant date = localInstant(2002, 7, 29, 2, 45, 47);
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("/card/DSC_0001.JPG"), m_dir->path(), date),
             QStringLiteral("2002-07-29_02-45-47.jpg"));
}

void TestNameMaking::secondsModeShiftsTheTime()
{
    NameGenerator style(kDefaultStyle, true);
    touch(m_dir->filePath(QStringLiteral("2002-07-29_02-45-47.jpg")));
    touch(m_dir->filePath(QStringLiteral("2002-07-29_02-45-48.jpg")));
    const Instant date = localInstant(2002, 7, 29, 2, 45, 47);
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("a.jpg"), m_dir->path(), date),
             QStringLiteral("2002-07-29_02-45-49.jpg"));
}

void TestNameMaking::secondsModeKeepsTheFraction()
{
    // Two frames with the same stored fraction: the later one moves on by
    // a second and keeps its fraction.
    NameGenerator style(QStringLiteral("%Y-%M-%D_%h-%m-%s-%3f%F"), true);
    style.setSubSeconds(QStringLiteral("12"));
    touch(m_dir->filePath(QStringLiteral("2024-05-06_10-00-28-120.jpg")));
    const Instant date = localInstant(2024, 5, 6, 10, 0, 28);
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("a.jpg"), m_dir->path(), date),
             QStringLiteral("2024-05-06_10-00-29-120.jpg"));
    // Another fraction in the same second is free as it is.
    style.setSubSeconds(QStringLiteral("45"));
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("b.jpg"), m_dir->path(), date),
             QStringLiteral("2024-05-06_10-00-28-450.jpg"));
}

void TestNameMaking::secondsModeRollsOverMidnightAndYear()
{
    NameGenerator style(kDefaultStyle, true);
    touch(m_dir->filePath(QStringLiteral("2003-12-31_23-59-59.jpg")));
    const Instant date = localInstant(2003, 12, 31, 23, 59, 59);
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("a.JPG"), m_dir->path() + u'/', date),
             QStringLiteral("2004-01-01_00-00-00.jpg"));
}

void TestNameMaking::counterModeWithoutCounterGivesTheTakenName()
{
    NameGenerator style(kDefaultStyle, true);
    style.setIdenticalFileNamesOption(1);
    touch(m_dir->filePath(QStringLiteral("2002-07-29_02-45-47.jpg")));
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("a.jpg"), m_dir->path(), localInstant(2002, 7, 29, 2, 45, 47)),
             QStringLiteral("2002-07-29_02-45-47.jpg"));
}

void TestNameMaking::counterModeCountsUp()
{
    NameGenerator style(QStringLiteral("%PPic%C%S%F"), false);
    style.setCounterDigits(4);
    style.setCounterOnlyShowForIdenticalFiles(false);
    style.setCounterPrefix(QString());
    touch(m_dir->filePath(QStringLiteral("Pic0001.jpg")));
    touch(m_dir->filePath(QStringLiteral("Pic0002.jpg")));
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("x.jpg"), m_dir->path(), 0), QStringLiteral("Pic0003.jpg"));

    // With the default counter settings the second name carries _002.
    NameGenerator dated(QStringLiteral("%Y%C%F"), false);
    dated.setIdenticalFileNamesOption(1);
    touch(m_dir->filePath(QStringLiteral("2002.jpg")));
    QCOMPARE(dated.makeNewFileNameForFile(QStringLiteral("x.jpg"), m_dir->path(), localInstant(2002, 1, 1, 0, 0, 0)),
             QStringLiteral("2002_002.jpg"));
}

void TestNameMaking::secondsAndCounterShiftTheTime()
{
    NameGenerator style(QStringLiteral("%s%C"), false);
    const Instant date = localInstant(2010, 5, 6, 7, 8, 9);
    touch(m_dir->filePath(QStringLiteral("09")));
    QCOMPARE(style.makeNewFileNameForFile(QString(), m_dir->path(), date), QStringLiteral("10"));
    QCOMPARE(style.counter(), 0); // the time moved, the counter did not

    // An always-shown counter stays at its first value while the time shifts.
    NameGenerator shown(QStringLiteral("%s%C"), false);
    shown.setCounterOnlyShowForIdenticalFiles(false);
    touch(m_dir->filePath(QStringLiteral("09_001")));
    QCOMPARE(shown.makeNewFileNameForFile(QString(), m_dir->path(), date), QStringLiteral("10_001"));
    shown.setCounterStartsFromZero(true);
    touch(m_dir->filePath(QStringLiteral("09_000")));
    QCOMPARE(shown.makeNewFileNameForFile(QString(), m_dir->path(), date), QStringLiteral("10_000"));

    style.setIdenticalFileNamesOption(1);
    QCOMPARE(style.makeNewFileNameForFile(QString(), m_dir->path(), date), QStringLiteral("09_002"));
}

void TestNameMaking::dateThatCannotBeBrokenDownGivesNoName()
{
    NameGenerator style(QStringLiteral("%Y-%M-%D_%h-%m-%s%F"), false);
    QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("a.jpg"), m_dir->path(), localInstant(2010, 5, 6, 7, 8, 9)),
             QStringLiteral("2010-05-06_07-08-09.jpg"));
    // The next file's date names no moment: its name is empty (the name
    // check reports it), and none of the first file's date stays behind.
    for (const Instant bad : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300}) {
        QCOMPARE(style.makeNewFileNameForFile(QStringLiteral("b.jpg"), m_dir->path(), bad), QString());
        QVERIFY(!style.lastNameWasFree());
        QCOMPARE(style.year(), 0);
        QCOMPARE(style.month(), 0);
        QVERIFY(!style.takeDate(bad));
    }
}

void TestNameMaking::fileCarryingItsOwnNameIsAClash()
{
    NameGenerator style(kDefaultStyle, true);
    const QString own = m_dir->filePath(QStringLiteral("2002-07-29_02-45-47.jpg"));
    touch(own);
    QCOMPARE(style.makeNewFileNameForFile(own, m_dir->path(), localInstant(2002, 7, 29, 2, 45, 47)),
             QStringLiteral("2002-07-29_02-45-48.jpg"));
}

void TestNameMaking::takenByFolderOrDanglingLink()
{
    NameGenerator style(QStringLiteral("%Y%C"), false);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("2002")));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("nowhere")), m_dir->filePath(QStringLiteral("2002_002"))));
    QCOMPARE(style.makeNewFileNameForFile(QString(), m_dir->path(), localInstant(2002, 3, 3, 3, 3, 3)),
             QStringLiteral("2002_003"));
}

void TestNameMaking::searchThatCannotEndIsBounded()
{
    // %1s repeats every ten seconds: once its ten names are taken no shift
    // can free one, and the style hands back its first name for the check.
    NameGenerator style(QStringLiteral("x%1s"), false);
    for (int digit = 0; digit < 10; ++digit)
        touch(m_dir->filePath(QStringLiteral("x%1").arg(digit)));
    QCOMPARE(style.makeNewFileNameForFile(QString(), m_dir->path(), localInstant(2002, 1, 1, 0, 0, 7)),
             QStringLiteral("x7"));
    QCOMPARE(style.second(), 7);
}

void TestNameMaking::folderNamesHaveNoFilePieces()
{
    NameGenerator style(QStringLiteral("%Y-%M-%D%o%O%F%1U"), false);
    style.setSubString(0, 0, 3, 0, 0);
    const Instant date = localInstant(2002, 4, 25, 21, 36, 17);
    QCOMPARE(style.makeNewFolderNameAtPath(m_dir->path(), date), QStringLiteral("2002-04-25"));
    QCOMPARE(style.makeExampleFolderNameForDate(date), QStringLiteral("2002-04-25"));
    QCOMPARE(style.popUpStringForDate(std::nullopt), QStringLiteral("2002-04-25DSC_1234DSC_1234.jpg.jpgDSC"));
}

void TestNameMaking::popUpTitles()
{
    NameGenerator style(kDefaultStyle, false);
    style.setPrefix(QStringLiteral("P_"));
    style.setSuffix(QStringLiteral("_S"));
    QCOMPARE(style.popUpStringForDate(std::nullopt), QStringLiteral("2002-04-25_21-36-17.jpg"));
    QCOMPARE(style.popUpStringForDate(localInstant(2011, 11, 11, 11, 11, 11)),
             QStringLiteral("2011-11-11_11-11-11.jpg"));
    QCOMPARE(style.makeExampleFileNameForDate(localInstant(2011, 1, 2, 3, 4, 5), QStringLiteral("IMG.CR2")),
             QStringLiteral("2011-01-02_03-04-05.cr2"));
}

void TestNameMaking::takeDateIsLocalWallClock_data()
{
    QTest::addColumn<QList<int>>("wallClock");
    QTest::addColumn<double>("fraction");
    QTest::newRow("winter") << QList<int>{2021, 1, 15, 12, 0, 0} << 0.75;
    QTest::newRow("summer") << QList<int>{2021, 7, 15, 12, 0, 0} << 0.75;
    QTest::newRow("day after spring change") << QList<int>{2021, 3, 29, 0, 30, 0} << 0.5;
    QTest::newRow("before 1970") << QList<int>{1965, 6, 1, 8, 9, 10} << 0.0;
    QTest::newRow("leap day") << QList<int>{2024, 2, 29, 23, 59, 59} << 0.999;
}

void TestNameMaking::takeDateIsLocalWallClock()
{
    QFETCH(QList<int>, wallClock);
    QFETCH(double, fraction);
    NameGenerator style;
    style.takeDate(localInstant(wallClock[0], wallClock[1], wallClock[2], wallClock[3], wallClock[4], wallClock[5]) +
                   fraction);
    const QList<int> broken{style.year(), style.month(), style.day(), style.hour(), style.minute(), style.second()};
    QCOMPARE(broken, wallClock);
}

void TestNameMaking::creationDate()
{
    const QString path = m_dir->filePath(QStringLiteral("copied.jpg"));
    touch(path);
    // A copy that kept its times: the modification time is the earlier one.
    const time_t captured = 1000000000;
    struct utimbuf times
    {
        captured, captured
    };
    QVERIFY(::utime(QFile::encodeName(path).constData(), &times) == 0);
    const OptionalInstant date = NameGenerator::fileCreationDateForFile(path);
    QVERIFY(date.has_value());
    QCOMPARE(*date, static_cast<Instant>(captured));

    QVERIFY(!NameGenerator::fileCreationDateForFile(m_dir->filePath(QStringLiteral("missing"))));
    QVERIFY(!NameGenerator::fileCreationDateForFile(QString()));
}

QTEST_APPLESS_MAIN(TestNameMaking)
#include "tst_namemaking.moc"
