// The rename run end to end, on real folders, through a scripted front end:
// what lands on disk and what the person is told.
#include "FaultyFileSystem.h"
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/CIWController.h"
#include "controllers/MainController.h"
#include "platform/LocalizedStrings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <cerrno>
#include <utime.h>

using namespace lumenscribe;
using lumenscribe::test::contentOf;
using lumenscribe::test::RunBench;
using lumenscribe::test::ScriptedFrontEnd;
using lumenscribe::test::tree;
using lumenscribe::test::writeFile;

namespace {

const QString kData = QStringLiteral(LUMENSCRIBE_TESTDATA);
// Capture dates of the sample photos, local wall-clock time.
const QString kCanon = QStringLiteral("2007-02-22_17-02-42.jpg");
const QString kNikon = QStringLiteral("2004-03-30_10-43-46.jpg");

void copyData(const QString& name, const QString& target)
{
    writeFile(target, contentOf(kData + u'/' + name));
}

} // namespace

class TestRenameRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void foldersHiddenNamesAndOrder();
    void thumbnailCompanionMovesWithItsRaw();
    void loneThumbnailIsItsOwnCompanion();
    void sidecarsFollowTheirPhoto();
    void deleteRulesAtTheSizeBoundary_data();
    void deleteRulesAtTheSizeBoundary();
    void noMetadataDateAsksEvenWithoutConfirmEachFile();
    void creationDateSource();
    void renameAllThenNoMoreQuestions();
    void abortLeavesTheRestUntouched();
    void takenTargetIsNeverOverwritten();
    void datedFolderMadeAndUsed();
    void datedFolderRemovedWhenNothingMoved();
    void datedFolderCannotBeCreated();
    void missingDownloadFolderCreatesNothing();
    void pathsDroppedDuringARunJoinIt();
    void countersAdvanceAsFilesAreSeen();
    void dryRunTouchesNothingAndVariesClashingNames();
    void dryRunFailsWhereTheRealRunFails();
    void gitRepositoryInsideAPhotoFolderStillWorks();
    void homeFolderRunLeavesOwnFilesAndTrashAlone();
    void secondRunChangesNothing_data();
    void secondRunChangesNothing();
    void companionsWaitForTheirFileWhateverTheOrder();
    void companionsStayWhenTheirFileCannotMove();
    void sharedSidecarGoesWithTheFirstFileOnly();
    void companionThatCannotMoveIsReported();
    void dateOfAnUndatedFileIsTheOneShown();
    void wholeCardRenamedTwice();

private:
    void runOn(const QStringList& paths);

    std::unique_ptr<RunBench> m_bench;
    QString m_root;
    MainController* m_controller = nullptr;
    ScriptedFrontEnd* m_frontEnd = nullptr;
};

void TestRenameRun::init()
{
    m_bench = std::make_unique<RunBench>();
    m_controller = m_bench->controller.get();
    m_frontEnd = m_bench->frontEnd.get();
    m_root = m_bench->card();
}

void TestRenameRun::cleanup()
{
    m_bench.reset();
}

void TestRenameRun::runOn(const QStringList& paths)
{
    m_bench->runOn(paths);
    QVERIFY(m_frontEnd->ended);
    QVERIFY(!m_controller->isRunning());
}

void TestRenameRun::foldersHiddenNamesAndOrder()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/b/IMG_0010.JPG"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/b/img_0002.jpg"));
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/b/.thumb.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/a/.cache/deep.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/.hidden/given.jpg"));
    // A hidden folder is walked only when it is dropped itself.
    runOn({m_root, m_root + QStringLiteral("/.hidden")});
    QCOMPARE(m_frontEnd->reportedSources(),
             (QStringList{m_root + "/.hidden/given.jpg", m_root + "/b/IMG_0010.JPG", m_root + "/b/img_0002.jpg"}));
    QCOMPARE(tree(m_root),
             (QStringList{".hidden/" + kNikon, "a/.cache/deep.jpg", "b/.thumb.jpg", "b/" + kNikon, "b/" + kCanon}));
    QCOMPARE(m_frontEnd->maxValues.first(), 3.0);
}

void TestRenameRun::thumbnailCompanionMovesWithItsRaw()
{
    writeFile(m_root + QStringLiteral("/IMG_0001.CRW"), QByteArray(4096, 'x'));
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/IMG_0001.THM"));
    runOn({m_root});
    QCOMPARE(tree(m_root), (QStringList{"2007-02-22_17-02-42.THM", "2007-02-22_17-02-42.crw"}));
    QCOMPARE(m_frontEnd->reports.size(), 1); // the thumbnail's own turn found nothing
    QCOMPARE(m_frontEnd->reports.first().dateSource, QStringLiteral("THM"));
    QVERIFY(m_frontEnd->alerts.isEmpty());
}

void TestRenameRun::loneThumbnailIsItsOwnCompanion()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/MVI_1.THM"));
    runOn({m_root});
    QCOMPARE(tree(m_root), QStringList{"2007-02-22_17-02-42.thm"});
    // It is its own date source, not a companion of itself: one move, no
    // alert about a second one.
    QVERIFY(m_frontEnd->alerts.isEmpty());
    QCOMPARE(m_frontEnd->reports.first().dateSource, QStringLiteral("file"));
}

void TestRenameRun::sidecarsFollowTheirPhoto()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/IMG_5.JPG"));
    writeFile(m_root + QStringLiteral("/IMG_5.xmp"), "rating 5");
    writeFile(m_root + QStringLiteral("/IMG_5.JPG.xmp"), "edits");
    writeFile(m_root + QStringLiteral("/IMG_5.AAE"), "adjustments");
    runOn({m_root + QStringLiteral("/IMG_5.JPG")});
    QCOMPARE(tree(m_root),
             (QStringList{"2007-02-22_17-02-42.AAE", kCanon, kCanon + ".xmp", "2007-02-22_17-02-42.xmp"}));
    QCOMPARE(contentOf(m_root + "/2007-02-22_17-02-42.xmp"), QByteArray("rating 5"));
}

void TestRenameRun::deleteRulesAtTheSizeBoundary_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("left");
    // Files: small.jpg 102399 bytes, big.jpg 102400 bytes, small.gif 10 bytes.
    QTest::newRow("1: pattern") << 1 << QStringList{"big.jpg", "small.jpg"};
    QTest::newRow("2: smaller than 100 kB") << 2 << QStringList{"big.jpg"};
    QTest::newRow("3: small and no pattern") << 3 << QStringList{"big.jpg", "small.gif"};
    QTest::newRow("4: pattern or small") << 4 << QStringList{"big.jpg"};
    QTest::newRow("7: nothing") << 7 << QStringList{"big.jpg", "small.gif", "small.jpg"};
}

void TestRenameRun::deleteRulesAtTheSizeBoundary()
{
    QFETCH(int, option);
    QFETCH(QStringList, left);
    writeFile(m_root + QStringLiteral("/small.jpg"), QByteArray(102399, 'x'));
    writeFile(m_root + QStringLiteral("/big.jpg"), QByteArray(102400, 'x'));
    writeFile(m_root + QStringLiteral("/small.gif"), QByteArray(10, 'x'));
    m_controller->setDeleteFilesOptions(option);
    m_controller->fileNameGenerators().generatorAtIndex(0);
    m_controller->setConfirmEachFile(true);
    m_frontEnd->ciwAnswers = {2, 2, 2}; // keep the survivors' names
    const int before = m_controller->fileSeqCounter();
    runOn({m_root});
    QCOMPARE(tree(m_root), left);
    // Deleted files take no number.
    QCOMPARE(m_controller->fileSeqCounter() - before, left.size());
}

void TestRenameRun::noMetadataDateAsksEvenWithoutConfirmEachFile()
{
    writeFile(m_root + QStringLiteral("/plain.jpg"), QByteArray(64, 'x'));
    NameGenerator* style = m_controller->fileNameGenerators().addGenerator();
    style->setDateSource(1);
    m_controller->setNamingStyle(m_controller->fileNameGenerators().count() - 1);
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    m_frontEnd->onShow = [&](const QString&) {
        // The window shows the current moment for a file without a date.
        const QString proposed = m_controller->ciwController().proposedFileName();
        QVERIFY(proposed.startsWith(QDateTime::fromSecsSinceEpoch(before).toString(QStringLiteral("yyyy-MM-dd"))));
    };
    runOn({m_root});
    QCOMPARE(m_frontEnd->shownFiles, QStringList{m_root + "/plain.jpg"});
    QCOMPARE(m_frontEnd->reports.first().action, FileReport::Action::NeedsConfirmation);
    QCOMPARE(tree(m_root), QStringList{"plain.jpg"});
}

void TestRenameRun::creationDateSource()
{
    const QString path = m_root + QStringLiteral("/copied.jpg");
    copyData(QStringLiteral("Canon1DmkIII.jpg"), path);
    struct utimbuf times
    {
        1000000000, 1000000000
    };
    QVERIFY(::utime(QFile::encodeName(path).constData(), &times) == 0);
    NameGenerator* style = m_controller->fileNameGenerators().addGenerator();
    style->setFormatString(QStringLiteral("%Q-%Y%F"));
    style->setDateSource(2);
    m_controller->setNamingStyle(m_controller->fileNameGenerators().count() - 1);
    m_controller->setFileSeqCounter(41);
    runOn({path});
    QCOMPARE(tree(m_root), QStringList{"41-2001.jpg"}); // not the EXIF year 2007
    QCOMPARE(m_frontEnd->reports.first().dateSource, QStringLiteral("creation-date"));
}

void TestRenameRun::renameAllThenNoMoreQuestions()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/2.jpg"));
    m_controller->setConfirmEachFile(true);
    m_frontEnd->ciwAnswers = {3};
    runOn({m_root});
    QCOMPARE(m_frontEnd->shownFiles.size(), 1);
    QCOMPARE(tree(m_root), (QStringList{kNikon, kCanon}));
    QVERIFY(!m_controller->runState().renameAll()); // lives for one run
}

void TestRenameRun::abortLeavesTheRestUntouched()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/2.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/3.jpg"));
    m_controller->setConfirmEachFile(true);
    m_frontEnd->ciwAnswers = {4, 1};
    runOn({m_root});
    QCOMPARE(tree(m_root), (QStringList{"2.jpg", kCanon, "3.jpg"}));
    QVERIFY(m_frontEnd->endedAborted);
    QCOMPARE(m_frontEnd->infos.last(), LocalizedStrings::shared().text(QStringLiteral("NormalInfoRenamingAborted")));
}

void TestRenameRun::takenTargetIsNeverOverwritten()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/new.jpg"));
    writeFile(m_root + u'/' + kCanon, "an older photo of that name");
    m_controller->setIdenticalFileNamesOption(1); // the default style then cannot vary the name
    m_frontEnd->onShow = [&](const QString&) {
        QCOMPARE(m_controller->ciwController().lastCheckResult(), int(CIWController::NameExists));
    };
    m_frontEnd->ciwAnswers = {4}; // the person insists
    runOn({m_root + QStringLiteral("/new.jpg")});
    QCOMPARE(contentOf(m_root + u'/' + kCanon), QByteArray("an older photo of that name"));
    QCOMPARE(contentOf(m_root + QStringLiteral("/new.jpg")), contentOf(kData + QStringLiteral("/Canon1DmkIII.jpg")));
    QCOMPARE(m_frontEnd->alerts.size(), 1);
    QCOMPARE(m_frontEnd->reports.first().action, FileReport::Action::Failed);
}

void TestRenameRun::datedFolderMadeAndUsed()
{
    const QString download = m_bench->path(QStringLiteral("photos"));
    QDir().mkpath(download);
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    m_controller->setDownloadOptions(2);
    m_controller->setDownloadDestinationFolder(download);
    m_controller->setDownloadNamingStyle(3); // "Download %Q"
    m_controller->setFolderSeqCounter(7);
    runOn({m_root});
    QCOMPARE(tree(download), QStringList{"Download 0007/" + kCanon});
    QCOMPARE(m_controller->folderSeqCounter(), 8);
    QCOMPARE(m_frontEnd->fiwOpened, 0);
}

void TestRenameRun::datedFolderRemovedWhenNothingMoved()
{
    const QString download = m_bench->path(QStringLiteral("photos"));
    QDir().mkpath(download);
    writeFile(m_root + QStringLiteral("/a.gif"), "x");
    m_controller->setDeleteFilesOptions(1);
    m_controller->setDownloadOptions(2);
    m_controller->setDownloadDestinationFolder(download);
    runOn({m_root});
    QVERIFY(QDir(download).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestRenameRun::datedFolderCannotBeCreated()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    m_controller->setDownloadOptions(2);
    m_controller->setDownloadDestinationFolder(m_bench->path(QStringLiteral("missing")));
    runOn({m_root});
    QCOMPARE(m_frontEnd->alerts,
             QStringList{LocalizedStrings::shared().text(QStringLiteral("AlertPanelFolderCreateError"))});
    QVERIFY(m_frontEnd->reports.isEmpty());
    QCOMPARE(m_controller->toOpenCount(), 1); // stays queued for the next run
    QCOMPARE(tree(m_root), QStringList{"1.jpg"});
}

void TestRenameRun::missingDownloadFolderCreatesNothing()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    const QString missing = m_bench->path(QStringLiteral("missing"));
    m_controller->setDownloadOptions(1);
    m_controller->setDownloadDestinationFolder(missing);
    m_frontEnd->ciwAnswers = {4};
    runOn({m_root});
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(tree(m_root), QStringList{"1.jpg"});
    QCOMPARE(m_frontEnd->alerts.size(), 1);
}

void TestRenameRun::pathsDroppedDuringARunJoinIt()
{
    const QString download = m_bench->path(QStringLiteral("photos"));
    QDir().mkpath(download);
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    const QString later = m_bench->path(QStringLiteral("later/2.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), later);
    m_controller->setDownloadOptions(2);
    m_controller->setDownloadDestinationFolder(download);
    m_controller->setDownloadNamingStyle(3);
    m_controller->setConfirmEachFile(true);
    m_frontEnd->ciwAnswers = {4, 4};
    m_frontEnd->onShow = [&](const QString& file) {
        if (file.endsWith(QStringLiteral("/1.jpg")))
            m_controller->applicationOpenFiles({later});
    };
    runOn({m_root});
    const QStringList moved = tree(download);
    QCOMPARE(moved.size(), 2);
    QCOMPARE(QFileInfo(moved.first()).path(), QFileInfo(moved.last()).path()); // one dated folder
}

void TestRenameRun::countersAdvanceAsFilesAreSeen()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/2.jpg"));
    m_controller->setConfirmEachFile(true);
    m_frontEnd->ciwAnswers = {2, 2}; // don't rename: the numbers still advance
    runOn({m_root, m_bench->path(QStringLiteral("gone.jpg"))});
    QCOMPARE(m_controller->fileSeqCounter(), 2);
    QCOMPARE(m_controller->folderSeqCounter(), 1); // in place, still one per run
}

void TestRenameRun::dryRunTouchesNothingAndVariesClashingNames()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/2.jpg"));
    writeFile(m_root + QStringLiteral("/x.gif"), "x");
    m_controller->setDeleteFilesOptions(1);
    m_controller->setConfirmEachFile(true);
    m_controller->setDryRun(true);
    runOn({m_root});
    QCOMPARE(tree(m_root), (QStringList{"1.jpg", "2.jpg", "x.gif"}));
    QCOMPARE(m_frontEnd->reports.size(), 3);
    QCOMPARE(m_frontEnd->reports[0].target, m_root + u'/' + kCanon);
    QCOMPARE(m_frontEnd->reports[1].target, m_root + QStringLiteral("/2007-02-22_17-02-43.jpg"));
    QCOMPARE(m_frontEnd->reports[2].action, FileReport::Action::Deleted);
    QVERIFY(m_frontEnd->shownFiles.isEmpty());
}

void TestRenameRun::dryRunFailsWhereTheRealRunFails()
{
    // The download folder is missing: the real run's moves fail, so the
    // plan's must too, and the plan says why.
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    m_controller->setDownloadOptions(1);
    m_controller->setDownloadDestinationFolder(m_bench->path(QStringLiteral("missing")));
    m_controller->setDryRun(true);
    runOn({m_root});
    QCOMPARE(m_frontEnd->reports.size(), 1);
    QCOMPARE(m_frontEnd->reports.first().action, FileReport::Action::Failed);
    QVERIFY(!m_frontEnd->reports.first().message.isEmpty());
    QCOMPARE(tree(m_root), QStringList{"1.jpg"});
}

void TestRenameRun::gitRepositoryInsideAPhotoFolderStillWorks()
{
    // Git's objects and index have no hidden names of their own; only the
    // ".git" folder around them says they are not photos.
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/IMG_1.JPG"));
    writeFile(m_root + QStringLiteral("/notes.txt"), "trip notes");
    const auto git = [this](const QStringList& arguments) {
        QProcess process;
        process.setWorkingDirectory(m_root);
        process.start(QStringLiteral("git"), QStringList{"-c", "user.name=t", "-c", "user.email=t@t"} + arguments);
        process.waitForFinished(30000);
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    };
    if (!git({"init", "-q"}))
        QSKIP("git is not available");
    QVERIFY(git({"add", "notes.txt"}));
    QVERIFY(git({"commit", "-q", "-m", "notes"}));
    const QStringList repository = tree(m_root + QStringLiteral("/.git"));
    runOn({m_root});
    QCOMPARE(tree(m_root + QStringLiteral("/.git")), repository);
    QVERIFY(git({"fsck", "--strict"}));
    QVERIFY(git({"cat-file", "-e", "HEAD:notes.txt"}));
    QVERIFY(QFile::exists(m_root + u'/' + kCanon));
}

void TestRenameRun::homeFolderRunLeavesOwnFilesAndTrashAlone()
{
    // The bench keeps its settings, journals and trash in plain-named
    // folders, as a home whose XDG folders are set elsewhere would.
    const QString home = m_bench->dir.path();
    copyData(QStringLiteral("Canon1DmkIII.jpg"), home + QStringLiteral("/Pictures/IMG_1.JPG"));
    writeFile(m_bench->path(QStringLiteral("s.json")), "{}");
    writeFile(m_bench->journals() + QStringLiteral("/old.journal"), "earlier run");
    writeFile(m_bench->path(QStringLiteral("share/Trash/files/IMG_9.JPG")), "deleted photo");
    writeFile(m_bench->path(QStringLiteral("share/Trash/info/IMG_9.JPG.trashinfo")), "[Trash Info]");
    writeFile(home + QStringLiteral("/usb/Trash/files/x.jpg"), "a volume's trash");
    writeFile(home + QStringLiteral("/usb/Trash/info/x.jpg.trashinfo"), "[Trash Info]");
    writeFile(home + QStringLiteral("/usb/$RECYCLE.BIN/y.jpg"), "another system's trash");
    const QStringList before = tree(home);
    runOn({home});
    QCOMPARE(m_frontEnd->reportedSources(), QStringList{home + QStringLiteral("/Pictures/IMG_1.JPG")});
    QStringList expected = before;
    expected.replace(expected.indexOf(QStringLiteral("Pictures/IMG_1.JPG")), QStringLiteral("Pictures/") + kCanon);
    QStringList after = tree(home);
    after.removeIf([](const QString& path) { return path.startsWith(QStringLiteral("journals/")); });
    expected.removeIf([](const QString& path) { return path.startsWith(QStringLiteral("journals/")); });
    expected.sort();
    QCOMPARE(after, expected);
    QCOMPARE(contentOf(m_bench->journals() + QStringLiteral("/old.journal")), QByteArray("earlier run"));
}

void TestRenameRun::secondRunChangesNothing_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("shifted second") << QStringLiteral("seconds");
    QTest::newRow("counter") << QStringLiteral("counter");
    QTest::newRow("download folder") << QStringLiteral("download");
}

void TestRenameRun::secondRunChangesNothing()
{
    QFETCH(QString, mode);
    // Two photos of one moment: the second name is a varied one, which a
    // second run must not take for a clash with itself.
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/1.jpg"));
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/2.jpg"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/3.jpg"));
    QString folder = m_root;
    if (mode == u"counter") {
        m_controller->setNamingStyle(6); // "Pic%C"
        m_controller->setIdenticalFileNamesOption(1);
    } else if (mode == u"download") {
        folder = m_bench->path(QStringLiteral("photos"));
        QDir().mkpath(folder);
        m_controller->setDownloadOptions(1);
        m_controller->setDownloadDestinationFolder(folder);
    }
    runOn({m_root});
    const QStringList first = tree(folder);
    QCOMPARE(first.size(), 3);
    QVERIFY(!first.contains(QStringLiteral("1.jpg")));
    m_frontEnd->reports.clear();
    runOn({folder});
    QCOMPARE(tree(folder), first);
    QCOMPARE(m_frontEnd->reports.size(), 3);
    for (const FileReport& report : std::as_const(m_frontEnd->reports))
        QCOMPARE(report.action, FileReport::Action::Unchanged);
    QVERIFY(m_frontEnd->alerts.isEmpty());
}

void TestRenameRun::companionsWaitForTheirFileWhateverTheOrder()
{
    // Each companion sorts before its file; the movie's date is in its THM.
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/IMG_0001.JPG"));
    writeFile(m_root + QStringLiteral("/IMG_0001.AAE"), "edits");
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/b.jpg"));
    writeFile(m_root + QStringLiteral("/b.XMP"), "rating");
    writeFile(m_root + QStringLiteral("/b.jpg.Xmp"), "whole-name sidecar");
    writeFile(m_root + QStringLiteral("/mvi_0121.avi"), QByteArray(4096, 'x'));
    copyData(QStringLiteral("MVI_0314.THM"), m_root + QStringLiteral("/mvi_0121.THM"));
    m_controller->setDeleteFilesOptions(2); // sidecars are small: the rules must not get them
    m_controller->setDeleteFilesSmallerThankB(1);
    runOn({m_root});
    QCOMPARE(tree(m_root), (QStringList{"2004-03-30_10-43-46.XMP", kNikon, kNikon + ".Xmp", "2007-02-22_17-02-42.AAE",
                                        kCanon, "2022-01-20_08-16-09.THM", "2022-01-20_08-16-09.avi"}));
    QCOMPARE(m_frontEnd->reportedSources(),
             (QStringList{m_root + "/IMG_0001.JPG", m_root + "/b.jpg", m_root + "/mvi_0121.avi"}));
    const FileReport& b = m_frontEnd->reports.at(1);
    QCOMPARE(b.companions.size(), 2);
    QCOMPARE(b.companions.at(0).source, m_root + QStringLiteral("/b.XMP"));
    QCOMPARE(b.companions.at(0).target, m_root + QStringLiteral("/2004-03-30_10-43-46.XMP"));
    QCOMPARE(m_frontEnd->reports.at(2).dateSource, QStringLiteral("THM"));
    QVERIFY(m_frontEnd->alerts.isEmpty());
}

void TestRenameRun::sharedSidecarGoesWithTheFirstFileOnly()
{
    // A raw file and its JPEG of one shot, one sidecar: it follows the raw
    // file (first by path), and "IMG_10.xmp" belongs to neither.
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/IMG_1.CR2"));
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/IMG_1.JPG"));
    writeFile(m_root + QStringLiteral("/IMG_1.xmp"), "rating");
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_root + QStringLiteral("/IMG_10.xmp"));
    runOn({m_root});
    QCOMPARE(tree(m_root),
             (QStringList{kNikon.chopped(4) + ".xmp", "2007-02-22_17-02-42.cr2", kCanon, "2007-02-22_17-02-42.xmp"}));
    QCOMPARE(m_frontEnd->reports.at(0).companions.size(), 1);
    QVERIFY(m_frontEnd->reports.at(1).companions.isEmpty());
}

void TestRenameRun::companionsStayWhenTheirFileCannotMove()
{
    writeFile(m_root + QStringLiteral("/MVI_1.AVI"), QByteArray(512, 'x'));
    copyData(QStringLiteral("MVI_0314.THM"), m_root + QStringLiteral("/MVI_1.THM"));
    writeFile(m_root + QStringLiteral("/MVI_1.xmp"), "rating");
    const QString target = m_root + QStringLiteral("/2022-01-20_08-16-09.avi");
    FaultyFileSystem fileSystem;
    fileSystem.beforeCall = [&](FaultyFileSystem::Operation operation, const QString& path) {
        // Someone else takes the movie's new name at the last moment.
        if (operation == FaultyFileSystem::RenameNoReplace && path.endsWith(QStringLiteral("MVI_1.AVI")))
            writeFile(target, "theirs");
    };
    m_controller->setFileSystem(&fileSystem);
    runOn({m_root});
    QCOMPARE(m_frontEnd->reports.size(), 1);
    QCOMPARE(m_frontEnd->reports.first().action, FileReport::Action::Failed);
    QVERIFY(m_frontEnd->reports.first().companions.isEmpty());
    // The thumbnail that holds the movie's date is still beside it.
    QCOMPARE(tree(m_root), (QStringList{"2022-01-20_08-16-09.avi", "MVI_1.AVI", "MVI_1.THM", "MVI_1.xmp"}));
}

void TestRenameRun::companionThatCannotMoveIsReported()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_root + QStringLiteral("/IMG_1.JPG"));
    writeFile(m_root + QStringLiteral("/IMG_1.xmp"), "mine");
    // Something of the sidecar's new name is there already.
    QDir().mkpath(m_root + QStringLiteral("/2007-02-22_17-02-42.xmp/older"));
    runOn({m_root});
    QCOMPARE(m_frontEnd->reports.size(), 1);
    const FileReport& report = m_frontEnd->reports.first();
    QCOMPARE(report.action, FileReport::Action::Renamed);
    QCOMPARE(report.companions.size(), 1);
    QCOMPARE(report.companions.first().action, FileReport::Action::Failed);
    QVERIFY(!report.companions.first().message.isEmpty());
    QVERIFY(QFileInfo(m_root + QStringLiteral("/2007-02-22_17-02-42.xmp/older")).isDir());
    QCOMPARE(contentOf(m_root + QStringLiteral("/IMG_1.xmp")), QByteArray("mine"));
}

void TestRenameRun::dateOfAnUndatedFileIsTheOneShown()
{
    writeFile(m_root + QStringLiteral("/plain.jpg"), QByteArray(64, 'x'));
    NameGenerator* style = m_controller->fileNameGenerators().addGenerator();
    style->setDateSource(1);
    m_controller->setNamingStyle(m_controller->fileNameGenerators().count() - 1);
    m_controller->setChangeCreationDate(true);
    m_frontEnd->ciwAnswers = {4};
    m_frontEnd->onShow = [](const QString&) { QThread::msleep(1100); }; // the person takes a moment
    runOn({m_root});
    QCOMPARE(m_frontEnd->reports.size(), 1);
    QCOMPARE(m_frontEnd->reports.first().action, FileReport::Action::Renamed);
    QCOMPARE(m_frontEnd->reports.first().date, OptionalInstant(m_frontEnd->shownDates.first()));
}

// A copy of a whole card: two camera folders with thumbnails, sidecars and
// a phone's edit file, nested folders and the hidden files cameras and
// computers leave. Expected names are exiftool's dates; photo dates are
// wall-clock and stay, the movie header's date is UTC and follows the zone.
void TestRenameRun::wholeCardRenamedTwice()
{
    const QString canon = m_root + QStringLiteral("/DCIM/100CANON/");
    const QString apple = m_root + QStringLiteral("/DCIM/101APPLE/");
    copyData(QStringLiteral("Canon1DmkIII.jpg"), canon + QStringLiteral("IMG_0001.JPG"));
    writeFile(canon + QStringLiteral("IMG_0001.JPG.xmp"), "rating 5");
    copyData(QStringLiteral("Canon1DmkIII.jpg"),
             canon + QStringLiteral("IMG_0002.JPG")); // same moment
    copyData(QStringLiteral("olympus-d320l.jpg"), canon + QStringLiteral("IMG_0003.jpg"));
    writeFile(canon + QStringLiteral("IMG_0003.XMP"), "keywords");
    copyData(QStringLiteral("RIFF.avi"), canon + QStringLiteral("MVI_0314.AVI"));
    copyData(QStringLiteral("MVI_0314.THM"), canon + QStringLiteral("MVI_0314.THM"));
    writeFile(canon + QStringLiteral("._IMG_0001.JPG"), "AppleDouble");
    copyData(QStringLiteral("Stonehenge.heic"), apple + QStringLiteral("IMG_0004.HEIC"));
    writeFile(apple + QStringLiteral("IMG_0004.AAE"), "<plist/>");
    copyData(QStringLiteral("QuickTime.mov"), apple + QStringLiteral("IMG_0005.MOV"));
    copyData(QStringLiteral("P1000244.JPG"), apple + QStringLiteral("trip/day1/P1000244.JPG"));
    copyData(QStringLiteral("P1000244.MOV"), apple + QStringLiteral("trip/day1/P1000244.MOV"));
    writeFile(m_root + QStringLiteral("/.Spotlight-V100/Store-V2/store.db"), "index");
    writeFile(m_root + QStringLiteral("/.DS_Store"), "finder");
    // Stored as instants: the movie header, the Olympus "TimeDate=" text.
    const auto local = [](QDate day, QTime time) {
        return QDateTime(day, time, Qt::UTC).toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    };
    const QString movie = local(QDate(2005, 8, 11), QTime(14, 3, 54));
    const QString olympus = local(QDate(1998, 10, 29), QTime(22, 6, 59));
    const QStringList expected{
        ".DS_Store",
        ".Spotlight-V100/Store-V2/store.db",
        "DCIM/100CANON/._IMG_0001.JPG",
        "DCIM/100CANON/" + olympus + ".XMP",
        "DCIM/100CANON/" + olympus + ".jpg",
        "DCIM/100CANON/2007-02-22_17-02-42.jpg",
        "DCIM/100CANON/2007-02-22_17-02-42.jpg.xmp",
        "DCIM/100CANON/2007-02-22_17-02-43.jpg",
        "DCIM/100CANON/2022-01-20_08-16-09.THM",
        "DCIM/100CANON/2022-01-20_08-16-09.avi",
        "DCIM/101APPLE/" + movie + ".mov",
        "DCIM/101APPLE/2015-07-16_15-38-54.AAE",
        "DCIM/101APPLE/2015-07-16_15-38-54.heic",
        "DCIM/101APPLE/trip/day1/2023-10-21_10-20-01.jpg",
        "DCIM/101APPLE/trip/day1/2023-10-21_10-20-01.mov",
    };
    runOn({m_root});
    QStringList sorted = expected;
    sorted.sort();
    QCOMPARE(tree(m_root), sorted);
    QVERIFY(m_frontEnd->alerts.isEmpty());
    for (const FileReport& report : std::as_const(m_frontEnd->reports))
        QVERIFY2(!report.noCaptureDate, qPrintable(report.source));
    m_frontEnd->reports.clear();
    runOn({m_root});
    QCOMPARE(tree(m_root), sorted);
    // Eight files, the camera's photo and movie of one moment as one group.
    QCOMPARE(m_frontEnd->reports.size(), 7);
    for (const FileReport& report : std::as_const(m_frontEnd->reports)) {
        QVERIFY2(report.action == FileReport::Action::Unchanged, qPrintable(report.source));
        for (const FileReport::Companion& member : report.members)
            QVERIFY2(member.action == FileReport::Action::Unchanged, qPrintable(member.source));
    }
}

QTEST_GUILESS_MAIN(TestRenameRun)
#include "tst_renamerun.moc"
