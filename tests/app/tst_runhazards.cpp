// The run against hostile folders and races: odd names, links, loops,
// unreadable folders, pipes, and a target that appears at the last moment.
#include "FaultyFileSystem.h"
#include "RunBench.h"
#include "controllers/MainController.h"
#include "run/FolderExpander.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utime.h>

using namespace lumenscribe;
using lumenscribe::test::RunBench;
using lumenscribe::test::ScriptedFrontEnd;

namespace {

// Makes a file by its raw name bytes, with a distinct modification time so
// that it is named after it.
void makeFile(const QByteArray& path, const QByteArray& content, time_t when)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY2(fd >= 0, path.constData());
    QCOMPARE(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
    ::close(fd);
    struct utimbuf times
    {
        when, when
    };
    QVERIFY(::utime(path.constData(), &times) == 0);
}

// Every name in a folder, as raw bytes, with the content it holds.
QMap<QByteArray, QByteArray> rawTree(const QByteArray& folder)
{
    QMap<QByteArray, QByteArray> found;
    QStringList names;
    FileSystem::real().listFolder(FileSystem::decodePath(folder), names);
    for (const QString& name : std::as_const(names)) {
        const QByteArray path = folder + '/' + FileSystem::encodePath(name);
        QByteArray content;
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
        if (fd >= 0) {
            char buffer[256];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            content = QByteArray(buffer, n > 0 ? int(n) : 0);
            ::close(fd);
        }
        found.insert(FileSystem::encodePath(name), content);
    }
    return found;
}

} // namespace

class TestRunHazards : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oddNamesAreRenamedOrReported();
    void linksLoopsAndUnreadableFolders();
    void pipesAreNeverOpened();
    void deleteRulesTouchRegularFilesOnly();
    void filesSwappedAfterTheListingAreLookedAtAgain();
    void folderSwappedForALinkLeadsNowhere_data();
    void folderSwappedForALinkLeadsNowhere();
    void targetAppearingAtTheLastMomentIsNotOverwritten();
    void sourceVanishingDuringTheRunIsReported();
    void hundredThousandFilesAreListedOnce();

private:
    std::unique_ptr<RunBench> m_bench;
    QByteArray m_card;
    MainController* m_controller = nullptr;
    ScriptedFrontEnd* m_frontEnd = nullptr;
};

void TestRunHazards::init()
{
    m_bench = std::make_unique<RunBench>();
    m_controller = m_bench->controller.get();
    m_frontEnd = m_bench->frontEnd.get();
    m_card = QFile::encodeName(m_bench->card());
}

void TestRunHazards::cleanup()
{
    m_bench.reset();
}

void TestRunHazards::oddNamesAreRenamedOrReported()
{
    // 2020-01-01 .. : one minute apart, so each has its own new name.
    const time_t base = 1577880000;
    makeFile(m_card + "/caf\xe9.jpg", "latin-1", base);
    makeFile(m_card + "/new\nline.jpg", "newline", base + 60);
    makeFile(m_card + "/-rf.jpg", "dash", base + 120);
    makeFile(m_card + '/' + QByteArray(251, 'x') + ".jpg", "long", base + 180);
    m_bench->runOn({FileSystem::decodePath(m_card)});
    const QMap<QByteArray, QByteArray> after = rawTree(m_card);
    QCOMPARE(after.size(), 4);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QVERIFY2(it.key().startsWith("2020-01-0"), it.key().constData()); // every one renamed
    QCOMPARE(QList<QByteArray>(after.values()).size(), 4);
    QVERIFY(after.values().contains("latin-1"));
    QVERIFY(m_frontEnd->alerts.isEmpty());
}

void TestRunHazards::linksLoopsAndUnreadableFolders()
{
    const QString card = FileSystem::decodePath(m_card);
    const QString outside = m_bench->path(QStringLiteral("outside"));
    QDir().mkpath(outside + QStringLiteral("/deep"));
    QDir().mkpath(card + QStringLiteral("/sub/locked"));
    makeFile(QFile::encodeName(outside + QStringLiteral("/deep/o.jpg")), "outside", 1577880000);
    makeFile(QFile::encodeName(card + QStringLiteral("/sub/a.jpg")), "a", 1577880060);
    makeFile(QFile::encodeName(card + QStringLiteral("/sub/locked/b.jpg")), "b", 1577880120);
    QVERIFY(QFile::link(card, card + QStringLiteral("/sub/loop")));
    QVERIFY(QFile::link(outside, card + QStringLiteral("/sub/to-folder")));
    QVERIFY(QFile::link(outside + QStringLiteral("/deep/o.jpg"), card + QStringLiteral("/link.jpg")));

    FaultyFileSystem fileSystem;
    fileSystem.beforeCall = [&](FaultyFileSystem::Operation operation, const QString& path) {
        if (operation == FaultyFileSystem::ListFolder && path.endsWith(QStringLiteral("/locked")))
            fileSystem.fail(FaultyFileSystem::ListFolder, fileSystem.calls.value(FaultyFileSystem::ListFolder) + 1,
                            EACCES);
    };
    m_controller->setFileSystem(&fileSystem);
    m_bench->runOn({card});
    // The link to a file is renamed like a file; nothing behind the links
    // to folders is touched; the unreadable folder is reported, not skipped
    // in silence.
    QCOMPARE(m_frontEnd->reports.size(), 2);
    QVERIFY(QFileInfo(outside + QStringLiteral("/deep/o.jpg")).isFile());
    QVERIFY(QFileInfo::exists(card + QStringLiteral("/sub/locked/b.jpg")));
    QCOMPARE(m_frontEnd->alerts.size(), 1);
    QVERIFY(m_frontEnd->alerts.first().contains(QStringLiteral("locked")));
}

void TestRunHazards::pipesAreNeverOpened()
{
    const QByteArray pipe = m_card + "/pipe.jpg";
    QVERIFY(::mkfifo(pipe.constData(), 0644) == 0);
    makeFile(m_card + "/real.jpg", "real", 1577880000);
    m_bench->runOn({FileSystem::decodePath(pipe), FileSystem::decodePath(m_card)}); // would hang if opened
    QVERIFY(QFileInfo(QFile::decodeName(pipe)).exists());
    QCOMPARE(m_frontEnd->reports.size(), 3); // the pipe twice, the file once
    QCOMPARE(m_frontEnd->reports.first().message, QStringLiteral("not a regular file"));
}

void TestRunHazards::deleteRulesTouchRegularFilesOnly()
{
    // Size 0 and a matching name, yet none of these is a small photo: a
    // pipe, a device, a link (neither it nor what it leads to goes).
    const QByteArray pipe = m_card + "/pipe.gif";
    QVERIFY(::mkfifo(pipe.constData(), 0644) == 0);
    const QByteArray device = m_card + "/null.gif";
    const bool haveDevice = ::mknod(device.constData(), S_IFCHR | 0644, makedev(1, 3)) == 0; // root only
    QVERIFY(::mkdir(m_card + "/elsewhere", 0755) == 0);
    makeFile(m_card + "/elsewhere/.small", "s", 1577880000);
    QVERIFY(::symlink("elsewhere/.small", m_card + "/link.gif") == 0);
    makeFile(m_card + "/small.gif", "x", 1577880060);
    m_controller->setDeleteFilesOptions(4); // a pattern ("*.gif") or smaller than the limit
    m_bench->runOn({FileSystem::decodePath(m_card)});
    QVERIFY(QFileInfo(QFile::decodeName(pipe)).exists());
    QVERIFY(!haveDevice || QFileInfo(QFile::decodeName(device)).exists());
    QVERIFY(QFileInfo::exists(QFile::decodeName(m_card + "/elsewhere/.small")));
    QVERIFY(!QFileInfo::exists(QFile::decodeName(m_card + "/small.gif")));
    int deleted = 0;
    int notRegular = 0;
    for (const FileReport& report : std::as_const(m_frontEnd->reports)) {
        deleted += report.action == FileReport::Action::Deleted ? 1 : 0;
        notRegular += report.message == u"not a regular file" ? 1 : 0;
    }
    QCOMPARE(deleted, 1);
    QCOMPARE(notRegular, haveDevice ? 2 : 1);
    // The link is renamed as a link, never removed.
    QCOMPARE(m_frontEnd->reports.size(), haveDevice ? 4 : 3);
}

void TestRunHazards::filesSwappedAfterTheListingAreLookedAtAgain()
{
    // The walk saw three regular files; while the first one's question is
    // up, the second becomes a FIFO and the third a link to a photo
    // elsewhere. The FIFO must not stop the run, and the link is renamed as
    // the links a walk finds are.
    makeFile(m_card + "/IMG_1.JPG", "one", 1577880000);
    makeFile(m_card + "/IMG_2.JPG", "two", 1577880060);
    makeFile(m_card + "/IMG_3.JPG", "three", 1577880120);
    QVERIFY(::mkdir(m_card + "/elsewhere", 0755) == 0);
    makeFile(m_card + "/elsewhere/.photo", "photo", 1577880180);
    const QString card = FileSystem::decodePath(m_card);
    m_controller->setConfirmEachFile(true);
    m_frontEnd->ciwAnswers = {4, 4, 4};
    m_frontEnd->onShow = [&](const QString& file) {
        if (!file.endsWith(QStringLiteral("IMG_1.JPG")))
            return;
        QVERIFY(::unlink(m_card + "/IMG_2.JPG") == 0 && ::mkfifo(m_card + "/IMG_2.JPG", 0644) == 0);
        QVERIFY(::unlink(m_card + "/IMG_3.JPG") == 0 && ::symlink("elsewhere/.photo", m_card + "/IMG_3.JPG") == 0);
    };
    m_bench->runOn({card}); // would hang if the FIFO were read
    QCOMPARE(m_frontEnd->reports.size(), 3);
    QCOMPARE(m_frontEnd->reports.at(0).action, FileReport::Action::Renamed);
    QCOMPARE(m_frontEnd->reports.at(1).action, FileReport::Action::Skipped);
    QCOMPARE(m_frontEnd->reports.at(1).message, QStringLiteral("not a regular file"));
    QCOMPARE(m_frontEnd->reports.at(2).action, FileReport::Action::Renamed);
    QVERIFY(QFileInfo(QFile::decodeName(m_card + "/IMG_2.JPG")).exists());
    QVERIFY(QFileInfo(m_frontEnd->reports.at(2).target).isSymLink());
}

void TestRunHazards::folderSwappedForALinkLeadsNowhere_data()
{
    QTest::addColumn<bool>("beforeItsListing");
    QTest::newRow("before the walk lists it") << true;
    QTest::newRow("after its first file") << false;
}

// Someone (or something) replaces a folder of the card with a link to
// another part of the disk while the run goes on. The run must stay in the
// tree it was given: what lies behind the link is neither renamed nor read.
void TestRunHazards::folderSwappedForALinkLeadsNowhere()
{
    QFETCH(bool, beforeItsListing);
    const QString card = FileSystem::decodePath(m_card);
    const QString outside = m_bench->path(QStringLiteral("outside"));
    QVERIFY(QDir().mkpath(outside) && QDir().mkpath(card + QStringLiteral("/sub")));
    makeFile(m_card + "/sub/a.jpg", "a", 1577880000);
    makeFile(m_card + "/sub/b.jpg", "b", 1577880060);
    makeFile(QFile::encodeName(outside + QStringLiteral("/b.jpg")), "not on the card", 1577880120);
    const auto swap = [&] {
        QVERIFY(::rename(m_card + "/sub", m_card + "/sub-moved") == 0);
        QVERIFY(::symlink(QFile::encodeName(outside).constData(), m_card + "/sub") == 0);
    };
    FaultyFileSystem fileSystem;
    bool swapped = false;
    fileSystem.beforeCall = [&](FaultyFileSystem::Operation operation, const QString& path) {
        if (beforeItsListing && !swapped && operation == FaultyFileSystem::ListFolder &&
            path.endsWith(QStringLiteral("/sub"))) {
            swapped = true;
            swap();
        }
    };
    m_controller->setFileSystem(&fileSystem);
    if (!beforeItsListing) {
        m_controller->setConfirmEachFile(true);
        m_frontEnd->ciwAnswers = {4, 4};
        m_frontEnd->onShow = [&](const QString& file) {
            if (file.endsWith(QStringLiteral("/a.jpg")))
                swap();
        };
    }
    m_bench->runOn({card});
    const QMap<QByteArray, QByteArray> behindTheLink = rawTree(QFile::encodeName(outside));
    QCOMPARE(behindTheLink.keys(), QList<QByteArray>{"b.jpg"});
    QCOMPARE(behindTheLink.value("b.jpg"), QByteArray("not on the card"));
    if (beforeItsListing) {
        QCOMPARE(m_frontEnd->alerts.size(), 1); // the folder could not be walked, and says so
    } else {
        // The files of the card were renamed where they are now.
        const QMap<QByteArray, QByteArray> moved = rawTree(m_card + "/sub-moved");
        QCOMPARE(moved.size(), 2);
        for (auto it = moved.cbegin(); it != moved.cend(); ++it)
            QVERIFY2(it.key().startsWith("2020-01-0"), it.key().constData());
    }
}

void TestRunHazards::targetAppearingAtTheLastMomentIsNotOverwritten()
{
    makeFile(m_card + "/IMG_1.JPG", "mine", 1577880000);
    const QString card = FileSystem::decodePath(m_card);
    const QString target = card + u'/' +
                           QDateTime::fromSecsSinceEpoch(1577880000).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) +
                           QStringLiteral(".jpg");
    FaultyFileSystem fileSystem;
    fileSystem.beforeCall = [&](FaultyFileSystem::Operation operation, const QString&) {
        // Another program writes a file of that very name just now, after
        // every check and before the rename.
        if (operation == FaultyFileSystem::RenameNoReplace && !QFile::exists(target)) {
            QFile other(target);
            if (other.open(QIODevice::WriteOnly))
                other.write("theirs");
        }
    };
    m_controller->setFileSystem(&fileSystem);
    m_bench->runOn({card});
    QCOMPARE(m_frontEnd->reports.first().target, target);
    QCOMPARE(m_frontEnd->reports.first().action, FileReport::Action::Failed);
    const QMap<QByteArray, QByteArray> after = rawTree(m_card);
    QVERIFY(after.values().contains("mine"));
    QVERIFY(after.values().contains("theirs"));
    QCOMPARE(after.size(), 2);
}

void TestRunHazards::sourceVanishingDuringTheRunIsReported()
{
    makeFile(m_card + "/IMG_1.JPG", "one", 1577880000);
    makeFile(m_card + "/IMG_2.JPG", "two", 1577880060);
    const QString card = FileSystem::decodePath(m_card);
    m_controller->setConfirmEachFile(true);
    m_frontEnd->ciwAnswers = {4, 4};
    m_frontEnd->onShow = [&](const QString& file) {
        if (file.endsWith(QStringLiteral("IMG_2.JPG")))
            QFile::remove(file); // deleted by someone else while the question was up
    };
    m_bench->runOn({card});
    QCOMPARE(m_frontEnd->reports.size(), 2);
    QCOMPARE(m_frontEnd->reports.last().action, FileReport::Action::Failed);
    QCOMPARE(m_frontEnd->alerts.size(), 1);
}

void TestRunHazards::hundredThousandFilesAreListedOnce()
{
    const QByteArray folder = m_card + "/many";
    QVERIFY(::mkdir(folder.constData(), 0755) == 0);
    for (int i = 0; i < 100000; ++i) {
        const QByteArray path = folder + "/f" + QByteArray::number(i);
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    QVERIFY(QFile::link(QFile::decodeName(m_card), QFile::decodeName(folder) + QStringLiteral("/up")));
    FolderExpander expander(FileSystem::real());
    expander.add(FileSystem::decodePath(m_card));
    QStringList files;
    for (const ListedFile& file : expander.sortedFiles())
        files.append(file.path);
    QCOMPARE(files.size(), 100000);
    QCOMPARE(QSet<QString>(files.begin(), files.end()).size(), 100000);
    QVERIFY(std::is_sorted(files.begin(), files.end()));
}

QTEST_GUILESS_MAIN(TestRunHazards)
#include "tst_runhazards.moc"
