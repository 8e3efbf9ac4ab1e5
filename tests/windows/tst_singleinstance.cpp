// One instance per user: later starts hand their paths to the first and
// exit; a crashed first start, a hung one and stray bytes on its socket never
// stop a start. The test binary doubles as the second process of the tests
// that need one (LUMENSCRIBE_SINGLEINSTANCE_CHILD).
#include "windows/SingleInstance.h"
#include "windows/SingleInstanceMessage.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <cstdio>

using namespace lumenscribe;
using namespace std::chrono_literals;

namespace {
const QString Name = QStringLiteral("tst-singleinstance");
const char* const ChildVariable = "LUMENSCRIBE_SINGLEINSTANCE_CHILD";

// "primary FOLDER": holds the instance until killed. "second FOLDER PATHS...":
// one later start; the exit code is its role.
int runChild(const QStringList& arguments)
{
    if (arguments.size() < 3)
        return 100;
    SingleInstance instance(Name, arguments.at(2));
    const SingleInstance::Role role = instance.start(arguments.mid(3), QDir::currentPath());
    if (arguments.at(1) == u"second")
        return int(role);
    std::printf("%d\n", int(role));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

QByteArray framedPayload(const QByteArray& payload)
{
    QByteArray framed(SingleInstanceMessage::HeaderSize, Qt::Uninitialized);
    qToBigEndian(quint32(payload.size()), framed.data());
    return framed + payload;
}

QByteArray payloadOf(quint32 magic, quint32 count, const QStringList& paths)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << magic << count;
    for (const QString& path : paths)
        out << path;
    return payload;
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void handsPathsToThePrimary();
    void absolutePaths_data();
    void absolutePaths();
    void secondProcessHandsOverItsResolvedPaths();
    void crashedPrimaryDoesNotBlockAStart();
    void staleLockWithoutASocket();
    void hungPrimaryDoesNotHangTheStart();
    void selectionBeyondTheBoundRunsAlone();
    void strayBytesAreIgnored_data();
    void strayBytesAreIgnored();
    void messageArrivingInPiecesIsWhole();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestSingleInstance::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void TestSingleInstance::handsPathsToThePrimary()
{
    auto primary = std::make_unique<SingleInstance>(Name, m_folder->path());
    QCOMPARE(primary->start({}, QDir::currentPath()), SingleInstance::Role::Primary);
    QSignalSpy received(primary.get(), &SingleInstance::pathsReceived);
    QSignalSpy activated(primary.get(), &SingleInstance::activationRequested);

    SingleInstance second(Name, m_folder->path());
    QCOMPARE(second.start({QStringLiteral("DCIM/IMG_0001.JPG"), QStringLiteral("/media/card/MVI_0002.MOV")},
                          QStringLiteral("/home/someone")),
             SingleInstance::Role::HandedOver);
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toStringList(), QStringList({QStringLiteral("/home/someone/DCIM/IMG_0001.JPG"),
                                                               QStringLiteral("/media/card/MVI_0002.MOV")}));

    // A third start without paths only asks for the window.
    SingleInstance third(Name, m_folder->path());
    QCOMPARE(third.start({}, QDir::currentPath()), SingleInstance::Role::HandedOver);
    QTRY_COMPARE(activated.count(), 2);
    QCOMPARE(received.count(), 1);

    // Once the primary quits, the next start takes its place.
    primary.reset();
    QVERIFY(!QFile::exists(second.serverPath()));
    SingleInstance next(Name, m_folder->path());
    QCOMPARE(next.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
}

void TestSingleInstance::absolutePaths_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("relative") << "a/b.CR2"
                              << "/work/dir/a/b.CR2";
    QTest::newRow("dot") << "./b.CR2"
                         << "/work/dir/./b.CR2";
    // Left for the file system to resolve: "link/.." is not always "." on disk.
    QTest::newRow("parent") << "../b.CR2"
                            << "/work/dir/../b.CR2";
    QTest::newRow("absolute") << "/x/y.NEF"
                              << "/x/y.NEF";
    QTest::newRow("file URL") << "file:///x/a%20b.jpg"
                              << "/x/a b.jpg";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSingleInstance::absolutePaths()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    const QStringList resolved = SingleInstance::absolutePaths({given}, QStringLiteral("/work/dir"));
    QCOMPARE(resolved, expected.isEmpty() ? QStringList() : QStringList{expected});
}

void TestSingleInstance::secondProcessHandsOverItsResolvedPaths()
{
    SingleInstance primary(Name, m_folder->path());
    QCOMPARE(primary.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
    QSignalSpy received(&primary, &SingleInstance::pathsReceived);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildVariable), QStringLiteral("1"));
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(m_folder->path());
    second.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("second"), m_folder->path(), QStringLiteral("IMG_0001.JPG")});
    QVERIFY(second.waitForStarted());
    // The primary answers from this process's event loop.
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
    QCOMPARE(second.exitCode(), int(SingleInstance::Role::HandedOver));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toStringList(), QStringList{m_folder->filePath(QStringLiteral("IMG_0001.JPG"))});
}

void TestSingleInstance::crashedPrimaryDoesNotBlockAStart()
{
    QProcess crashed;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildVariable), QStringLiteral("1"));
    crashed.setProcessEnvironment(environment);
    crashed.start(QCoreApplication::applicationFilePath(), {QStringLiteral("primary"), m_folder->path()});
    QVERIFY(crashed.waitForReadyRead(10000));
    QCOMPARE(crashed.readAll().trimmed(), QByteArray::number(int(SingleInstance::Role::Primary)));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    QVERIFY(crashed.waitForFinished(10000));

    // It left its lock and its socket behind.
    SingleInstance next(Name, m_folder->path());
    QVERIFY(QFile::exists(next.lockPath()));
    QVERIFY(QFile::exists(next.serverPath()));
    next.setTimeout(10s);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(next.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
    QVERIFY2(clock.elapsed() < 2000, "the dead primary was waited for");

    QSignalSpy received(&next, &SingleInstance::pathsReceived);
    SingleInstance later(Name, m_folder->path());
    QCOMPARE(later.start({QStringLiteral("/a.jpg")}, QDir::currentPath()), SingleInstance::Role::HandedOver);
    QTRY_COMPARE(received.count(), 1);
}

void TestSingleInstance::staleLockWithoutASocket()
{
    SingleInstance instance(Name, m_folder->path());
    // A lock as QLockFile writes it, of a process that is gone.
    QFile lock(instance.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("999999999\n" + QCoreApplication::applicationFilePath().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QCOMPARE(instance.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
}

void TestSingleInstance::hungPrimaryDoesNotHangTheStart()
{
    SingleInstance second(Name, m_folder->path());
    second.setTimeout(300ms);
    // A primary that holds the lock and accepts connections but never answers.
    QLockFile lock(second.lockPath());
    QVERIFY(lock.tryLock());
    QLocalServer hung;
    QVERIFY(hung.listen(second.serverPath()));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(second.start({QStringLiteral("/a.jpg")}, QDir::currentPath()), SingleInstance::Role::Alone);
    QVERIFY(clock.elapsed() < 3000);

    // One that holds the lock and never listens is waited for as long, no longer.
    hung.close();
    SingleInstance third(Name, m_folder->path());
    third.setTimeout(300ms);
    clock.restart();
    QCOMPARE(third.start({QStringLiteral("/a.jpg")}, QDir::currentPath()), SingleInstance::Role::Alone);
    QVERIFY(clock.elapsed() >= 300 && clock.elapsed() < 3000);
}

void TestSingleInstance::selectionBeyondTheBoundRunsAlone()
{
    SingleInstance primary(Name, m_folder->path());
    QCOMPARE(primary.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
    QSignalSpy activated(&primary, &SingleInstance::activationRequested);
    // Each path counts twice its length on the wire, plus four bytes.
    const QString longPath = u'/' + QString(SingleInstanceMessage::MaxPayloadSize / 16, u'x');
    SingleInstance second(Name, m_folder->path());
    QCOMPARE(second.start(QStringList(8, longPath), QDir::currentPath()), SingleInstance::Role::Alone);
    QTest::qWait(50);
    QCOMPARE(activated.count(), 0);
}

void TestSingleInstance::strayBytesAreIgnored_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Whether the primary hangs up at once, before the sender does.
    QTest::addColumn<bool>("dropped");
    QTest::newRow("oversized length") << QByteArray::fromHex("fffffff0") + QByteArray(64, 'x') << true;
    QTest::newRow("one past the bound") << QByteArray::fromHex("01000001") + QByteArray(64, 'x') << true;
    QTest::newRow("wrong magic") << framedPayload(payloadOf(0x12345678, 1, {QStringLiteral("/a.jpg")})) << true;
    QTest::newRow("count beyond the bytes")
        << framedPayload(payloadOf(SingleInstanceMessage::Magic, 0xffffffff, {})) << true;
    QTest::newRow("count one too many") << framedPayload(
                                               payloadOf(SingleInstanceMessage::Magic, 2, {QStringLiteral("/a.jpg")}))
                                        << true;
    QTest::newRow("bytes after the paths")
        << framedPayload(payloadOf(SingleInstanceMessage::Magic, 1, {QStringLiteral("/a.jpg")}) + "x") << true;
    QTest::newRow("odd string length") << framedPayload(payloadOf(SingleInstanceMessage::Magic, 1, {}) +
                                                        QByteArray::fromHex("00000003616263"))
                                       << true;
    QTest::newRow("relative path") << framedPayload(
                                          payloadOf(SingleInstanceMessage::Magic, 1, {QStringLiteral("a.jpg")}))
                                   << false;
    QTest::newRow("cut short") << SingleInstanceMessage::frame({QStringLiteral("/a.jpg")}).chopped(3) << false;
}

void TestSingleInstance::strayBytesAreIgnored()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, dropped);
    SingleInstance primary(Name, m_folder->path());
    QCOMPARE(primary.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
    QSignalSpy received(&primary, &SingleInstance::pathsReceived);

    QLocalSocket stray;
    stray.connectToServer(primary.serverPath());
    QVERIFY(stray.waitForConnected(5000));
    stray.write(bytes);
    QVERIFY(stray.waitForBytesWritten(5000));
    if (dropped)
        QTRY_COMPARE(stray.state(), QLocalSocket::UnconnectedState);
    else
        QTest::qWait(100);
    stray.disconnectFromServer();
    QTest::qWait(50);
    QCOMPARE(received.count(), 0);

    // The primary still serves the next start.
    SingleInstance second(Name, m_folder->path());
    QCOMPARE(second.start({QStringLiteral("/b.jpg")}, QDir::currentPath()), SingleInstance::Role::HandedOver);
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toStringList(), QStringList{QStringLiteral("/b.jpg")});
}

void TestSingleInstance::messageArrivingInPiecesIsWhole()
{
    SingleInstance primary(Name, m_folder->path());
    QCOMPARE(primary.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
    QSignalSpy received(&primary, &SingleInstance::pathsReceived);

    const QStringList paths{QStringLiteral("/Bilder/Urlaub 2024/IMG_0001.JPG"), QStringLiteral("/Bilder/ä.CR3")};
    const QByteArray message = SingleInstanceMessage::frame(paths);
    QLocalSocket client;
    client.connectToServer(primary.serverPath());
    QVERIFY(client.waitForConnected(5000));
    for (const char byte : message) {
        client.write(&byte, 1);
        client.flush();
        QTest::qWait(1);
    }
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toStringList(), paths);
    // And it is answered, so the sender may exit.
    QTRY_VERIFY(client.bytesAvailable() > 0 || client.waitForReadyRead(10));
    QCOMPARE(client.read(1), QByteArray(1, '\x01'));
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ChildVariable))
        return runChild(app.arguments());
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
