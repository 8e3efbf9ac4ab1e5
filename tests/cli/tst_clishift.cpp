// A camera clock that was wrong, on the command line: --shift and
// --shift-model rename to the shifted dates, say so, keep the shift in the
// journal, and refuse texts that are no shift; so does "config set".
#include "CliRunner.h"
#include "TestFiles.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe::test;

class TestCliShift : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shiftRenamesToTheShiftedDateAndUndoRestores();
    void modelShiftTouchesOnlyThatCamera();
    void badShiftsAreUsageErrors();
    void storedShiftsAreCheckedAndUsed();
    void dateShowsTheShiftedDate();

private:
    CliResult run(const QStringList& arguments) { return runCli(arguments, m_config); }
    // The first line of the newest journal: the run's beginning.
    QJsonObject journalBegin() const;
    // The JSON line of each file of a run, by the file's name.
    static QHash<QString, QJsonObject> byName(const QString& out);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
    QString m_card;
    const QStringList m_original{"DSC_2.JPG", "IMG_1.JPG"};
};

void TestCliShift::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
    m_card = m_dir->filePath(QStringLiteral("card"));
    // Two cameras: a Canon EOS-1D Mark III and a NIKON D70.
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_1.JPG"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_card + QStringLiteral("/DSC_2.JPG"));
}

QJsonObject TestCliShift::journalBegin() const
{
    const QDir folder(m_config + QStringLiteral(".journal"));
    const QStringList names = folder.entryList({QStringLiteral("*.journal")}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        return {};
    const QByteArray content = contentOf(folder.filePath(names.last()));
    return QJsonDocument::fromJson(content.left(content.indexOf('\n'))).object();
}

QHash<QString, QJsonObject> TestCliShift::byName(const QString& out)
{
    QHash<QString, QJsonObject> files;
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        files.insert(QFileInfo(object.value("source").toString()).fileName(), object);
    }
    return files;
}

void TestCliShift::shiftRenamesToTheShiftedDateAndUndoRestores()
{
    const CliResult result = run({"--yes", "--shift", "+1h", m_card});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(tree(m_card), (QStringList{"2004-03-30_11-43-46.jpg", "2007-02-22_18-02-42.jpg"}));
    // The shift heads the list, and each file says it was shifted.
    QVERIFY2(result.out.startsWith(QStringLiteral("time shift +1h\n")), qPrintable(result.out));
    QVERIFY2(result.out.contains(QStringLiteral("(2007-02-22 18:02:42, file, shifted +1h)")), qPrintable(result.out));
    const QJsonObject begin = journalBegin();
    QCOMPARE(begin.value("op").toString(), QStringLiteral("begin"));
    QCOMPARE(begin.value("shift").toString(), QStringLiteral("+1h"));
    QVERIFY(!begin.contains("shiftByModel"));
    // This run's option only: nothing of it is saved.
    QVERIFY(!contentOf(m_config).contains("+1h"));

    QCOMPARE(run({"undo"}).exitCode, 0);
    QCOMPARE(tree(m_card), m_original);

    // A clock reading, backwards, and with "=": the same text read by the option parser.
    const CliResult back = run({"--dry-run", "--json", "--shift=-0:00:05", m_card});
    QCOMPARE(back.exitCode, 0);
    QVERIFY2(back.err.contains(QStringLiteral("time shift -5s")), qPrintable(back.err));
    const auto files = byName(back.out);
    QCOMPARE(files.value("IMG_1.JPG").value("date").toString(), QStringLiteral("2007-02-22 17:02:37"));
    QCOMPARE(files.value("IMG_1.JPG").value("shift").toString(), QStringLiteral("-5s"));
}

void TestCliShift::modelShiftTouchesOnlyThatCamera()
{
    // Letter case and blanks of the model do not matter; the run-wide shift adds to it.
    const CliResult plan = run({"--dry-run", "--json", "--shift-model", " nikon d70 =-5s", m_card});
    QCOMPARE(plan.exitCode, 0);
    auto files = byName(plan.out);
    QCOMPARE(files.value("DSC_2.JPG").value("target").toString(), m_card + QStringLiteral("/2004-03-30_10-43-41.jpg"));
    QCOMPARE(files.value("DSC_2.JPG").value("shift").toString(), QStringLiteral("-5s"));
    QCOMPARE(files.value("IMG_1.JPG").value("target").toString(), m_card + QStringLiteral("/2007-02-22_17-02-42.jpg"));
    QVERIFY(files.value("IMG_1.JPG").value("shift").isNull());

    const CliResult result = run({"--yes", "--shift", "+1h", "--shift-model", "NIKON D70=-5s", "--shift-model",
                                  "Canon PowerShot G2=+1d", m_card});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(tree(m_card), (QStringList{"2004-03-30_11-43-41.jpg", "2007-02-22_18-02-42.jpg"}));
    QVERIFY2(result.out.startsWith(QStringLiteral("time shift +1h, NIKON D70 -5s, Canon PowerShot G2 +1d\n")),
             qPrintable(result.out));
    QVERIFY(result.out.contains(QStringLiteral("(2004-03-30 11:43:41, file, shifted +59m55s)")));
    const QJsonObject begin = journalBegin();
    QCOMPARE(begin.value("shift").toString(), QStringLiteral("+1h"));
    QCOMPARE(begin.value("shiftByModel").toString(), QStringLiteral("NIKON D70=-5s\nCanon PowerShot G2=+1d"));
    QCOMPARE(run({"undo"}).exitCode, 0);
    QCOMPARE(tree(m_card), m_original);
}

void TestCliShift::badShiftsAreUsageErrors()
{
    const struct
    {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"--shift", "bogus"}, "'bogus' is not a time shift"},
        {{"--shift", "+1h30"}, "is not a time shift"},
        {{"--shift", "+36526d"}, "'+36526d' shifts by more than 100 years"},
        {{"--shift-model", "NIKON D70"}, "'NIKON D70' is not MODEL=SHIFT"},
        {{"--shift-model", "=+1h"}, "is not MODEL=SHIFT"},
        {{"--shift-model", "NIKON D70="}, "is not MODEL=SHIFT"},
        {{"--shift-model", "NIKON D70=soon"}, "'soon' is not a time shift"},
    };
    for (const auto& wrong : cases) {
        const CliResult result = run(QStringList{"--yes"} + wrong.arguments + QStringList{m_card});
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QString::fromUtf8(wrong.says)), qPrintable(result.err));
        QCOMPARE(tree(m_card), m_original);
    }
}

void TestCliShift::storedShiftsAreCheckedAndUsed()
{
    // A shift back in time is a value, not options.
    QCOMPARE(run({"config", "set", "timeShift", "-0:00:05"}).exitCode, 0);
    QVERIFY(run({"config"}).out.contains(QStringLiteral("timeShift = -0:00:05\n")));
    QCOMPARE(run({"config", "set", "timeShift", "+2h"}).exitCode, 0);
    const CliResult refused = run({"config", "set", "timeShift", "bogus"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(QStringLiteral("'bogus' is not a time shift")), qPrintable(refused.err));
    const CliResult repeated = run({"config", "set", "timeShiftByModel", "NIKON D70=-5s,nikon d70=+1s"});
    QCOMPARE(repeated.exitCode, 2);
    QVERIFY2(repeated.err.contains(QStringLiteral("has a shift already")), qPrintable(repeated.err));
    QCOMPARE(run({"config", "set", "timeShiftByModel", "NIKON D70=-5s"}).exitCode, 0);
    const CliResult listed = run({"config"});
    QVERIFY(listed.out.contains(QStringLiteral("timeShift = +2h\n")));
    QVERIFY(listed.out.contains(QStringLiteral("timeShiftByModel = [\"NIKON D70=-5s\"]\n")));

    // The stored shifts apply; a model given on the command line takes the
    // place of the stored one for that model, and --shift that of the stored one.
    auto files = byName(run({"--dry-run", "--json", m_card}).out);
    QCOMPARE(files.value("DSC_2.JPG").value("date").toString(), QStringLiteral("2004-03-30 12:43:41"));
    QCOMPARE(files.value("IMG_1.JPG").value("date").toString(), QStringLiteral("2007-02-22 19:02:42"));
    files = byName(run({"--dry-run", "--json", "--shift", "", "--shift-model", "Nikon D70=+1m", m_card}).out);
    QCOMPARE(files.value("DSC_2.JPG").value("date").toString(), QStringLiteral("2004-03-30 10:44:46"));
    QCOMPARE(files.value("IMG_1.JPG").value("date").toString(), QStringLiteral("2007-02-22 17:02:42"));

    // A settings file with a text that is no shift loads as no shift.
    writeFile(m_config, R"({"timeShift": "soon", "timeShiftByModel": ["=1h"]})");
    const CliResult loaded = run({"config"});
    QVERIFY2(loaded.out.contains(QStringLiteral("timeShift = \n")), qPrintable(loaded.out));
    QVERIFY(loaded.out.contains(QStringLiteral("timeShiftByModel = []\n")));
}

void TestCliShift::dateShowsTheShiftedDate()
{
    const CliResult shown = run({"date", "--shift", "+1h", "--shift-model", "NIKON D70=-5s", m_card});
    QCOMPARE(shown.exitCode, 0);
    QVERIFY2(shown.out.contains(QStringLiteral("/DSC_2.JPG\t2004-03-30 11:43:41\tfile\t+59m55s\n")),
             qPrintable(shown.out));
    QVERIFY(shown.out.contains(QStringLiteral("/IMG_1.JPG\t2007-02-22 18:02:42\tfile\t+1h\n")));
    const CliResult json = run({"date", "--json", "--shift", "-30m", m_card + QStringLiteral("/IMG_1.JPG")});
    QVERIFY2(json.out.contains(QStringLiteral("\"date\":\"2007-02-22 16:32:42\"")), qPrintable(json.out));
    QVERIFY(json.out.contains(QStringLiteral("\"shift\":\"-30m\"")));
    // Without the options the output is as it always was.
    QVERIFY(run({"date", m_card + QStringLiteral("/IMG_1.JPG")}).out.endsWith(QStringLiteral("\tfile\n")));
    const CliResult bad = run({"date", "--shift", "soon", m_card});
    QCOMPARE(bad.exitCode, 2);
    QVERIFY(bad.err.contains(QStringLiteral("'soon' is not a time shift")));
}

QTEST_GUILESS_MAIN(TestCliShift)
#include "tst_clishift.moc"
