// The fraction of the second and the zone the names speak, through the
// whole run: a burst keeps the order of its frames whichever window names
// it, and moments stored in UTC are named in the zone asked for.
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/NamesPreview.h"

#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

const QString kBurstStyle = QStringLiteral("%Y-%M-%D_%h-%m-%s-%3f%F");
const QString kPlainStyle = QStringLiteral("%Y-%M-%D_%h-%m-%s%F");

// Card names that sort against the order the frames were taken in.
void makeBurst(const QString& card)
{
    copyData(QStringLiteral("burst-a3.jpg"), card + QStringLiteral("/A_0001.JPG"));
    copyData(QStringLiteral("burst-a2.jpg"), card + QStringLiteral("/A_0002.JPG"));
    copyData(QStringLiteral("burst-a1.jpg"), card + QStringLiteral("/A_0003.JPG"));
    copyData(QStringLiteral("burst-b1.jpg"), card + QStringLiteral("/B_0001.JPG"));
    copyData(QStringLiteral("burst-c1.jpg"), card + QStringLiteral("/C_0001.JPG"));
}

// In the order the frames were taken: CamC (no fraction), CamA .12, CamB
// .30, CamA .45 and .78.
const QStringList kBurstNames{"2024-05-06_10-00-28-000.jpg", "2024-05-06_10-00-28-120.jpg",
                              "2024-05-06_10-00-28-300.jpg", "2024-05-06_10-00-28-450.jpg",
                              "2024-05-06_10-00-28-780.jpg"};

void useStyle(MainController& controller, const QString& format)
{
    NameGenerator* style = controller.fileNameGenerators().addGenerator();
    style->setFormatString(format);
    controller.setNamingStyle(controller.fileNameGenerators().count() - 1);
}

QString nameOf(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
}

QDateTime utc(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

} // namespace

class TestBurstsAndZones : public QObject
{
    Q_OBJECT

private slots:
    void burstKeepsItsOrder();
    void burstNamedAlikeByEveryWindow();
    void zones_data();
    void zones();
    void settingsRefuseAnUnknownZone();
};

void TestBurstsAndZones::burstKeepsItsOrder()
{
    RunBench bench;
    makeBurst(bench.card());
    useStyle(*bench.controller, kBurstStyle);
    bench.runOn({bench.card()});
    QCOMPARE(tree(bench.card()), kBurstNames);

    // Without %f the shifted-second rule still keeps every frame.
    RunBench plain;
    makeBurst(plain.card());
    useStyle(*plain.controller, kPlainStyle);
    plain.runOn({plain.card()});
    QCOMPARE(tree(plain.card()).size(), 5);
}

// The confirm-each-file window names with its own copy of the style, and
// the names-first plan runs on a planned file system: both give the run's names.
void TestBurstsAndZones::burstNamedAlikeByEveryWindow()
{
    RunBench planned;
    makeBurst(planned.card());
    useStyle(*planned.controller, kBurstStyle);
    NamesPreview preview(*planned.controller);
    preview.setPaths({planned.card()});
    preview.waitForPlan();
    QStringList plan;
    for (const FileReport& row : preview.rows())
        plan.append(QFileInfo(row.target).fileName());
    plan.sort();
    QCOMPARE(plan, kBurstNames);

    RunBench asked;
    makeBurst(asked.card());
    useStyle(*asked.controller, kBurstStyle);
    asked.controller->setConfirmEachFile(true);
    asked.frontEnd->ciwAnswers = {4, 4, 4, 4, 4};
    asked.runOn({asked.card()});
    QCOMPARE(asked.frontEnd->shownFiles.size(), 5);
    QCOMPARE(tree(asked.card()), kBurstNames);
}

void TestBurstsAndZones::zones_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("expected");
    // Movie header: a moment in UTC, no zone of its own.
    const QDateTime header = utc(2005, 8, 11, 14, 3, 54);
    QTest::newRow("movie header, local") << "QuickTime.mov"
                                         << "local" << nameOf(header.toLocalTime()) + ".mov";
    QTest::newRow("movie header, camera") << "QuickTime.mov"
                                          << "camera" << nameOf(header.toLocalTime()) + ".mov";
    QTest::newRow("movie header, Tokyo") << "QuickTime.mov"
                                         << "Asia/Tokyo"
                                         << "2005-08-11_23-03-54.mov";
    // "TimeDate=": a count of seconds in UTC.
    const QDateTime count = utc(1998, 10, 29, 22, 6, 59);
    QTest::newRow("TimeDate, camera") << "olympus-d320l.jpg"
                                      << "camera" << nameOf(count.toLocalTime()) + ".jpg";
    QTest::newRow("TimeDate, Tokyo") << "olympus-d320l.jpg"
                                     << "Asia/Tokyo"
                                     << "1998-10-30_07-06-59.jpg";
    // A phone's creation date: its wall-clock time with its offset (+03:00).
    QTest::newRow("phone movie, local") << "with-gps.mov"
                                        << "local"
                                        << "2019-07-24_11-25-40.mov";
    QTest::newRow("phone movie, camera") << "with-gps.mov"
                                         << "camera"
                                         << "2019-07-24_11-25-40.mov";
    QTest::newRow("phone movie, Tokyo") << "with-gps.mov"
                                        << "Asia/Tokyo"
                                        << "2019-07-24_17-25-40.mov";
    QTest::newRow("phone movie, UTC") << "with-gps.mov"
                                      << "UTC"
                                      << "2019-07-24_08-25-40.mov";
    // A photo with OffsetTimeOriginal +02:00.
    QTest::newRow("photo with offset, camera") << "Google.jpg"
                                               << "camera"
                                               << "2023-10-06_22-53-51.jpg";
    QTest::newRow("photo with offset, Tokyo") << "Google.jpg"
                                              << "Asia/Tokyo"
                                              << "2023-10-07_05-53-51.jpg";
    // A camera's wall-clock time without an offset: its zone is unknown.
    QTest::newRow("photo without offset, Tokyo") << "burst-a1.jpg"
                                                 << "Asia/Tokyo"
                                                 << "2024-05-06_10-00-28.jpg";
}

void TestBurstsAndZones::zones()
{
    QFETCH(QString, file);
    QFETCH(QString, zone);
    RunBench bench;
    copyData(file, bench.card() + QStringLiteral("/IMG_0001.") + QFileInfo(file).suffix().toUpper());
    useStyle(*bench.controller, kPlainStyle);
    bench.controller->setNameZone(zone);
    QCOMPARE(bench.controller->nameZone(), zone);
    bench.runOn({bench.card()});
    QTEST(tree(bench.card()).value(0), "expected");
}

// A zone no system knows, or no zone at all, is refused: the setting keeps
// what it held.
void TestBurstsAndZones::settingsRefuseAnUnknownZone()
{
    RunBench bench;
    for (const QString& bad : {QStringLiteral("Mars/Olympus_Mons"), QString(), QStringLiteral("Local")}) {
        bench.controller->setNameZone(bad);
        QCOMPARE(bench.controller->nameZone(), QStringLiteral("local"));
    }
    bench.controller->setNameZone(QStringLiteral("Europe/Berlin"));
    QCOMPARE(bench.controller->nameZone(), QStringLiteral("Europe/Berlin"));
}

QTEST_GUILESS_MAIN(TestBurstsAndZones)
#include "tst_burstsandzones.moc"
