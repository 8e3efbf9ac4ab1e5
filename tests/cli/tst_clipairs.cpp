// Groups and card files on the command line: a pair is one line with its
// members, --no-pairs names each file on its own, --only-media lists what
// it leaves.
#include "CliRunner.h"
#include "TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe::test;

namespace {

// A sample file with every EXIF date text set to `date`, same length.
void copyDated(const QString& name, const QString& target, const char* date)
{
    static const QRegularExpression dateText(QStringLiteral("\\d{4}:\\d\\d:\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    QString bytes = QString::fromLatin1(contentOf(QStringLiteral(LUMENSCRIBE_TESTDATA "/") + name));
    bytes.replace(dateText, QString::fromLatin1(date));
    writeFile(target, bytes.toLatin1());
}

} // namespace

class TestCliPairs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pairIsOneLineWithItsMembers();
    void noPairsNamesEachOnItsOwn();
    void onlyMediaListsWhatItLeaves();

private:
    CliResult run(const QStringList& arguments) { return runCli(arguments, m_config); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
    QString m_card;
};

void TestCliPairs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
    m_card = m_dir->filePath(QStringLiteral("card"));
    copyDated(QStringLiteral("Stonehenge.heic"), m_card + QStringLiteral("/IMG_0002.HEIC"), "2024:05:06 10:00:02");
    copyDated(QStringLiteral("P1000244.MOV"), m_card + QStringLiteral("/IMG_0002.MOV"), "2024:05:06 10:00:01");
    // Taken for the movie: the still alone would keep its second.
    writeFile(m_card + QStringLiteral("/2024-05-06_10-00-02.mov"), "theirs");
}

void TestCliPairs::pairIsOneLineWithItsMembers()
{
    const QString still = m_card + QStringLiteral("/IMG_0002.HEIC");
    const QString movie = m_card + QStringLiteral("/IMG_0002.MOV");
    const CliResult plan = run({"--dry-run", "--json", still, movie});
    QCOMPARE(plan.exitCode, 0);
    const QStringList lines = plan.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    const QJsonObject object = QJsonDocument::fromJson(lines.first().toUtf8()).object();
    QCOMPARE(object.value("source").toString(), still);
    QCOMPARE(object.value("target").toString(), m_card + QStringLiteral("/2024-05-06_10-00-03.heic"));
    const QJsonArray members = object.value("members").toArray();
    QCOMPARE(members.size(), 1);
    QCOMPARE(members.at(0).toObject().value("source").toString(), movie);
    QCOMPARE(members.at(0).toObject().value("target").toString(), m_card + QStringLiteral("/2024-05-06_10-00-03.mov"));
    QCOMPARE(members.at(0).toObject().value("action").toString(), QStringLiteral("would-rename"));

    const CliResult result = run({"--yes", still, movie});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains(still + QStringLiteral(" -> 2024-05-06_10-00-03.heic  (2024-05-06 10:00:02, file)\n") +
                                 QStringLiteral("  with ") + movie + QStringLiteral(" -> 2024-05-06_10-00-03.mov")),
             qPrintable(result.out));
    QVERIFY2(result.err.contains(QStringLiteral("renamed 2, deleted 0, skipped 0, failed 0")), qPrintable(result.err));
    QCOMPARE(tree(m_card),
             (QStringList{"2024-05-06_10-00-02.mov", "2024-05-06_10-00-03.heic", "2024-05-06_10-00-03.mov"}));
    // Run again: nothing moves on.
    const CliResult again = run({"--yes", m_card + QStringLiteral("/2024-05-06_10-00-03.heic"),
                                 m_card + QStringLiteral("/2024-05-06_10-00-03.mov")});
    QCOMPARE(again.exitCode, 0);
    QVERIFY2(again.out.contains(QStringLiteral("\n  unchanged ") + m_card + QStringLiteral("/2024-05-06_10-00-03.mov")),
             qPrintable(again.out));
    QVERIFY(again.err.contains(QStringLiteral("2 unchanged")));
}

void TestCliPairs::noPairsNamesEachOnItsOwn()
{
    const CliResult result = run(
        {"--yes", "--no-pairs", m_card + QStringLiteral("/IMG_0002.HEIC"), m_card + QStringLiteral("/IMG_0002.MOV")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!result.out.contains(QStringLiteral("  with ")));
    QCOMPARE(tree(m_card),
             (QStringList{"2024-05-06_10-00-01.mov", "2024-05-06_10-00-02.heic", "2024-05-06_10-00-02.mov"}));
    // This run's option only: the next run groups again.
    const QJsonObject stored = QJsonDocument::fromJson(contentOf(m_config)).object();
    QVERIFY(stored.value("namePairsTogether").toBool(true));
}

void TestCliPairs::onlyMediaListsWhatItLeaves()
{
    writeFile(m_card + QStringLiteral("/DCIM/note.txt"), "ask Anna for the rest\n");
    writeFile(m_card + QStringLiteral("/MISC/AUTPRINT.MRK"), "[HDR]\r\n");
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/DCIM/IMG_0001.JPG"));
    const CliResult result =
        run({"--yes", "--only-media", m_card + QStringLiteral("/DCIM"), m_card + QStringLiteral("/MISC")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains(QStringLiteral("skipped ") + m_card +
                                 QStringLiteral("/DCIM/note.txt: not a photo or movie")),
             qPrintable(result.out));
    QVERIFY(result.out.contains(QStringLiteral("skipped ") + m_card +
                                QStringLiteral("/MISC/AUTPRINT.MRK: camera card system file")));
    QVERIFY(result.err.contains(QStringLiteral("renamed 1, deleted 0, skipped 2, failed 0")));
    QVERIFY(QFile::exists(m_card + QStringLiteral("/DCIM/2007-02-22_17-02-42.jpg")));
}

QTEST_GUILESS_MAIN(TestCliPairs)
#include "tst_clipairs.moc"
