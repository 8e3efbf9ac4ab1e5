// --by-day and --copy as a photographer types them: folders by capture day,
// copies off the card, and the undo of both.
#include "CliRunner.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe::test;

class TestCliDest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void byDayMakesNestedFoldersAndUndoRemovesThem();
    void byDayExcludesTheOtherTargets();
    void copyLeavesTheCardAsItWas();
    void copiedPairAndBurstTogether();

private:
    CliResult run(const QStringList& arguments) { return runCli(arguments, m_config); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
    QString m_card;
    QString m_photos;
    QByteArray m_dataHome;
};

void TestCliDest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
    m_card = m_dir->filePath(QStringLiteral("card"));
    m_photos = m_dir->filePath(QStringLiteral("photos"));
    QDir().mkpath(m_photos);
    // Undo's trash, the test's own.
    m_dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("share"))));
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_1.JPG"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_card + QStringLiteral("/DSC_2.JPG"));
}

void TestCliDest::cleanup()
{
    qputenv("XDG_DATA_HOME", m_dataHome);
}

void TestCliDest::byDayMakesNestedFoldersAndUndoRemovesThem()
{
    QCOMPARE(run({"styles", "add", "--folder", "--format", "%Y/%Y-%M-%D"}).exitCode, 0);
    const QStringList byDay{"--yes", "--by-day", m_photos, "--folder-style", "4", m_card};
    const CliResult plan = run(QStringList{"--dry-run"} + byDay);
    QCOMPARE(plan.exitCode, 0);
    QVERIFY2(plan.out.contains(QStringLiteral("2007/2007-02-22/2007-02-22_17-02-42.jpg")), qPrintable(plan.out));
    QVERIFY(tree(m_photos, true).isEmpty());
    const CliResult done = run(byDay);
    QCOMPARE(done.exitCode, 0);
    QCOMPARE(tree(m_photos),
             (QStringList{"2004/2004-03-30/2004-03-30_10-43-46.jpg", "2007/2007-02-22/2007-02-22_17-02-42.jpg"}));
    QCOMPARE(run({"undo"}).exitCode, 0);
    QCOMPARE(tree(m_card), (QStringList{"DSC_2.JPG", "IMG_1.JPG"}));
    QVERIFY(tree(m_photos, true).isEmpty());
}

void TestCliDest::byDayExcludesTheOtherTargets()
{
    const CliResult result = run({"--yes", "--by-day", m_photos, "--move-to", m_photos, m_card});
    QCOMPARE(result.exitCode, 2);
    QVERIFY(!result.err.isEmpty());
    QCOMPARE(run({"--yes", "--by-day", m_dir->filePath(QStringLiteral("missing")), m_card}).exitCode, 2);
    QCOMPARE(tree(m_card), (QStringList{"DSC_2.JPG", "IMG_1.JPG"}));
}

void TestCliDest::copyLeavesTheCardAsItWas()
{
    const QByteArray original = contentOf(m_card + QStringLiteral("/IMG_1.JPG"));
    const CliResult result = run({"--yes", "--json", "--copy", "--by-day", m_photos, "--folder-style", "1", m_card});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out.count(QStringLiteral("\"action\":\"copied\"")), 2);
    QCOMPARE(tree(m_card), (QStringList{"DSC_2.JPG", "IMG_1.JPG"}));
    QCOMPARE(contentOf(m_card + QStringLiteral("/IMG_1.JPG")), original);
    QCOMPARE(tree(m_photos), (QStringList{"2004-03-30/2004-03-30_10-43-46.jpg", "2007-02-22/2007-02-22_17-02-42.jpg"}));
    QCOMPARE(contentOf(m_photos + QStringLiteral("/2007-02-22/2007-02-22_17-02-42.jpg")), original);
    // Undo takes the copies to the trash and leaves the card alone.
    QCOMPARE(run({"undo"}).exitCode, 0);
    QVERIFY(tree(m_photos, true).isEmpty());
    QCOMPARE(contentOf(m_card + QStringLiteral("/IMG_1.JPG")), original);
}

// The features together, as a photographer copies a card: a pair is copied
// under one name and counted as two copies, burst frames keep their order,
// a note and the print order stay behind, and the card is untouched.
void TestCliDest::copiedPairAndBurstTogether()
{
    QDir(m_card).removeRecursively();
    copyData(QStringLiteral("P1000244.JPG"), m_card + QStringLiteral("/P1000244.JPG"));
    copyData(QStringLiteral("P1000244.MOV"), m_card + QStringLiteral("/P1000244.MOV"));
    copyData(QStringLiteral("burst-a2.jpg"), m_card + QStringLiteral("/IMG_2.JPG"));
    copyData(QStringLiteral("burst-a1.jpg"), m_card + QStringLiteral("/IMG_3.JPG"));
    writeFile(m_card + QStringLiteral("/note.txt"), "buy film\n");
    writeFile(m_card + QStringLiteral("/MISC/AUTPRINT.MRK"), "[HDR]\n");
    const QStringList card = tree(m_card);
    const CliResult result =
        run({"--yes", "--copy", "--only-media", "--move-to", m_photos, "--format", "%Y-%M-%D_%h-%m-%s-%2f%F", m_card});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.contains(QStringLiteral("skipped 2")), qPrintable(result.err));
    QVERIFY2(result.err.contains(QStringLiteral("4 of them as copies")), qPrintable(result.err));
    QCOMPARE(tree(m_card), card);
    QCOMPARE(tree(m_photos), (QStringList{"2023-10-21_10-20-01-00.jpg", "2023-10-21_10-20-01-00.mov",
                                          "2024-05-06_10-00-28-12.jpg", "2024-05-06_10-00-28-45.jpg"}));
}

QTEST_GUILESS_MAIN(TestCliDest)
#include "tst_clidest.moc"
