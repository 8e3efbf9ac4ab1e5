// File names as bytes: every name on disk comes back to the same bytes, and
// the probes and the folder lister find files whose names are not UTF-8.
// Opening for reading never blocks on a FIFO and refuses what is not a file.
#include "ScratchFolder.h"
#include "platform/FileProbe.h"
#include "platform/FolderAnchors.h"
#include "platform/NativePath.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace lumenscribe;

namespace {

// Makes a file under its raw name; answers false when the name was refused.
bool makeFile(const QByteArray& path, const QByteArray& content = QByteArray())
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    return ::close(fd) == 0 && written;
}

} // namespace

class TestNativePath : public QObject
{
    Q_OBJECT

private slots:
    void bytesSurviveTheRoundTrip_data();
    void bytesSurviveTheRoundTrip();
    void textThatIsNoNameEncodesSafely();
    void probesSeeTheNameOnDisk();
    void listerGivesNamesBack();
    void listerReportsFailures();
    void openForReading_data();
    void openForReading();
    void unreadableFileAnswersEacces();
    void readingLeavesTheAccessTime();
    void anchoredPathsNeverPassALink();
};

void TestNativePath::bytesSurviveTheRoundTrip_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("valid"); // well-formed UTF-8: decoded as Qt would
    QTest::newRow("ascii") << QByteArray("IMG_0042.JPG") << true;
    QTest::newRow("utf-8 e-acute") << QByteArray("caf\xc3\xa9.jpg") << true;
    QTest::newRow("four-byte utf-8") << QByteArray("\xf0\x9f\x93\xb7.jpg") << true;
    QTest::newRow("latin-1 e-acute") << QByteArray("caf\xe9.jpg") << false;
    QTest::newRow("latin-1 at the end") << QByteArray("caf\xe9") << false;
    QTest::newRow("lone continuation") << QByteArray("a\x80z") << false;
    QTest::newRow("sequence cut short") << QByteArray("a\xe2\x82") << false;
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xafz") << false;
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << false;
    QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
    QTest::newRow("0xff") << QByteArray("\xff\xfe") << false;
    QTest::newRow("escape look-alike in utf-8") << QByteArray("\xed\xb3\xa9") << false;
}

void TestNativePath::bytesSurviveTheRoundTrip()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, valid);
    const QString decoded = NativePath::decode(name);
    QCOMPARE(NativePath::encode(decoded), name);
    QCOMPARE(decoded == QString::fromUtf8(name), valid);
    QVERIFY(!decoded.contains(QChar::ReplacementCharacter));
}

void TestNativePath::textThatIsNoNameEncodesSafely()
{
    // A lone surrogate outside the escape range cannot stand for a byte;
    // it must not turn into one either.
    QCOMPARE(NativePath::encode(QString(QChar(0xD800)) + u'a'), QByteArray("\xef\xbf\xbd"
                                                                           "a"));
}

void TestNativePath::probesSeeTheNameOnDisk()
{
    test::ScratchFolder dir;
    const QByteArray raw = dir.raw() + "/caf\xe9.jpg";
    QVERIFY(makeFile(raw));
    const struct timespec times[2] = {{978350400, 0}, {978350400, 0}}; // 2001-01-01 12:00 UTC
    QVERIFY(::utimensat(AT_FDCWD, raw.constData(), times, 0) == 0);

    const QString path = NativePath::decode(raw);
    QVERIFY(FileProbe::exists(path));
    QVERIFY(!FileProbe::exists(QFile::decodeName(raw))); // the lossy name is another file
    QCOMPARE(FileProbe::creationDate(path), OptionalInstant(978350400.0));
    QCOMPARE(NativePath::fileType(path), quint32(S_IFREG));
    // A zero byte would cut the path short at "caf\xe9.jpg".
    QVERIFY(!FileProbe::exists(path + QChar(0) + u'x'));
    QVERIFY(!FileProbe::creationDate(path + QChar(0) + u'x'));
}

void TestNativePath::listerGivesNamesBack()
{
    test::ScratchFolder dir;
    const QByteArray folder = dir.raw();
    const QList<QByteArray> names{"plain.jpg",       "caf\xe9.jpg",       "caf\xc3\xa9.jpg",
                                  "line\nbreak.jpg", "-leading-dash.jpg", QByteArray(255, 'n')};
    for (const QByteArray& name : names)
        QVERIFY2(makeFile(folder + '/' + name), name.constData());
    QVERIFY(::mkdir(folder + "/sub\xe9", 0755) == 0);

    QList<FolderEntry> listed;
    QCOMPARE(NativePath::listFolder(dir.path(), listed), 0);
    QList<QByteArray> back;
    for (const FolderEntry& entry : listed) {
        back.append(NativePath::encode(entry.name));
        QCOMPARE(entry.type, entry.name.startsWith(u"sub") ? quint32(S_IFDIR) : quint32(S_IFREG));
    }
    std::sort(back.begin(), back.end());
    QList<QByteArray> expected = names;
    expected.append("sub\xe9");
    std::sort(expected.begin(), expected.end());
    QCOMPARE(back, expected);
    for (const FolderEntry& entry : listed)
        QVERIFY(FileProbe::exists(dir.path() + u'/' + entry.name));
}

void TestNativePath::listerReportsFailures()
{
    test::ScratchFolder dir;
    QVERIFY(makeFile(QFile::encodeName(dir.filePath(QStringLiteral("file")))));
    QList<FolderEntry> names{{QStringLiteral("stale")}};
    QCOMPARE(NativePath::listFolder(dir.filePath(QStringLiteral("missing")), names), ENOENT);
    QVERIFY(names.isEmpty());
    QCOMPARE(NativePath::listFolder(dir.filePath(QStringLiteral("file")), names), ENOTDIR);
    QCOMPARE(NativePath::listFolder(QString(), names), ENOENT);
}

// openPlainFile is for names a listing showed as regular files: it opens
// without looking first, so it must not follow a link, and whatever it
// finds that is not a regular file comes back closed, without waiting.
void TestNativePath::openForReading_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("expectedPlain");
    const int notRegular = NativePath::NotRegularFile;
    QTest::newRow("regular file") << "file" << 0 << 0;
    QTest::newRow("link to a file") << "link" << 0 << ELOOP;
    QTest::newRow("latin-1 name") << "latin1" << 0 << 0;
    QTest::newRow("empty file") << "empty" << 0 << 0;
    QTest::newRow("folder") << "folder" << notRegular << notRegular;
    QTest::newRow("fifo without a writer") << "fifo" << notRegular << notRegular;
    QTest::newRow("character device") << "device" << notRegular << notRegular;
    QTest::newRow("socket") << "socket" << notRegular << ENXIO;
    QTest::newRow("missing") << "missing" << ENOENT << ENOENT;
    QTest::newRow("dangling link") << "dangling" << ENOENT << ELOOP;
    QTest::newRow("zero byte in the path") << "nul" << ENOENT << ENOENT;
    QTest::newRow("empty path") << "" << ENOENT << ENOENT;
}

void TestNativePath::openForReading()
{
    QFETCH(QString, kind);
    QFETCH(int, expected);
    QFETCH(int, expectedPlain);
    test::ScratchFolder dir;
    const QByteArray base = dir.raw() + '/';
    QVERIFY(makeFile(base + "file", "data"));
    QVERIFY(makeFile(base + "caf\xe9", "data"));
    QVERIFY(makeFile(base + "empty"));
    QVERIFY(::symlink("file", base + "link") == 0);
    QVERIFY(::symlink("nowhere", base + "dangling") == 0);
    QVERIFY(::mkdir(base + "folder", 0755) == 0);
    QVERIFY(::mkfifo(base + "fifo", 0644) == 0);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = base + "socket";
    QVERIFY(size_t(socketPath.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    QVERIFY(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);

    QString path = kind.isEmpty() ? QString() : dir.filePath(kind);
    if (kind == u"device")
        path = QStringLiteral("/dev/null");
    else if (kind == u"latin1")
        path = NativePath::decode(base + "caf\xe9");
    else if (kind == u"nul")
        path = dir.filePath(QStringLiteral("file")) + QChar(0) + u'x';
    int fd = -1;
    QCOMPARE(NativePath::openForReading(path, fd), expected);
    QCOMPARE(fd >= 0, expected == 0);
    if (fd >= 0)
        ::close(fd);
    quint64 size = 0;
    QCOMPARE(NativePath::openPlainFile(path, fd, size), expectedPlain);
    QCOMPARE(fd >= 0, expectedPlain == 0);
    if (fd >= 0) {
        QCOMPARE(size, quint64(kind == u"empty" ? 0 : 4));
        ::close(fd);
    }
    ::close(listening);
}

void TestNativePath::unreadableFileAnswersEacces()
{
    if (::geteuid() == 0)
        QSKIP("root reads every file");
    test::ScratchFolder dir;
    const QByteArray raw = QFile::encodeName(dir.filePath(QStringLiteral("locked")));
    QVERIFY(makeFile(raw, "data"));
    QVERIFY(::chmod(raw.constData(), 0) == 0);
    int fd = -1;
    QCOMPARE(NativePath::openForReading(NativePath::decode(raw), fd), EACCES);
    QCOMPARE(fd, -1);
}

void TestNativePath::readingLeavesTheAccessTime()
{
    // Naming a photo is not using it. An access time older than the
    // modification time is one that relatime would bring forward on a read.
    test::ScratchFolder dir;
    const QByteArray raw = QFile::encodeName(dir.filePath(QStringLiteral("IMG_0001.JPG")));
    QVERIFY(makeFile(raw, "data"));
    const timespec times[2] = {{1000000000, 0}, {1500000000, 0}}; // access, modification
    QVERIFY(::utimensat(AT_FDCWD, raw.constData(), times, 0) == 0);
    for (const bool plain : {true, false}) {
        int fd = -1;
        quint64 size = 0;
        QCOMPARE(plain ? NativePath::openPlainFile(NativePath::decode(raw), fd, size)
                       : NativePath::openForReading(NativePath::decode(raw), fd),
                 0);
        char buffer[4];
        QCOMPARE(::pread(fd, buffer, sizeof buffer, 0), ssize_t(4));
        ::close(fd);
        struct stat info
        {
        };
        QVERIFY(::stat(raw.constData(), &info) == 0);
        QCOMPARE(qint64(info.st_atim.tv_sec), qint64(1000000000));
    }
}

// Below an anchored folder every name is reached from that folder, so a link
// standing where a folder was is a dead end, and ".." leads nowhere; the
// anchored folder's own path, and every path outside, work as given.
void TestNativePath::anchoredPathsNeverPassALink()
{
    test::ScratchFolder dir;
    const QByteArray root = dir.raw() + "/root";
    QVERIFY(::mkdir(root.constData(), 0755) == 0 && ::mkdir(root + "/real", 0755) == 0);
    QVERIFY(::mkdir(dir.raw() + "/elsewhere", 0755) == 0);
    QVERIFY(makeFile(root + "/real/in.jpg") && makeFile(dir.raw() + "/elsewhere/out.jpg"));
    QVERIFY(::symlink("../elsewhere", root + "/link") == 0);
    QVERIFY(::symlink("..", root + "/real/up") == 0);
    const QString top = QFile::decodeName(root);
    const QString outsideFile = dir.filePath(QStringLiteral("elsewhere/out.jpg"));

    QVERIFY(FileProbe::exists(top + QStringLiteral("/link/out.jpg"))); // no anchor: as before
    FolderAnchors::Scope scope;
    QCOMPARE(FolderAnchors::current()->anchor(top), 0);
    QList<FolderEntry> entries;
    QCOMPARE(NativePath::listFolder(top + QStringLiteral("/real"), entries), 0);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(NativePath::listFolder(top + QStringLiteral("/link"), entries), ENOTDIR);
    QCOMPARE(NativePath::listFolder(top + QStringLiteral("/real/up"), entries), ENOTDIR);
    int fd = -1;
    quint64 size = 0;
    QCOMPARE(NativePath::openPlainFile(top + QStringLiteral("/real/in.jpg"), fd, size), 0);
    ::close(fd);
    QCOMPARE(NativePath::openPlainFile(top + QStringLiteral("/link/out.jpg"), fd, size), ENOTDIR);
    QCOMPARE(NativePath::openPlainFile(top + QStringLiteral("/real/../link/out.jpg"), fd, size), EINVAL);
    // A name behind a link in the way counts as taken, never as free.
    QVERIFY(FileProbe::exists(top + QStringLiteral("/link/new.jpg")));
    QVERIFY(!FileProbe::exists(top + QStringLiteral("/real/new.jpg")));
    QVERIFY(!FileProbe::exists(top + QStringLiteral("/missing/new.jpg")));
    // Paths outside the anchored folder are untouched by it.
    QCOMPARE(NativePath::openPlainFile(outsideFile, fd, size), 0);
    ::close(fd);
}

QTEST_APPLESS_MAIN(TestNativePath)
#include "tst_nativepath.moc"
