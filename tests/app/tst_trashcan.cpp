// The trash of a volume other than the home's: only a folder that is the
// user's own takes a file; anything else leaves the file where it is.
#include "FaultyFileSystem.h"
#include "fs/TrashCan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

using namespace lumenscribe;

class TestTrashCan : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ownTrashIsMadePrivate();
    void sharedStickyTrashIsUsed();
    void trashThatIsNotOwnKeepsTheFile_data();
    void trashThatIsNotOwnKeepsTheFile();
    void homeTrashThatIsALinkKeepsTheFile();
    void failedNoteIsRemoved();
    void emptyNoteLeftBeforeIsRemoved();

private:
    QString photo();
    QString own() const { return m_volume + QStringLiteral("/.Trash-%1").arg(::getuid()); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_volume;
    bool m_mounted = false;
};

// A small file system of its own, so that the volume's top folder is one
// the test may change.
void TestTrashCan::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_volume = m_dir->filePath(QStringLiteral("volume"));
    QVERIFY(QDir().mkpath(m_volume));
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_volume).constData(), "tmpfs", 0, "size=1m,mode=0755") == 0;
    if (!m_mounted)
        QSKIP("needs to mount a small file system (root)");
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("share"))));
}

void TestTrashCan::cleanup()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_volume).constData(), MNT_DETACH);
    m_mounted = false;
}

QString TestTrashCan::photo()
{
    const QString path = m_volume + QStringLiteral("/card/IMG_1.JPG");
    QDir().mkpath(m_volume + QStringLiteral("/card"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("photo");
    return path;
}

void TestTrashCan::ownTrashIsMadePrivate()
{
    const QString path = photo();
    TrashCan trash(FileSystem::real());
    QString trashed;
    QCOMPARE(trash.moveToTrash(path, trashed), std::error_code());
    QCOMPARE(trashed, own() + QStringLiteral("/files/IMG_1.JPG"));
    QCOMPARE(QFileInfo(own()).permissions() & 0x0077, QFile::Permissions());
    QCOMPARE(trash.findTrashed(path), trashed);
}

void TestTrashCan::sharedStickyTrashIsUsed()
{
    const QString shared = m_volume + QStringLiteral("/.Trash");
    QVERIFY(QDir().mkdir(shared));
    QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString path = photo();
    QString trashed;
    QCOMPARE(TrashCan(FileSystem::real()).moveToTrash(path, trashed), std::error_code());
    QCOMPARE(trashed, shared + QStringLiteral("/%1/files/IMG_1.JPG").arg(::getuid()));
    QVERIFY(!QFileInfo::exists(own()));
}

void TestTrashCan::trashThatIsNotOwnKeepsTheFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("open to others") << "mode";
    QTest::newRow("a link") << "link";
    QTest::newRow("another user's") << "owner";
    QTest::newRow("its files folder a link") << "files";
    QTest::newRow("in a shared trash that is not sticky") << "unsticky";
}

void TestTrashCan::trashThatIsNotOwnKeepsTheFile()
{
    QFETCH(QString, kind);
    const QByteArray trash = QFile::encodeName(own());
    const QString elsewhere = m_volume + QStringLiteral("/elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    if (kind == u"link") {
        QCOMPARE(::symlink(QFile::encodeName(elsewhere).constData(), trash.constData()), 0);
    } else {
        QVERIFY(QDir().mkpath(own() + QStringLiteral("/info")));
        QCOMPARE(::chmod(trash.constData(), 0700), 0);
    }
    if (kind == u"mode")
        QCOMPARE(::chmod(trash.constData(), 0755), 0);
    if (kind == u"owner")
        QCOMPARE(::chown(trash.constData(), 54321, 54321), 0);
    if (kind == u"files")
        QCOMPARE(::symlink(QFile::encodeName(elsewhere).constData(), trash + "/files"), 0);
    if (kind == u"unsticky") {
        // Not sticky: not a trash; the private one is the next choice.
        QVERIFY(QDir().mkpath(m_volume + QStringLiteral("/.Trash/%1").arg(::getuid())));
        QCOMPARE(::chmod(trash.constData(), 0777), 0);
    }
    const QString path = photo();
    TrashCan can(FileSystem::real());
    QString trashed;
    const std::error_code refused = can.moveToTrash(path, trashed);
    QCOMPARE(refused, make_error_code(TrashError::NotOwnTrash));
    // The trash's own refusal, never taken for an EPERM a disk could answer.
    QVERIFY(refused != std::errc::operation_not_permitted);
    QCOMPARE(refused.category().name(), "trash");
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(trashed.isEmpty());
    QVERIFY(QDir(elsewhere).isEmpty());
    QVERIFY2(can.problem().contains(QStringLiteral("not the user's own trash")), qPrintable(can.problem()));
}

// A file on the home's own volume: a home trash that is a link is no trash.
void TestTrashCan::homeTrashThatIsALinkKeepsTheFile()
{
    const QString share = m_volume + QStringLiteral("/share");
    QVERIFY(QDir().mkpath(share));
    QVERIFY(QDir().mkpath(m_volume + QStringLiteral("/elsewhere")));
    QCOMPARE(::symlink("../elsewhere", QFile::encodeName(share + QStringLiteral("/Trash")).constData()), 0);
    qputenv("XDG_DATA_HOME", QFile::encodeName(share));
    const QString path = photo();
    QString trashed;
    QCOMPARE(TrashCan(FileSystem::real()).moveToTrash(path, trashed), make_error_code(TrashError::NotOwnTrash));
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(QDir(m_volume + QStringLiteral("/elsewhere")).isEmpty());
}

void TestTrashCan::failedNoteIsRemoved()
{
    const QString path = photo();
    FaultyFileSystem fileSystem;
    fileSystem.fail(FaultyFileSystem::Write, 1, ENOSPC);
    QString trashed;
    QCOMPARE(TrashCan(fileSystem).moveToTrash(path, trashed), std::make_error_code(std::errc::no_space_on_device));
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(QDir(own() + QStringLiteral("/info")).isEmpty());
    QVERIFY(fileSystem.openDescriptors.isEmpty());
}

// A note a crash left empty does not hold the name for ever; a fresh one may
// be another process's about to be written, and is left alone.
void TestTrashCan::emptyNoteLeftBeforeIsRemoved()
{
    QVERIFY(QDir().mkpath(own() + QStringLiteral("/info")));
    QVERIFY(QDir().mkpath(own() + QStringLiteral("/files")));
    QCOMPARE(::chmod(QFile::encodeName(own()).constData(), 0700), 0);
    const QString fresh = own() + QStringLiteral("/info/IMG_1.JPG.trashinfo");
    QFile(fresh).open(QIODevice::WriteOnly);
    const QString stale = own() + QStringLiteral("/info/IMG_1 2.JPG.trashinfo");
    QFile(stale).open(QIODevice::WriteOnly);
    struct utimbuf old
    {
        1600000000, 1600000000
    };
    QCOMPARE(::utime(QFile::encodeName(stale).constData(), &old), 0);
    QString trashed;
    QCOMPARE(TrashCan(FileSystem::real()).moveToTrash(photo(), trashed), std::error_code());
    QCOMPARE(trashed, own() + QStringLiteral("/files/IMG_1 2.JPG"));
    QVERIFY(QFileInfo(stale).size() > 0);
    QVERIFY(QFileInfo::exists(fresh));
}

QTEST_APPLESS_MAIN(TestTrashCan)
#include "tst_trashcan.moc"
