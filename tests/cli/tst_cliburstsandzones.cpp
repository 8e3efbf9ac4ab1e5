// The fraction of the second and the zone of the names on the command line:
// a burst planned in the order of its frames, --zone, and the nameZone setting.
#include "CliRunner.h"
#include "TestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe::test;

class TestCliBurstsAndZones : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void burstPlannedInTheOrderOfItsFrames();
    void zoneOption();
    void nameZoneSetting();

private:
    CliResult run(const QStringList& arguments) { return runCli(arguments, m_config); }
    // The new names of a dry run, sorted.
    QStringList plannedNames(const QStringList& arguments)
    {
        const CliResult result = run(QStringList{"--dry-run", "--json"} + arguments);
        if (result.exitCode != 0)
            qWarning("%s", qPrintable(result.err));
        QStringList names;
        for (const QString& line : result.out.split(u'\n', Qt::SkipEmptyParts))
            names.append(
                QFileInfo(QJsonDocument::fromJson(line.toUtf8()).object().value("target").toString()).fileName());
        names.sort();
        return names;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
    QString m_card;
};

void TestCliBurstsAndZones::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
    m_card = m_dir->filePath(QStringLiteral("card"));
}

void TestCliBurstsAndZones::burstPlannedInTheOrderOfItsFrames()
{
    int number = 9;
    for (const char* frame : {"burst-a1.jpg", "burst-a2.jpg", "burst-a3.jpg", "burst-b1.jpg", "burst-c1.jpg"})
        copyData(QLatin1String(frame), m_card + QStringLiteral("/IMG_%1.JPG").arg(number--));
    const QStringList before = tree(m_card);
    QCOMPARE(plannedNames({"--format", "%Y-%M-%D_%h-%m-%s-%3f%F", m_card}),
             (QStringList{"2024-05-06_10-00-28-000.jpg", "2024-05-06_10-00-28-120.jpg", "2024-05-06_10-00-28-300.jpg",
                          "2024-05-06_10-00-28-450.jpg", "2024-05-06_10-00-28-780.jpg"}));
    QCOMPARE(plannedNames({"--format", "%s.%f %1f %4f%F", m_card + QStringLiteral("/IMG_9.JPG")}),
             QStringList{"28.12 1 1200.jpg"});
    QCOMPARE(tree(m_card), before);
}

void TestCliBurstsAndZones::zoneOption()
{
    copyData(QStringLiteral("QuickTime.mov"), m_card + QStringLiteral("/MVI_1.MOV"));
    const QString movie = m_card + QStringLiteral("/MVI_1.MOV");
    const QString format = QStringLiteral("%Y-%M-%D_%h-%m-%s%F");
    // The movie header holds 2005-08-11 14:03:54 UTC.
    const QString local =
        QDateTime(QDate(2005, 8, 11), QTime(14, 3, 54), Qt::UTC).toLocalTime().toString("yyyy-MM-dd_HH-mm-ss") + ".mov";
    QCOMPARE(plannedNames({"--format", format, movie}), QStringList{local});
    QCOMPARE(plannedNames({"--zone", "local", "--format", format, movie}), QStringList{local});
    QCOMPARE(plannedNames({"--zone", "camera", "--format", format, movie}), QStringList{local});
    QCOMPARE(plannedNames({"--zone", "Asia/Tokyo", "--format", format, movie}), QStringList{"2005-08-11_23-03-54.mov"});

    const CliResult bad = run({"--dry-run", "--zone", "Mars/Olympus_Mons", movie});
    QCOMPARE(bad.exitCode, 2);
    QVERIFY(!bad.err.isEmpty());
    QVERIFY(bad.out.isEmpty());

    // A real run with --zone renames by it and saves nothing of it.
    QCOMPARE(run({"--yes", "--zone", "UTC", "--format", format, movie}).exitCode, 0);
    QCOMPARE(tree(m_card), QStringList{"2005-08-11_14-03-54.mov"});
    QCOMPARE(run({"config"}).out.contains(QStringLiteral("nameZone = local")), true);
}

void TestCliBurstsAndZones::nameZoneSetting()
{
    copyData(QStringLiteral("Google.jpg"), m_card + QStringLiteral("/PXL_1.jpg"));
    QCOMPARE(run({"config", "set", "nameZone", "Asia/Tokyo"}).exitCode, 0);
    const CliResult refused = run({"config", "set", "nameZone", "Europe/Nowhere"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(QStringLiteral("Europe/Nowhere")), qPrintable(refused.err));
    QVERIFY(run({"config"}).out.contains(QStringLiteral("nameZone = Asia/Tokyo")));
    // 22:53:51.724 at +02:00 is 05:53:51 the next morning in Tokyo.
    QCOMPARE(plannedNames({"--format", "%Y-%M-%D_%h-%m-%s-%3f%F", m_card}), QStringList{"2023-10-07_05-53-51-724.jpg"});
    QCOMPARE(plannedNames({"--zone", "camera", "--format", "%Y-%M-%D_%h-%m-%s%F", m_card}),
             QStringList{"2023-10-06_22-53-51.jpg"});
}

QTEST_GUILESS_MAIN(TestCliBurstsAndZones)
#include "tst_cliburstsandzones.moc"
