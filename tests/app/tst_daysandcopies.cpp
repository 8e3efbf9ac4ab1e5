// Where a run puts its files beyond one folder: folders by each file's own
// capture day, and copies that leave the originals as they were, with their
// undo.
#include "FaultyFileSystem.h"
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/MainController.h"
#include "fs/FileMover.h"
#include "fs/PosixFileSystem.h"
#include "journal/JournalEntry.h"
#include "journal/JournalStore.h"
#include "journal/UndoRun.h"
#include "run/CopyProgress.h"
#include "run/DayFolders.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>

using namespace lumenscribe;
using lumenscribe::test::contentOf;
using lumenscribe::test::copyData;
using lumenscribe::test::RunBench;
using lumenscribe::test::ScriptedFrontEnd;
using lumenscribe::test::tree;
using lumenscribe::test::writeFile;

namespace {

const QString kCanon = QStringLiteral("2007-02-22_17-02-42");
const QString kNikon = QStringLiteral("2004-03-30_10-43-46");

struct Snapshot
{
    QByteArray bytes;
    qint64 modified = 0;
    quint64 inode = 0;
};

Snapshot snapshotOf(const QString& path)
{
    struct stat info
    {
    };
    ::stat(QFile::encodeName(path).constData(), &info);
    return {contentOf(path), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec, info.st_ino};
}

bool sameAs(const QString& path, const Snapshot& before)
{
    const Snapshot now = snapshotOf(path);
    return now.bytes == before.bytes && now.modified == before.modified && now.inode == before.inode;
}

} // namespace

class TestDaysAndCopies : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    // Folders by capture day.
    void dayFoldersNestByEachFilesDateAndUndoRemovesThem();
    void dayFolderNamesThatLeaveAreRefused_data();
    void dayFolderNamesThatLeaveAreRefused();
    void dryRunPlansTheDayFolders();
    void slashStaysOnlyInNestedFolderNames();
    void dayFoldersStayBelowTheRoot();
    // Copies.
    void copiesLeaveOriginalsAndTakeCompanionsAlong();
    void copyNeverReplacesAnything();
    void copyingDeletesNothing();
    void undoTrashesOnlyTheCopiesTheRunMade();
    void copyToAnotherFileSystem();
    void interruptedCopyNeverCostsTheOriginal();
    void progressCountsFilesAndBytes();

private:
    void useDayFolders(const QString& format);
    UndoRun::Result undoLast()
    {
        UndoRun undo(FileSystem::real());
        return undo.undo(JournalStore(m_bench->journals()).pathForId(QString()), false);
    }

    std::unique_ptr<RunBench> m_bench;
    QString m_card;
    QString m_photos;
    MainController* m_controller = nullptr;
    ScriptedFrontEnd* m_frontEnd = nullptr;
};

void TestDaysAndCopies::init()
{
    m_bench = std::make_unique<RunBench>();
    m_controller = m_bench->controller.get();
    m_frontEnd = m_bench->frontEnd.get();
    m_card = m_bench->card();
    m_photos = m_bench->path(QStringLiteral("photos"));
    QDir().mkpath(m_photos);
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_1.JPG"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_card + QStringLiteral("/IMG_2.JPG"));
}

void TestDaysAndCopies::cleanup()
{
    m_bench.reset();
}

void TestDaysAndCopies::useDayFolders(const QString& format)
{
    FNGenerators& folders = m_controller->folderNameGenerators();
    folders.addGenerator()->setFormatString(format);
    m_controller->setDownloadNamingStyle(folders.count() - 1);
    m_controller->setDownloadOptions(int(DownloadOption::ByDayFolders));
    m_controller->setDownloadDestinationFolder(m_photos);
}

void TestDaysAndCopies::dayFoldersNestByEachFilesDateAndUndoRemovesThem()
{
    writeFile(m_card + QStringLiteral("/IMG_1.xmp"), "rating");
    QDir().mkpath(m_photos + QStringLiteral("/2004")); // there before: used, and kept by undo
    useDayFolders(QStringLiteral("%Y/%Y-%M-%D"));
    m_controller->setDownloadPrefixSuffixType(int(PrefixSuffixType::Ask)); // no window per day
    m_bench->runOn({m_card});
    QCOMPARE(tree(m_photos), (QStringList{"2004/2004-03-30/" + kNikon + ".jpg", "2007/2007-02-22/" + kCanon + ".jpg",
                                          "2007/2007-02-22/" + kCanon + ".xmp"}));
    QCOMPARE(m_frontEnd->fiwOpened, 0);
    QVERIFY(m_frontEnd->alerts.isEmpty());
    const UndoRun::Result result = undoLast();
    QVERIFY2(result.notRestored.isEmpty(), qPrintable(result.notRestored.join(u'\n')));
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_1.xmp", "IMG_2.JPG"}));
    QCOMPARE(tree(m_photos, true), QStringList{"2004"});
}

void TestDaysAndCopies::dayFolderNamesThatLeaveAreRefused_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("parent") << QStringLiteral("../%Y");
    QTest::newRow("parent inside") << QStringLiteral("%Y/../../%D");
    QTest::newRow("dot") << QStringLiteral("./%Y");
    QTest::newRow("empty part") << QStringLiteral("%Y//%D");
    QTest::newRow("leading slash") << QStringLiteral("/%Y");
}

void TestDaysAndCopies::dayFolderNamesThatLeaveAreRefused()
{
    QFETCH(QString, format);
    useDayFolders(format);
    m_bench->runOn({m_card});
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
    QVERIFY(tree(m_photos, true).isEmpty());
    for (const QString& outside : QStringList{"2007", "2004", "22", "30"})
        QVERIFY(!QFileInfo::exists(m_bench->path(outside)));
    QCOMPARE(m_frontEnd->reports.size(), 2);
    for (const FileReport& report : std::as_const(m_frontEnd->reports))
        QCOMPARE(report.action, FileReport::Action::Failed);
}

void TestDaysAndCopies::dryRunPlansTheDayFolders()
{
    useDayFolders(QStringLiteral("%Y/%Y-%M-%D"));
    m_controller->setDryRun(true);
    m_bench->runOn({m_card});
    QCOMPARE(m_frontEnd->reports.size(), 2);
    QCOMPARE(m_frontEnd->reports[0].action, FileReport::Action::Renamed);
    QCOMPARE(m_frontEnd->reports[0].target, m_photos + "/2007/2007-02-22/" + kCanon + ".jpg");
    QCOMPARE(m_frontEnd->reports[1].target, m_photos + "/2004/2004-03-30/" + kNikon + ".jpg");
    QVERIFY(tree(m_photos, true).isEmpty());
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
}

void TestDaysAndCopies::slashStaysOnlyInNestedFolderNames()
{
    NameGenerator style(true);
    style.setFormatString(QStringLiteral("%P%Y/%M%S"));
    style.setPrefix(QStringLiteral("a/"));
    style.setSuffix(QStringLiteral("/.."));
    const Instant date = 1000000000; // 2001-09-09 in every zone the suite uses
    // Typed text never makes a folder; only the format's own "/" does.
    QCOMPARE(style.makeNestedFolderName(date), QStringLiteral("a-2001/09-.."));
    QCOMPARE(style.makeNewFolderNameAtPath(m_photos, date), QStringLiteral("a-2001-09-.."));
}

void TestDaysAndCopies::copiesLeaveOriginalsAndTakeCompanionsAlong()
{
    writeFile(m_card + QStringLiteral("/IMG_1.xmp"), "rating");
    const Snapshot one = snapshotOf(m_card + QStringLiteral("/IMG_1.JPG"));
    const Snapshot two = snapshotOf(m_card + QStringLiteral("/IMG_2.JPG"));
    m_controller->setCopyInsteadOfMoving(true);
    m_bench->runOn({m_card}); // in place: the copies beside the originals
    QCOMPARE(tree(m_card),
             (QStringList{kNikon + ".jpg", kCanon + ".jpg", kCanon + ".xmp", "IMG_1.JPG", "IMG_1.xmp", "IMG_2.JPG"}));
    QVERIFY(sameAs(m_card + QStringLiteral("/IMG_1.JPG"), one));
    QVERIFY(sameAs(m_card + QStringLiteral("/IMG_2.JPG"), two));
    QCOMPARE(contentOf(m_card + u'/' + kCanon + ".jpg"), one.bytes);
    QCOMPARE(contentOf(m_card + u'/' + kCanon + ".xmp"), QByteArray("rating"));
    QCOMPARE(contentOf(m_card + QStringLiteral("/IMG_1.xmp")), QByteArray("rating"));
}

void TestDaysAndCopies::copyNeverReplacesAnything()
{
    const QString source = m_card + QStringLiteral("/IMG_1.JPG");
    const QString taken = m_photos + QStringLiteral("/taken.jpg");
    writeFile(taken, "someone else's");
    FileMover mover;
    QCOMPARE(mover.copy(source, taken), std::make_error_code(std::errc::file_exists));
    QCOMPARE(contentOf(taken), QByteArray("someone else's"));
    QCOMPARE(tree(m_photos), QStringList{"taken.jpg"}); // no temporary copy left
    // The run varies a taken name instead, and the file there stays.
    writeFile(m_photos + u'/' + kCanon + ".jpg", "older");
    m_controller->setCopyInsteadOfMoving(true);
    m_controller->setDownloadOptions(int(DownloadOption::DownloadFolder));
    m_controller->setDownloadDestinationFolder(m_photos);
    m_bench->runOn({m_card});
    QCOMPARE(contentOf(m_photos + u'/' + kCanon + ".jpg"), QByteArray("older"));
    QCOMPARE(contentOf(m_photos + QStringLiteral("/2007-02-22_17-02-43.jpg")), contentOf(source));
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
}

void TestDaysAndCopies::copyingDeletesNothing()
{
    writeFile(m_card + QStringLiteral("/a.gif"), "x");
    m_controller->setDeleteFilesOptions(int(DeleteRule::MatchingPatterns));
    m_controller->setCopyInsteadOfMoving(true);
    m_controller->setDownloadOptions(int(DownloadOption::DownloadFolder));
    m_controller->setDownloadDestinationFolder(m_photos);
    m_bench->runOn({m_card});
    QVERIFY(QFileInfo::exists(m_card + QStringLiteral("/a.gif")));
    for (const FileReport& report : std::as_const(m_frontEnd->reports))
        QVERIFY(report.action != FileReport::Action::Deleted);
}

void TestDaysAndCopies::undoTrashesOnlyTheCopiesTheRunMade()
{
    const Snapshot one = snapshotOf(m_card + QStringLiteral("/IMG_1.JPG"));
    const Snapshot two = snapshotOf(m_card + QStringLiteral("/IMG_2.JPG"));
    useDayFolders(QStringLiteral("%Y-%M-%D"));
    m_controller->setCopyInsteadOfMoving(true);
    m_bench->runOn({m_card});
    QCOMPARE(tree(m_photos), (QStringList{"2004-03-30/" + kNikon + ".jpg", "2007-02-22/" + kCanon + ".jpg"}));
    // One copy changed since: it is no longer the run's to take.
    const QString changed = m_photos + "/2004-03-30/" + kNikon + ".jpg";
    {
        QFile file(changed);
        QVERIFY(file.open(QIODevice::Append));
        file.write("edited");
    }
    const UndoRun::Result result = undoLast();
    QCOMPARE(result.restored.size(), 1);
    QCOMPARE(result.notRestored.size(), 2); // the changed copy, and its folder that is not empty
    QCOMPARE(tree(m_photos, true), (QStringList{"2004-03-30", "2004-03-30/" + kNikon + ".jpg"}));
    QVERIFY(sameAs(m_card + QStringLiteral("/IMG_1.JPG"), one));
    QVERIFY(sameAs(m_card + QStringLiteral("/IMG_2.JPG"), two));
    const QString trash = m_bench->path(QStringLiteral("share/Trash/files"));
    QCOMPARE(tree(trash), QStringList{kCanon + ".jpg"});
    QCOMPARE(contentOf(trash + u'/' + kCanon + ".jpg"), one.bytes);
    // A second undo finds the trashed copy done and leaves the rest.
    QCOMPARE(undoLast().restored.size(), 0);
    QVERIFY(QFileInfo::exists(changed));
}

void TestDaysAndCopies::copyToAnotherFileSystem()
{
    QTemporaryDir other(QStringLiteral("/dev/shm/lumenscribe-copy-XXXXXX"));
    struct stat shm
    {
    }, card{};
    if (!other.isValid() || ::stat("/dev/shm", &shm) != 0 ||
        ::stat(QFile::encodeName(m_card).constData(), &card) != 0 || shm.st_dev == card.st_dev)
        QSKIP("no second file system at /dev/shm");
    const Snapshot one = snapshotOf(m_card + QStringLiteral("/IMG_1.JPG"));
    m_controller->setCopyInsteadOfMoving(true);
    m_controller->setDownloadOptions(int(DownloadOption::DownloadFolder));
    m_controller->setDownloadDestinationFolder(other.path());
    m_bench->runOn({m_card});
    QCOMPARE(tree(other.path()), (QStringList{kNikon + ".jpg", kCanon + ".jpg"}));
    QVERIFY(sameAs(m_card + QStringLiteral("/IMG_1.JPG"), one));
    const Snapshot copy = snapshotOf(other.path() + u'/' + kCanon + ".jpg");
    QCOMPARE(copy.bytes, one.bytes);
    QCOMPARE(copy.modified, one.modified); // the copy keeps the file's time
    QCOMPARE(tree(other.path()).filter(QStringLiteral(".lumenscribe-")), QStringList());
}

// A run killed between its copy and the note of it: the next run drops only
// the temporary file, and neither it nor undo takes the original for the
// second half of a move, though the two look the same.
void TestDaysAndCopies::interruptedCopyNeverCostsTheOriginal()
{
    QTemporaryDir other(QStringLiteral("/dev/shm/lumenscribe-copy-XXXXXX"));
    QVERIFY(other.isValid());
    const QString source = m_card + QStringLiteral("/IMG_1.JPG");
    const QString copy = other.path() + QStringLiteral("/copy.jpg");
    QVERIFY(QFile::copy(source, copy));
    struct stat info
    {
    };
    QCOMPARE(::stat(QFile::encodeName(source).constData(), &info), 0);
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(copy).constData(), times, 0), 0);
    const QString leftover = FileMover::temporaryPathFor(copy);
    writeFile(leftover, "half");
    const Snapshot before = snapshotOf(source);
    QDir().mkpath(m_bench->journals());
    const QString journal = m_bench->journals() + QStringLiteral("/20200101-000000-0001.journal");
    JournalEntry begin;
    begin.paths = m_card;
    begin.time = 1577836800;
    JournalEntry step;
    step.kind = JournalEntry::Kind::Copy;
    step.from = source;
    step.to = copy;
    writeFile(journal, begin.toLine() + step.toLine());
    QDir().mkpath(m_bench->path(QStringLiteral("empty")));
    m_bench->runOn({m_bench->path(QStringLiteral("empty"))});
    QVERIFY(sameAs(source, before));
    QVERIFY(QFileInfo::exists(copy));
    QVERIFY(!QFileInfo::exists(leftover));
    UndoRun undo(FileSystem::real());
    const UndoRun::Result result = undo.undo(journal, false);
    QVERIFY(result.restored.isEmpty());
    QCOMPARE(result.notRestored.size(), 1);
    QVERIFY(sameAs(source, before));
    QVERIFY(QFileInfo::exists(copy));
}

void TestDaysAndCopies::progressCountsFilesAndBytes()
{
    CopyProgress counted;
    counted.start(FileSystem::real(), {{m_card + QStringLiteral("/IMG_1.JPG"), true},
                                       {m_card + QStringLiteral("/IMG_2.JPG"), true},
                                       {m_card + QStringLiteral("/gone.jpg"), false}});
    counted.copied(5);
    counted.copied(-1); // a size the run did not know
    QCOMPARE(counted.bytesDone(), qint64(5));
    m_controller->setCopyInsteadOfMoving(true);
    m_controller->setDownloadOptions(int(DownloadOption::DownloadFolder));
    m_controller->setDownloadDestinationFolder(m_photos);
    const qint64 total = QFileInfo(m_card + QStringLiteral("/IMG_1.JPG")).size() +
                         QFileInfo(m_card + QStringLiteral("/IMG_2.JPG")).size();
    QCOMPARE(counted.bytesTotal(), total);
    m_bench->runOn({m_card});
    // Before the catalogues are refreshed a new text shows as its ID.
    if (qtTrId("NormalInfoCopyProgress") == QLatin1String("NormalInfoCopyProgress")) {
        QCOMPARE(m_frontEnd->infos.filter(QStringLiteral("NormalInfoCopyProgress")).size(), 2);
        return;
    }
    const QString megabytes = QString::number(double(total) / 1e6, 'f', 1);
    const QStringList progress = m_frontEnd->infos.filter(QStringLiteral(" files, "));
    QCOMPARE(progress.size(), 2);
    QVERIFY2(progress.first().endsWith(QStringLiteral("1 of 2 files, 0.0 MB of ") + megabytes + QStringLiteral(" MB")),
             qPrintable(progress.first()));
    QVERIFY2(progress.last().contains(QStringLiteral("2 of 2 files, ")), qPrintable(progress.last()));
    QVERIFY(progress.first().startsWith(QStringLiteral("IMG_1.JPG")));
}

// Folders are made only below the root, whether or not the root was given
// with a final "/"; a folder beside it with a longer name is not below it.
void TestDaysAndCopies::dayFoldersStayBelowTheRoot()
{
    QTemporaryDir dir;
    PosixFileSystem disk;
    const auto writeDown = [](const QString&) { return true; };
    for (const QString& root : {dir.filePath(QStringLiteral("photos")), dir.filePath(QStringLiteral("photos/"))}) {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("photos"))));
        DayFolders folders(disk, root, 0);
        QStringList made;
        QVERIFY(!folders.make(dir.filePath(QStringLiteral("photos2/2024")), writeDown, made));
        QVERIFY(made.isEmpty());
        const QString day = folders.folderFor(QStringLiteral("2024/2024-05-06"));
        QVERIFY(!folders.make(day, writeDown, made));
        QCOMPARE(made.size(), 2);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("photos/2024/2024-05-06"))).isDir());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("photos2"))));
    }
}

QTEST_GUILESS_MAIN(TestDaysAndCopies)
#include "tst_daysandcopies.moc"
