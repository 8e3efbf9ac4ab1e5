// lumenscribe date and tags on the paths people actually have: names that
// are not UTF-8 reach the reader and come back as the same bytes, and FIFOs,
// devices and folders among the paths are reported, never waited on.
#include "../naming/ScratchFolder.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumenscribe;

namespace {

struct Output
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The shell hands the tool the names exactly as the folder holds them,
// which QProcess cannot: it would pass them through QFile::encodeName.
Output runInFolder(const QString& folder, const QString& command)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + command,
                                              QStringLiteral(LUMENSCRIBE_CLI_PATH)});
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

bool copyTestFile(const QString& name, const QByteArray& rawTarget)
{
    QFile source(QStringLiteral(LUMENSCRIBE_TESTDATA "/") + name);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    const int fd = ::open(rawTarget.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    const bool written = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return fd >= 0 && ::close(fd) == 0 && written;
}

} // namespace

class TestCliDate : public QObject
{
    Q_OBJECT

private slots:
    void latin1NamesKeepTheirBytes_data();
    void latin1NamesKeepTheirBytes();
    void jsonEscapesTheByte();
    void tagsSortedAndAsJson();
    void oddPathsAreReported_data();
    void oddPathsAreReported();
    void dateWalksFoldersLikeARun();
};

void TestCliDate::latin1NamesKeepTheirBytes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("date of the file") << "date caf*.jpg" << QByteArray("caf\xe9.jpg\t2023-10-06 22:53:51\tfile\n");
    QTest::newRow("date from the companion THM")
        << "date mov*.avi" << QByteArray("mov\xe9.avi\t2022-01-20 08:16:09\tTHM\n");
    QTest::newRow("tags") << "tags caf*.jpg" << QByteArray("DateTimeOriginal\t2023-10-06 22:53:51");
}

void TestCliDate::latin1NamesKeepTheirBytes()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, expected);
    test::ScratchFolder dir;
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/caf\xe9.jpg"));
    QVERIFY(copyTestFile(QStringLiteral("MVI_0314.THM"), dir.raw() + "/mov\xe9.THM"));
    QVERIFY(copyTestFile(QStringLiteral("RIFF.wav"), dir.raw() + "/mov\xe9.avi"));
    const Output run = runInFolder(dir.path(), command);
    QVERIFY2(run.status == 0, run.err.constData());
    QVERIFY2(run.out.contains(expected), run.out.constData());
}

void TestCliDate::jsonEscapesTheByte()
{
    test::ScratchFolder dir;
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/caf\xe9.jpg"));
    const Output run = runInFolder(dir.path(), QStringLiteral("date --json caf*.jpg"));
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith("{\"path\":\"caf\\udce9.jpg\",\"date\":\"2023-10-06 22:53:51\""), run.out.constData());
    const QJsonObject found = QJsonDocument::fromJson(run.out.trimmed()).object();
    QCOMPARE(found.value("source").toString(), QStringLiteral("file"));
    QCOMPARE(found.value("key").toString(), QStringLiteral("DateTimeOriginal"));
    QCOMPARE(found.value("subseconds").toString(), QStringLiteral("724")); // SubSecTimeOriginal
}

void TestCliDate::tagsSortedAndAsJson()
{
    test::ScratchFolder dir;
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/g.jpg"));
    const Output run = runInFolder(dir.path(), QStringLiteral("tags g.jpg"));
    QCOMPARE(run.status, 0);
    QList<QByteArray> keys;
    for (const QByteArray& line : run.out.split('\n'))
        keys.append(line.split('\t').first());
    keys.removeAll(QByteArray());
    QVERIFY(std::is_sorted(keys.begin(), keys.end()));
    QVERIFY(run.out.contains("OffsetTimeOriginal\t+02:00\n"));
    const Output json = runInFolder(dir.path(), QStringLiteral("tags --json g.jpg"));
    QCOMPARE(QJsonDocument::fromJson(json.out).object().value("Make").toString(), QStringLiteral("Google"));
}

void TestCliDate::oddPathsAreReported_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("fifo without a writer") << "fifo.jpg" << QByteArray("'fifo.jpg': it is a FIFO, not a regular file");
    QTest::newRow("character device") << "/dev/zero" << QByteArray("'/dev/zero': it is a character device");
    QTest::newRow("folder") << "folder.jpg" << QByteArray("'folder.jpg': it is a folder"); // tags only
    QTest::newRow("missing") << "gone.jpg" << QByteArray("'gone.jpg': No such file or directory");
    QTest::newRow("latin-1 fifo") << "fif?" << QByteArray("'fif\xe9': it is a FIFO");
}

void TestCliDate::oddPathsAreReported()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, message);
    test::ScratchFolder dir;
    QVERIFY(::mkfifo(dir.raw() + "/fifo.jpg", 0644) == 0);
    QVERIFY(::mkfifo(dir.raw() + "/fif\xe9", 0644) == 0);
    QVERIFY(::mkdir(dir.raw() + "/folder.jpg", 0755) == 0);
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/good.jpg"));

    // The good file after the odd one shows that the run went on.
    for (const QString& command : {QStringLiteral("date %1 good.jpg"), QStringLiteral("tags %1")}) {
        if (path == u"folder.jpg" && command.startsWith(u"date"))
            continue; // date walks folders
        const Output run = runInFolder(dir.path(), command.arg(path));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), run.err.constData());
        if (command.startsWith(u"date")) {
            QVERIFY(run.out.contains("good.jpg\t2023-10-06 22:53:51\tfile\n"));
            QVERIFY(run.out.contains("\t-\t-\n"));
        }
    }
}

void TestCliDate::dateWalksFoldersLikeARun()
{
    test::ScratchFolder dir;
    QVERIFY(::mkdir(dir.raw() + "/card", 0755) == 0);
    QVERIFY(::mkdir(dir.raw() + "/card/sub", 0755) == 0);
    QVERIFY(::mkdir(dir.raw() + "/card/.trash", 0755) == 0);
    QVERIFY(::mkdir(dir.raw() + "/empty", 0755) == 0);
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/card/sub/b.jpg"));
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/card/a.jpg"));
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/card/.hidden.jpg"));
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/card/.trash/c.jpg"));
    QVERIFY(copyTestFile(QStringLiteral("Google.jpg"), dir.raw() + "/single.jpg"));
    const Output run = runInFolder(dir.path(), QStringLiteral("date single.jpg card empty"));
    QVERIFY2(run.status == 0, run.err.constData());
    // Arguments in their order, each folder in path order; hidden names and
    // hidden folders are left out, as a run leaves them.
    QCOMPARE(run.out, QByteArray("single.jpg\t2023-10-06 22:53:51\tfile\n"
                                 "card/a.jpg\t2023-10-06 22:53:51\tfile\n"
                                 "card/sub/b.jpg\t2023-10-06 22:53:51\tfile\n"));
}

QTEST_APPLESS_MAIN(TestCliDate)
#include "tst_clidate.moc"
