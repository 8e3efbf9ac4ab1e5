// Files taken together keep one name: RAW+JPEG from one shutter press, a
// phone's Live Photo (still and movie), named by the still's date with a
// counter or shifted second free for every member.
#include "FaultyFileSystem.h"
#include "RunBench.h"
#include "TestFiles.h"
#include "journal/JournalStore.h"
#include "journal/UndoRun.h"
#include "naming/FNGenerators.h"
#include "naming/NameGenerator.h"

#include <QRegularExpression>
#include <QTest>

using namespace lumenscribe;
using lumenscribe::test::contentOf;
using lumenscribe::test::RunBench;
using lumenscribe::test::ScriptedFrontEnd;
using lumenscribe::test::tree;
using lumenscribe::test::writeFile;

namespace {

const QString kData = QStringLiteral(LUMENSCRIBE_TESTDATA);

// A copy of a sample file with every EXIF date text in it set to `date`
// ("YYYY:MM:DD HH:MM:SS"): the texts keep their length, so the file stays
// the camera's file in every other byte.
void copyDated(const QString& name, const QString& target, const char* date)
{
    static const QRegularExpression dateText(QStringLiteral("\\d{4}:\\d\\d:\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    QString bytes = QString::fromLatin1(contentOf(kData + u'/' + name));
    QVERIFY(bytes.contains(dateText));
    bytes.replace(dateText, QString::fromLatin1(date));
    writeFile(target, bytes.toLatin1());
}

} // namespace

class TestRenamePairs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rawAndJpegMoveToTheNextFreeNameTogether();
    void counterChosenForTheWholeGroup();
    void livePhotoTakesTheStillsDate();
    void sameStemFarApartOrUndatedStaysApart();
    void settingOffOrNoSuffixCodeNamesEachOnItsOwn();
    void secondRunChangesNothing();
    void memberThatCannotMoveDoesNotStopTheOthers();
    void fileARuleDeletesIsNoMember();
    void undoBringsBackEveryMember();

private:
    void runOn(const QStringList& paths)
    {
        m_bench->runOn(paths);
        QVERIFY(m_frontEnd->ended);
    }
    void makeRawAndJpeg()
    {
        copyDated(QStringLiteral("CanonRaw.cr2"), m_card + QStringLiteral("/IMG_0001.CR2"), "2024:05:06 10:00:00");
        copyDated(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_0001.JPG"), "2024:05:06 10:00:00");
    }

    std::unique_ptr<RunBench> m_bench;
    QString m_card;
    MainController* m_controller = nullptr;
    ScriptedFrontEnd* m_frontEnd = nullptr;
};

void TestRenamePairs::init()
{
    m_bench = std::make_unique<RunBench>();
    m_controller = m_bench->controller.get();
    m_frontEnd = m_bench->frontEnd.get();
    m_card = m_bench->card();
    QVERIFY(m_controller->namePairsTogether()); // on unless turned off
}

void TestRenamePairs::cleanup()
{
    m_bench.reset();
}

void TestRenamePairs::rawAndJpegMoveToTheNextFreeNameTogether()
{
    makeRawAndJpeg();
    // Taken for the JPEG only: on its own, the raw would keep 10-00-00.
    writeFile(m_card + QStringLiteral("/2024-05-06_10-00-00.jpg"), "an older photo");
    runOn({m_card + QStringLiteral("/IMG_0001.CR2"), m_card + QStringLiteral("/IMG_0001.JPG")});
    QCOMPARE(tree(m_card),
             (QStringList{"2024-05-06_10-00-00.jpg", "2024-05-06_10-00-01.cr2", "2024-05-06_10-00-01.jpg"}));
    QCOMPARE(contentOf(m_card + QStringLiteral("/2024-05-06_10-00-00.jpg")), QByteArray("an older photo"));
    // One line, the JPEG's, with the raw as its member.
    QCOMPARE(m_frontEnd->reports.size(), 1);
    const FileReport& report = m_frontEnd->reports.first();
    QCOMPARE(report.source, m_card + QStringLiteral("/IMG_0001.JPG"));
    QCOMPARE(report.action, FileReport::Action::Renamed);
    QCOMPARE(report.members.size(), 1);
    QCOMPARE(report.members.first().source, m_card + QStringLiteral("/IMG_0001.CR2"));
    QCOMPARE(report.members.first().target, m_card + QStringLiteral("/2024-05-06_10-00-01.cr2"));
    QCOMPARE(report.members.first().action, FileReport::Action::Renamed);
}

void TestRenamePairs::counterChosenForTheWholeGroup()
{
    makeRawAndJpeg();
    copyDated(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/img_0001.mov"), "2024:05:06 10:00:01");
    m_controller->fileNameGenerators().addGenerator()->setFormatString(QStringLiteral("%Y%M%D%C%F"));
    m_controller->setNamingStyle(m_controller->fileNameGenerators().count() - 1);
    m_controller->setIdenticalFileNamesOption(1);
    // The first name is free for the raw and the JPEG, not for the movie;
    // the next is free for the JPEG only.
    writeFile(m_card + QStringLiteral("/20240506.mov"), "theirs");
    writeFile(m_card + QStringLiteral("/20240506_001.cr2"), "theirs");
    runOn({m_card + QStringLiteral("/IMG_0001.CR2"), m_card + QStringLiteral("/IMG_0001.JPG"),
           m_card + QStringLiteral("/img_0001.mov")});
    QCOMPARE(tree(m_card), (QStringList{"20240506.mov", "20240506_001.cr2", "20240506_002.cr2", "20240506_002.jpg",
                                        "20240506_002.mov"}));
}

void TestRenamePairs::livePhotoTakesTheStillsDate()
{
    // The movie starts two seconds before the still was taken.
    copyDated(QStringLiteral("Stonehenge.heic"), m_card + QStringLiteral("/IMG_0002.HEIC"), "2024:05:06 10:00:02");
    copyDated(QStringLiteral("P1000244.MOV"), m_card + QStringLiteral("/IMG_0002.MOV"), "2024:05:06 10:00:00");
    runOn({m_card});
    QCOMPARE(tree(m_card), (QStringList{"2024-05-06_10-00-02.heic", "2024-05-06_10-00-02.mov"}));
    QCOMPARE(m_frontEnd->reports.size(), 1);
    QCOMPARE(m_frontEnd->reports.first().source, m_card + QStringLiteral("/IMG_0002.HEIC"));
}

void TestRenamePairs::sameStemFarApartOrUndatedStaysApart()
{
    copyDated(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_0003.JPG"), "2024:05:06 10:00:00");
    copyDated(QStringLiteral("P1000244.MOV"), m_card + QStringLiteral("/IMG_0003.MOV"), "2024:05:06 10:01:00");
    // Four seconds apart: not one shot.
    copyDated(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_0004.JPG"), "2024:05:06 11:00:00");
    copyDated(QStringLiteral("CanonRaw.cr2"), m_card + QStringLiteral("/IMG_0004.CR2"), "2024:05:06 11:00:04");
    // No capture date: named by its file time, alone.
    copyDated(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_0005.JPG"), "2024:05:06 12:00:00");
    writeFile(m_card + QStringLiteral("/IMG_0005.MOV"), QByteArray(512, 'x'));
    runOn({m_card});
    const QStringList names = tree(m_card);
    QCOMPARE(names.size(), 6);
    for (const char* name : {"2024-05-06_10-00-00.jpg", "2024-05-06_10-01-00.mov", "2024-05-06_11-00-00.jpg",
                             "2024-05-06_11-00-04.cr2", "2024-05-06_12-00-00.jpg"})
        QVERIFY2(names.contains(QString::fromLatin1(name)), name);
    QVERIFY(!names.contains(QStringLiteral("2024-05-06_12-00-00.mov")));
    QCOMPARE(m_frontEnd->reports.size(), 6);
    for (const FileReport& report : std::as_const(m_frontEnd->reports))
        QVERIFY(report.members.isEmpty());
}

void TestRenamePairs::settingOffOrNoSuffixCodeNamesEachOnItsOwn()
{
    makeRawAndJpeg();
    writeFile(m_card + QStringLiteral("/2024-05-06_10-00-00.jpg"), "an older photo");
    m_controller->setNamePairsTogether(false);
    runOn({m_card + QStringLiteral("/IMG_0001.CR2"), m_card + QStringLiteral("/IMG_0001.JPG")});
    // Today's behaviour: each file takes its own first free name.
    QCOMPARE(tree(m_card),
             (QStringList{"2024-05-06_10-00-00.cr2", "2024-05-06_10-00-00.jpg", "2024-05-06_10-00-01.jpg"}));
    QCOMPARE(m_frontEnd->reports.size(), 2);

    // A style without the suffix code would give the members one name.
    m_bench = std::make_unique<RunBench>();
    m_controller = m_bench->controller.get();
    m_frontEnd = m_bench->frontEnd.get();
    m_card = m_bench->card();
    makeRawAndJpeg();
    m_controller->fileNameGenerators().addGenerator()->setFormatString(QStringLiteral("%Y-%M-%D_%h-%m-%s"));
    m_controller->setNamingStyle(m_controller->fileNameGenerators().count() - 1);
    runOn({m_card});
    QCOMPARE(tree(m_card), (QStringList{"2024-05-06_10-00-00", "2024-05-06_10-00-01"}));
    QCOMPARE(m_frontEnd->reports.size(), 2);
}

void TestRenamePairs::secondRunChangesNothing()
{
    makeRawAndJpeg();
    writeFile(m_card + QStringLiteral("/2024-05-06_10-00-00.jpg"), "an older photo");
    runOn({m_card + QStringLiteral("/IMG_0001.CR2"), m_card + QStringLiteral("/IMG_0001.JPG")});
    const QStringList first = tree(m_card);
    QCOMPARE(first.size(), 3);
    m_frontEnd->reports.clear();
    // Run again, the JPEG's first name is still taken: the group must not
    // take that as a reason to move on to the next second.
    runOn({m_card + QStringLiteral("/2024-05-06_10-00-01.cr2"), m_card + QStringLiteral("/2024-05-06_10-00-01.jpg")});
    QCOMPARE(tree(m_card), first);
    QCOMPARE(m_frontEnd->reports.size(), 1);
    const FileReport& report = m_frontEnd->reports.first();
    QCOMPARE(report.action, FileReport::Action::Unchanged);
    QCOMPARE(report.members.size(), 1);
    QCOMPARE(report.members.first().action, FileReport::Action::Unchanged);
}

void TestRenamePairs::memberThatCannotMoveDoesNotStopTheOthers()
{
    makeRawAndJpeg();
    writeFile(m_card + QStringLiteral("/IMG_0001.xmp"), "rating"); // the raw's sidecar, first in path order
    const QString rawTarget = m_card + QStringLiteral("/2024-05-06_10-00-00.cr2");
    FaultyFileSystem fileSystem;
    fileSystem.beforeCall = [&](FaultyFileSystem::Operation operation, const QString& path) {
        // Someone else takes the raw's new name at the last moment.
        if (operation == FaultyFileSystem::RenameNoReplace && path.endsWith(QStringLiteral("IMG_0001.CR2")))
            writeFile(rawTarget, "theirs");
    };
    m_controller->setFileSystem(&fileSystem);
    runOn({m_card});
    QCOMPARE(tree(m_card),
             (QStringList{"2024-05-06_10-00-00.cr2", "2024-05-06_10-00-00.jpg", "IMG_0001.CR2", "IMG_0001.xmp"}));
    QCOMPARE(contentOf(rawTarget), QByteArray("theirs"));
    QCOMPARE(m_frontEnd->reports.size(), 1);
    const FileReport& report = m_frontEnd->reports.first();
    QCOMPARE(report.action, FileReport::Action::Renamed);
    QCOMPARE(report.members.first().action, FileReport::Action::Failed);
    QVERIFY(!report.members.first().message.isEmpty());
}

void TestRenamePairs::fileARuleDeletesIsNoMember()
{
    makeRawAndJpeg();
    writeFile(m_card + QStringLiteral("/2024-05-06_10-00-00.cr2"), "an older raw");
    m_controller->setDeleteFilesOptions(int(DeleteRule::MatchingPatterns));
    m_controller->setDeleteFilesPatterns({QStringLiteral("*.JPG")});
    runOn({m_card + QStringLiteral("/IMG_0001.CR2"), m_card + QStringLiteral("/IMG_0001.JPG")});
    // The raw is named on its own; the JPEG goes to the trash as the rule says.
    QCOMPARE(tree(m_card), (QStringList{"2024-05-06_10-00-00.cr2", "2024-05-06_10-00-01.cr2"}));
    QCOMPARE(m_frontEnd->reports.size(), 2);
    QVERIFY(m_frontEnd->reports.first().members.isEmpty());
    QCOMPARE(m_frontEnd->reports.last().action, FileReport::Action::Deleted);
}

void TestRenamePairs::undoBringsBackEveryMember()
{
    makeRawAndJpeg();
    writeFile(m_card + QStringLiteral("/IMG_0001.xmp"), "rating");
    runOn({m_card});
    QCOMPARE(tree(m_card),
             (QStringList{"2024-05-06_10-00-00.cr2", "2024-05-06_10-00-00.jpg", "2024-05-06_10-00-00.xmp"}));
    UndoRun undo(FileSystem::real());
    const UndoRun::Result result = undo.undo(JournalStore(m_bench->journals()).pathForId(QString()), false);
    QCOMPARE(result.restored.size(), 3);
    QCOMPARE(tree(m_card), (QStringList{"IMG_0001.CR2", "IMG_0001.JPG", "IMG_0001.xmp"}));
}

QTEST_GUILESS_MAIN(TestRenamePairs)
#include "tst_renamepairs.moc"
