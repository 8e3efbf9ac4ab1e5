// The naming commands of the lumenscribe tool, end to end.
#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe::test;

class TestCliNaming : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void popUpTitles_data();
    void popUpTitles();
    void names_data();
    void names();
    void usageErrors_data();
    void usageErrors();
    void searchInAFolder();
    void customStylesFromSettings();
    void versionAndHelp();

private:
    CliResult run(const QStringList& arguments) { return runCli(arguments, m_config); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
};

void TestCliNaming::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
}

void TestCliNaming::popUpTitles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    const QStringList file{"2002-04-25_21-36-17.jpg",
                           "25.04.2002 21-36-17.jpg",
                           "20020425_21-36-17.jpg",
                           "02-04-25_21-36-17.jpg",
                           "200204251D1234.jpg",
                           "21-36-17.jpg",
                           "Pic0001.jpg"};
    for (int i = 0; i < file.size(); ++i)
        QTest::addRow("file %d", i) << QStringList{"--style", QString::number(i)} << file[i];
    const QStringList folder{"2002-04-25_0001", "2002-04-25", "2002-04-25_21-36-17", "Download 0001"};
    for (int i = 0; i < folder.size(); ++i)
        QTest::addRow("folder %d", i) << QStringList{"--folder", "--style", QString::number(i)} << folder[i];
}

void TestCliNaming::popUpTitles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    const CliResult result = run(QStringList{"name", "--popup"} + arguments);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, title + u'\n');
}

void TestCliNaming::names_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    const QString date = "2024-05-06 17:08:09";
    QTest::newRow("default style") << QStringList{"--date", date, "--file", "/card/DSC_0001.JPG"}
                                   << "2024-05-06_17-08-09.jpg";
    QTest::newRow("prefix and suffix") << QStringList{"--date",   date,    "--file",   "a.mov",
                                                      "--prefix", "Rome ", "--suffix", " (1)"}
                                       << "Rome 2024-05-06_17-08-09 (1).mov";
    QTest::newRow("example leaves them out")
        << QStringList{"--date", date, "--file", "a.mov", "--prefix", "Rome ", "--example"}
        << "2024-05-06_17-08-09.mov";
    QTest::newRow("built-in with settings")
        << QStringList{"--style", "1",  "--set",  "timeFormat=2", "--set", "fileTypeSuffixCase=2",
                       "--date",  date, "--file", "x.jpg"}
        << "06.05.2024 05-08-09.JPG";
    QTest::newRow("format with substring slot")
        << QStringList{"--format", "%Y %h%A %1U",        "--set",  "timeFormat=1", "--set",  "subStringType0=1",
                       "--set",    "subStringParamA0=4", "--file", "DSC_9876.JPG", "--date", date}
        << "2024 05PM 9876";
    QTest::newRow("sequence counter") << QStringList{"--folder", "--style", "3", "--seq", "42"} << "Download 0042";
    QTest::newRow("folder style drops file pieces")
        << QStringList{"--folder", "--format", "%Y-%o%F", "--file", "x.jpg", "--date", date} << "2024-";
    QTest::newRow("ISO T separator") << QStringList{"--format", "%D.%M.%Y", "--date", "2024-02-29T01:02:03"}
                                     << "29.02.2024";
}

void TestCliNaming::names()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const CliResult result = run(QStringList{"name"} + arguments);
    // A file format without %F is named all the same, with a warning.
    const bool dropsTheSuffix = arguments.contains(QStringLiteral("--format")) &&
                                !arguments.contains(QStringLiteral("--folder")) &&
                                !arguments.at(arguments.indexOf(QStringLiteral("--format")) + 1).contains(u"%F");
    QCOMPARE(result.err.contains(QStringLiteral("has no %F")), dropsTheSuffix);
    if (!dropsTheSuffix)
        QCOMPARE(result.err, QString());
    QCOMPARE(result.out, expected + u'\n');
    QCOMPARE(result.exitCode, 0);
}

void TestCliNaming::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown key") << QStringList{"--set", "colour=red"} << "unknown style setting 'colour'";
    QTest::newRow("refused value") << QStringList{"--set", "counterDigits=9"} << "does not accept '9'";
    QTest::newRow("no equals sign") << QStringList{"--set", "timeFormat"} << "unknown style setting";
    QTest::newRow("bad date") << QStringList{"--date", "2024-02-30 10:00:00"} << "cannot read the date";
    QTest::newRow("style out of range") << QStringList{"--style", "7"} << "no file style number '7'";
    QTest::newRow("folder style out of range") << QStringList{"--folder", "--style", "4"} << "no folder style";
    QTest::newRow("style not a number") << QStringList{"--style", "two"} << "no file style number 'two'";
    QTest::newRow("style and format") << QStringList{"--style", "1", "--format", "%Y"} << "cannot be used together";
    QTest::newRow("identical") << QStringList{"--identical", "minute"} << "--identical takes";
    QTest::newRow("seq") << QStringList{"--seq", "x"} << "--seq needs a whole number";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "Unknown option";
    QTest::newRow("missing folder") << QStringList{"--in", "/nonexistent/lumenscribe"} << "is not a folder";
}

void TestCliNaming::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CliResult result = run(QStringList{"name"} + arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(result.err.count(u'\n'), 1);
}

void TestCliNaming::searchInAFolder()
{
    const QString folder = m_dir->filePath(QStringLiteral("card"));
    QVERIFY(QDir().mkpath(folder));
    for (const char* taken : {"2024-05-06_17-08-09.jpg", "2024-05-06_17-08-10.jpg"})
        QVERIFY(QFile(folder + u'/' + QLatin1String(taken)).open(QIODevice::WriteOnly));
    const QStringList base{"name", "--date", "2024-05-06 17:08:09", "--file", "a.jpg", "--in", folder};
    QCOMPARE(run(base).out, QStringLiteral("2024-05-06_17-08-11.jpg\n"));
    QCOMPARE(run(base + QStringList{"--identical", "counter"}).out, QStringLiteral("2024-05-06_17-08-09.jpg\n"));
    QCOMPARE(run(base + QStringList{"--style", "5", "--identical", "counter"}).out, QStringLiteral("17-08-09.jpg\n"));
    // Without --in nothing is checked.
    QCOMPARE(run(base.mid(0, 5)).out, QStringLiteral("2024-05-06_17-08-09.jpg\n"));
}

void TestCliNaming::customStylesFromSettings()
{
    const QJsonObject custom{{"formatString", "Trip %Y%F"}, {"counterDigits", 4}};
    const QJsonObject settings{{"fileNameGenerators", QJsonObject{{"generator0", custom}}}};
    QFile file(m_config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(settings).toJson());
    file.close();

    const CliResult listed = run({"styles"});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY2(listed.out.contains(QStringLiteral("  7  file   custom    Trip 2002.jpg")), qPrintable(listed.out));
    QCOMPARE(listed.out.count(u'\n'), 12);
    QCOMPARE(run({"name", "--style", "7", "--date", "2020-01-01 00:00:00", "--file", "b.PNG"}).out,
             QStringLiteral("Trip 2020.png\n"));
}

void TestCliNaming::versionAndHelp()
{
    const CliResult version = run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith(QStringLiteral("lumenscribe ")));
    const CliResult help = run({"--help"});
    QVERIFY(help.out.contains(QStringLiteral("styles")));
    QCOMPARE(run({"frobnicate"}).exitCode, 2);
    QVERIFY(run({"name", "--help"}).out.contains(QStringLiteral("--identical")));
}

QTEST_GUILESS_MAIN(TestCliNaming)
#include "tst_clinaming.moc"
