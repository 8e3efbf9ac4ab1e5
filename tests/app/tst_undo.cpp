// The safety net: the journal of a run, undo, and deletes through the trash.
#include "FaultyFileSystem.h"
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/MainController.h"
#include "fs/FileSystem.h"
#include "journal/JournalStore.h"
#include "journal/UndoRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QTest>
#include <cerrno>

using namespace lumenscribe;
using lumenscribe::test::contentOf;
using lumenscribe::test::RunBench;
using lumenscribe::test::ScriptedFrontEnd;
using lumenscribe::test::tree;
using lumenscribe::test::writeFile;

namespace {

const QString kData = QStringLiteral(LUMENSCRIBE_TESTDATA);

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void inPlaceRenamesComeBackOnce();
    void movesCompanionsAndTheDatedFolder();
    void deletedFilesComeBackFromTheTrash();
    void filesChangedSinceAreListedNotTouched();
    void volumeWithoutTrashDeletesOutright();
    void journalThatCannotBeWrittenStopsTheRun();
    void stepsThatNeverHappenedAreHarmless();
    void dryRunChangesNothing();
    void journalLinesKeepEveryPath_data();
    void journalLinesKeepEveryPath();
    void onlyTheFileTheRunMovedComesBack();
    void trashedFileNeedsItsNote();
    void runsIdsComeFromTheJournalFolder();
    void newestRunIsTheLastStarted();
    void tornJournalKeepsWholeLinesAndLaterMarks();

private:
    QString lastJournal() const { return JournalStore(m_journals).pathForId(QString()); }
    UndoRun::Result undoLast(bool dryRun = false)
    {
        UndoRun undo(FileSystem::real());
        return undo.undo(lastJournal(), dryRun);
    }

    std::unique_ptr<RunBench> m_bench;
    QString m_card;
    QString m_journals;
    MainController* m_controller = nullptr;
    ScriptedFrontEnd* m_frontEnd = nullptr;
};

void TestUndo::init()
{
    m_bench = std::make_unique<RunBench>();
    m_controller = m_bench->controller.get();
    m_frontEnd = m_bench->frontEnd.get();
    m_card = m_bench->card();
    m_journals = m_bench->journals();
    QVERIFY(QFile::copy(kData + QStringLiteral("/Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_1.JPG")));
    QVERIFY(QFile::copy(kData + QStringLiteral("/exiv2-nikon-d70.jpg"), m_card + QStringLiteral("/IMG_2.JPG")));
}

void TestUndo::cleanup()
{
    m_bench.reset();
}

void TestUndo::inPlaceRenamesComeBackOnce()
{
    m_bench->runOn({m_card});
    QCOMPARE(tree(m_card), (QStringList{"2004-03-30_10-43-46.jpg", "2007-02-22_17-02-42.jpg"}));
    const JournalStore::RunSummary summary = JournalStore::summarize(lastJournal());
    QCOMPARE(summary.files, 2);
    QVERIFY(summary.finished);
    QCOMPARE(summary.folder, m_card);

    const UndoRun::Result result = undoLast();
    QCOMPARE(result.restored.size(), 2);
    QVERIFY(result.notRestored.isEmpty());
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
    QVERIFY(undoLast().alreadyUndone);
    QVERIFY(JournalStore::summarize(lastJournal()).undone);
}

void TestUndo::movesCompanionsAndTheDatedFolder()
{
    writeFile(m_card + QStringLiteral("/IMG_1.xmp"), "rating");
    writeFile(m_card + QStringLiteral("/MVI_3.AVI"), QByteArray(2048, 'v'));
    QVERIFY(QFile::copy(kData + QStringLiteral("/MVI_0314.THM"), m_card + QStringLiteral("/MVI_3.THM")));
    const QString photos = m_bench->path(QStringLiteral("photos"));
    QDir().mkpath(photos);
    m_controller->setDownloadOptions(2);
    m_controller->setDownloadDestinationFolder(photos);
    m_controller->setDownloadNamingStyle(3);
    m_bench->runOn({m_card});
    QVERIFY(tree(m_card).isEmpty());
    QCOMPARE(tree(photos, true).size(), 6); // the folder and five files

    const UndoRun::Result result = undoLast();
    QVERIFY2(result.notRestored.isEmpty(), qPrintable(result.notRestored.join(u'\n')));
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_1.xmp", "IMG_2.JPG", "MVI_3.AVI", "MVI_3.THM"}));
    QVERIFY(tree(photos, true).isEmpty()); // the dated folder went too
}

void TestUndo::deletedFilesComeBackFromTheTrash()
{
    writeFile(m_card + QStringLiteral("/index.html"), "<html>");
    m_controller->setDeleteFilesOptions(1);
    m_bench->runOn({m_card});
    QVERIFY(!QFile::exists(m_card + QStringLiteral("/index.html")));
    QCOMPARE(m_frontEnd->reports.last().action, FileReport::Action::Deleted); // sorted last
    const QList<JournalEntry> entries = JournalStore::read(lastJournal());
    const auto trashed = std::find_if(entries.begin(), entries.end(),
                                      [](const JournalEntry& e) { return e.kind == JournalEntry::Kind::Trashed; });
    QVERIFY(trashed != entries.end());
    QCOMPARE(contentOf(trashed->to), QByteArray("<html>"));
    QVERIFY(QFile::exists(QFileInfo(trashed->to).path() + QStringLiteral("/../info/") +
                          QFileInfo(trashed->to).fileName() + ".trashinfo"));

    QVERIFY(undoLast().notRestored.isEmpty());
    QCOMPARE(contentOf(m_card + QStringLiteral("/index.html")), QByteArray("<html>"));
    QVERIFY(!QFile::exists(trashed->to));
    const QString note =
        QFileInfo(trashed->to).path() + QStringLiteral("/../info/") + QFileInfo(trashed->to).fileName() + ".trashinfo";
    QVERIFY(!QFile::exists(note));
}

void TestUndo::filesChangedSinceAreListedNotTouched()
{
    m_bench->runOn({m_card});
    // One file renamed again by the person, the other's old name taken by a
    // new file: neither may be touched.
    QVERIFY(QFile::rename(m_card + QStringLiteral("/2004-03-30_10-43-46.jpg"), m_card + QStringLiteral("/best.jpg")));
    writeFile(m_card + QStringLiteral("/IMG_1.JPG"), "a new photo");
    const UndoRun::Result result = undoLast();
    QCOMPARE(result.restored.size(), 0);
    QCOMPARE(result.notRestored.size(), 2);
    QCOMPARE(tree(m_card), (QStringList{"2007-02-22_17-02-42.jpg", "IMG_1.JPG", "best.jpg"}));
    QCOMPARE(contentOf(m_card + QStringLiteral("/IMG_1.JPG")), QByteArray("a new photo"));
    QVERIFY(!JournalStore::summarize(lastJournal()).undone); // nothing came back: try again later
}

void TestUndo::volumeWithoutTrashDeletesOutright()
{
    FaultyFileSystem fileSystem;
    fileSystem.fail(FaultyFileSystem::MoveToTrash, 1, ENOTSUP);
    m_controller->setFileSystem(&fileSystem);
    writeFile(m_card + QStringLiteral("/a.gif"), "gif");
    m_controller->setDeleteFilesOptions(1);
    m_bench->runOn({m_card});
    QVERIFY(!QFile::exists(m_card + QStringLiteral("/a.gif")));
    const UndoRun::Result result = undoLast();
    QCOMPARE(result.notRestored.size(), 1);
    QVERIFY(result.notRestored.first().contains(QStringLiteral("deleted outright")));
}

void TestUndo::journalThatCannotBeWrittenStopsTheRun()
{
    FaultyFileSystem fileSystem;
    // The begin line and the first move's line go through; the second
    // move's line meets a full disk.
    fileSystem.fail(FaultyFileSystem::Write, 3, ENOSPC);
    m_controller->setFileSystem(&fileSystem);
    m_bench->runOn({m_card});
    QCOMPARE(tree(m_card), (QStringList{"2007-02-22_17-02-42.jpg", "IMG_2.JPG"}));
    QCOMPARE(m_frontEnd->alerts.size(), 1);
    QVERIFY(m_frontEnd->endedAborted);
    QVERIFY(undoLast().notRestored.isEmpty());
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
}

void TestUndo::stepsThatNeverHappenedAreHarmless()
{
    // A run killed after writing its entry but before the rename, with its
    // last line cut short.
    QDir().mkpath(m_journals);
    const QString journal = m_journals + QStringLiteral("/20200101-000000-0001.journal");
    JournalEntry begin;
    begin.paths = m_card;
    JournalEntry done;
    done.kind = JournalEntry::Kind::Move;
    done.from = m_card + QStringLiteral("/IMG_1.JPG");
    done.to = m_card + QStringLiteral("/first.jpg");
    JournalEntry pending = done;
    pending.from = m_card + QStringLiteral("/IMG_2.JPG");
    pending.to = m_card + QStringLiteral("/second.jpg");
    QVERIFY(QFile::rename(done.from, done.to));
    writeFile(journal, begin.toLine() + done.toLine() + pending.toLine() + QByteArray("{\"op\":\"mo"));
    QVERIFY(!JournalStore::summarize(journal).finished);

    UndoRun undo(FileSystem::real());
    const UndoRun::Result result = undo.undo(journal, false);
    QCOMPARE(result.restored.size(), 1);
    QVERIFY(result.notRestored.isEmpty());
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
}

void TestUndo::dryRunChangesNothing()
{
    m_bench->runOn({m_card});
    const QStringList renamed = tree(m_card);
    QCOMPARE(undoLast(true).restored.size(), 2);
    QCOMPARE(tree(m_card), renamed);
    QVERIFY(!JournalStore::summarize(lastJournal()).undone);
}

void TestUndo::journalLinesKeepEveryPath_data()
{
    QTest::addColumn<QByteArray>("name"); // as the file system has it
    QTest::newRow("plain") << QByteArray("IMG_0001.JPG");
    QTest::newRow("quote and backslash") << QByteArray("a\"b\\c.jpg");
    QTest::newRow("control characters") << QByteArray("line\nbreak\ttab\x01\x1f.jpg");
    QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                         "e \xf0\x9f\x93\xb7.jpg");
    QTest::newRow("latin-1") << QByteArray("Gr\xfc\xdf"
                                           "e.jpg");
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80.jpg");
}

void TestUndo::journalLinesKeepEveryPath()
{
    QFETCH(QByteArray, name);
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Move;
    entry.from = FileSystem::decodePath("/card/" + name);
    entry.to = FileSystem::decodePath("/card/" + name + ".new");
    entry.size = 8337;
    entry.time = 1700000000;
    entry.paths = QStringLiteral("/card\n/other");
    const QByteArray line = entry.toLine();
    QVERIFY(line.endsWith('\n'));
    QCOMPARE(line.count('\n'), 1);
    QJsonParseError error;
    QVERIFY(QJsonDocument::fromJson(line, &error).isObject());
    const std::optional<JournalEntry> read = JournalEntry::fromLine(line);
    QVERIFY(read);
    QCOMPARE(read->kind, entry.kind);
    QCOMPARE(FileSystem::encodePath(read->from), "/card/" + name);
    QCOMPARE(FileSystem::encodePath(read->to), "/card/" + name + ".new");
    QCOMPARE(read->size, entry.size);
    QCOMPARE(read->time, entry.time);
    QCOMPARE(read->paths, entry.paths);
    QVERIFY(!read->identity);
    entry.identity = JournalEntry::Identity{~quint64(0), (quint64(1) << 63) + 7, 8337, {-5, 999999999}};
    QCOMPARE(JournalEntry::fromLine(entry.toLine())->identity, entry.identity);
}

// Another file under the new name, even of the same size, stays; undo
// goes on with the rest, marks only what it restored, and a later undo
// finishes the run once the file is back.
void TestUndo::onlyTheFileTheRunMovedComesBack()
{
    m_bench->runOn({m_card});
    const QString first = m_card + QStringLiteral("/2004-03-30_10-43-46.jpg");
    const QString aside = m_bench->path(QStringLiteral("aside.jpg"));
    const qint64 size = QFileInfo(first).size();
    QVERIFY(QFile::rename(first, aside));
    writeFile(first, QByteArray(size, 'x'));
    FileStatus original;
    QCOMPARE(FileSystem::real().status(aside, original), std::error_code());
    QCOMPARE(FileSystem::real().setTimes(first, std::nullopt, original.modificationTime), std::error_code());

    UndoRun::Result result = undoLast();
    QCOMPARE(result.restored.size(), 1);
    QCOMPARE(result.notRestored.size(), 1);
    QVERIFY(result.notRestored.first().contains(first));
    QCOMPARE(tree(m_card), (QStringList{"2004-03-30_10-43-46.jpg", "IMG_1.JPG"}));
    JournalStore::RunSummary summary = JournalStore::summarize(lastJournal());
    QVERIFY(!summary.undone);
    QCOMPARE(summary.restored, 1);

    QVERIFY(QFile::remove(first));
    QVERIFY(QFile::rename(aside, first));
    result = undoLast();
    QCOMPARE(result.restored.size(), 1); // the first file is not moved twice
    QVERIFY(result.notRestored.isEmpty());
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
    QVERIFY(JournalStore::summarize(lastJournal()).undone);
    QVERIFY(undoLast().alreadyUndone);
}

// A trash note that names another origin: the file there is not the one
// the run deleted, whatever its name.
void TestUndo::trashedFileNeedsItsNote()
{
    writeFile(m_card + QStringLiteral("/index.html"), "<html>");
    m_controller->setDeleteFilesOptions(1);
    m_bench->runOn({m_card});
    const QList<JournalEntry> entries = JournalStore::read(lastJournal());
    const auto trashed = std::find_if(entries.begin(), entries.end(),
                                      [](const JournalEntry& e) { return e.kind == JournalEntry::Kind::Trashed; });
    QVERIFY(trashed != entries.end());
    const QString note =
        QFileInfo(trashed->to).path() + QStringLiteral("/../info/") + QFileInfo(trashed->to).fileName() + ".trashinfo";
    writeFile(note, "[Trash Info]\nPath=/elsewhere/index.html\nDeletionDate=2026-01-01T00:00:00\n");

    const UndoRun::Result result = undoLast();
    QCOMPARE(result.notRestored.size(), 1);
    QVERIFY(result.notRestored.first().contains(QStringLiteral("does not say")));
    QVERIFY(!QFile::exists(m_card + QStringLiteral("/index.html")));
    QCOMPARE(contentOf(trashed->to), QByteArray("<html>"));
}

// A bare id never names a file in the folder the command runs in, nor one
// outside the journal folder; a path names its journal explicitly.
void TestUndo::runsIdsComeFromTheJournalFolder()
{
    m_bench->runOn({m_card});
    const JournalStore store(m_journals);
    const QString id = JournalStore::summarize(lastJournal()).id;
    QCOMPARE(store.pathForId(id), lastJournal());
    QCOMPARE(store.pathForId(id + QStringLiteral(".journal")), lastJournal());

    const QString elsewhere = m_bench->path(QStringLiteral("cwd"));
    QDir().mkpath(elsewhere);
    writeFile(elsewhere + QStringLiteral("/stray.journal"), "{\"op\":\"begin\"}\n");
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere);
    const QString bare = store.pathForId(QStringLiteral("stray.journal"));
    const QString explicitPath = store.pathForId(QStringLiteral("./stray.journal"));
    QDir::setCurrent(before);
    QVERIFY(bare.isEmpty());
    QCOMPARE(explicitPath, QStringLiteral("./stray.journal"));
    QVERIFY(store.pathForId(QStringLiteral("..")).isEmpty());
}

// Runs in the same second, after a change of zone or a clock set back:
// the run started last is the one undo takes.
void TestUndo::newestRunIsTheLastStarted()
{
    QDir().mkpath(m_journals);
    // An older version's name, by local time, that sorts after every new one.
    JournalEntry begin;
    begin.time = 1500000000;
    begin.paths = m_card;
    writeFile(m_journals + QStringLiteral("/20991231-235959-ffff.journal"), begin.toLine());
    // A run whose clock stood a decade ahead.
    writeFile(m_journals + QStringLiteral("/20361231T235959Z-000007.journal"), begin.toLine());
    const JournalStore store(m_journals);
    QStringList made;
    for (int i = 0; i < 3; ++i) {
        const QString path = store.newJournalPath();
        QVERIFY(!made.contains(path));
        writeFile(path, begin.toLine());
        made.append(path);
        QCOMPARE(store.pathForId(QString()), path);
    }
    QVERIFY(made.last().endsWith(QStringLiteral("-000010.journal")));
    const QList<JournalStore::RunSummary> runs = store.runs();
    QCOMPARE(runs.size(), 5);
    QCOMPARE(runs.last().id,
             QStringLiteral("20991231-235959-ffff")); // the older version's comes first in time
}

// A full disk cuts the last line short: the whole lines before it count,
// the torn one does not, and undo's marks after it are read.
void TestUndo::tornJournalKeepsWholeLinesAndLaterMarks()
{
    m_bench->runOn({m_card});
    QFile journal(lastJournal());
    QVERIFY(journal.open(QIODevice::ReadOnly));
    QByteArray lines = journal.readAll();
    journal.close();
    lines.chop(1); // the end line loses its newline and more
    lines.chop(lines.size() - lines.lastIndexOf('\n') - 6);
    writeFile(lastJournal(), lines);
    JournalStore::RunSummary summary = JournalStore::summarize(lastJournal());
    QCOMPARE(summary.files, 2);
    QVERIFY(!summary.finished);

    const UndoRun::Result result = undoLast();
    QCOMPARE(result.restored.size(), 2);
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "IMG_2.JPG"}));
    summary = JournalStore::summarize(lastJournal());
    QCOMPARE(summary.restored, 2);
    QVERIFY(summary.undone);
    QVERIFY(undoLast().alreadyUndone);
}

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
