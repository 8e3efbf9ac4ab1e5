// The zone the names speak, apart from any file: which texts name a zone,
// that "local" leaves every date exactly as it was, and how moments and
// wall-clock times are moved.
#include "TestDates.h"
#include "platform/LocalTime.h"
#include "platform/NameZone.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace lumenscribe;
using lumenscribe::test::localInstant;

class TestNameZone : public QObject
{
    Q_OBJECT

private slots:
    void texts();
    void localLeavesEveryDateAlone();
    void movesMomentsOnly();
};

void TestNameZone::texts()
{
    for (const char* good : {"local", "camera", "UTC", "Asia/Tokyo", "America/Argentina/Buenos_Aires"})
        QVERIFY2(NameZone::accepts(QLatin1String(good)), good);
    for (const char* bad : {"", "Local", "CAMERA", "Mars/Olympus_Mons", "../etc/passwd", " Asia/Tokyo"})
        QVERIFY2(!NameZone::accepts(QLatin1String(bad)), bad);
    QCOMPARE(NameZone::fromText(QStringLiteral("camera"))->kind(), NameZone::Kind::Camera);
    QCOMPARE(NameZone::fromText(QStringLiteral("Europe/Berlin"))->kind(), NameZone::Kind::Named);
}

void TestNameZone::localLeavesEveryDateAlone()
{
    const NameZone local;
    for (const double date : {0.0, 1123769034.5, -86400.25, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        for (const bool instant : {false, true}) {
            const double named = local.apply(date, instant, 120);
            QVERIFY(named == date || (std::isnan(named) && std::isnan(date)));
        }
    }
}

void TestNameZone::movesMomentsOnly()
{
    const auto camera = *NameZone::fromText(QStringLiteral("camera"));
    const auto tokyo = *NameZone::fromText(QStringLiteral("Asia/Tokyo"));
    const Instant moment = 1123769034.5; // 2005-08-11 14:03:54.5 UTC
    const Instant wallClock = localInstant(2005, 8, 11, 14, 3, 54);
    // A moment: at the file's offset, else the machine's zone, or in Tokyo.
    QCOMPARE(camera.apply(moment, true, 90), localInstant(2005, 8, 11, 15, 33, 54) + 0.5);
    QCOMPARE(camera.apply(moment, true, std::nullopt), moment);
    QCOMPARE(tokyo.apply(moment, true, std::nullopt), localInstant(2005, 8, 11, 23, 3, 54) + 0.5);
    // A wall-clock time stays, unless its offset makes it a moment.
    QCOMPARE(camera.apply(wallClock, false, 120), wallClock);
    QCOMPARE(tokyo.apply(wallClock, false, std::nullopt), wallClock);
    QCOMPARE(tokyo.apply(wallClock, false, -300), localInstant(2005, 8, 12, 4, 3, 54));
    // Across the date line and a year.
    QCOMPARE(tokyo.apply(localInstant(2023, 12, 31, 20, 0, 0), false, 0), localInstant(2024, 1, 1, 5, 0, 0));
}

QTEST_GUILESS_MAIN(TestNameZone)
#include "tst_namezone.moc"
