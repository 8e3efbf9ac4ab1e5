// The file move of the rename run: nothing is ever replaced, a failure at
// any step leaves the source as it was, and names that are not UTF-8 move
// byte for byte. Faults come from FaultyFileSystem, since the tests run as
// root and the machine has one file system.
#include "FaultyFileSystem.h"
#include "fs/FileMover.h"
#include "platform/LocalizedStrings.h"
#include "run/MoveReport.h"
#include "run/StatusProxy.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace lumenscribe;
using Fault = FaultyFileSystem::Fault;
using Operation = FaultyFileSystem::Operation;

Q_DECLARE_METATYPE(Fault)

namespace {

class RecordingProxy : public StatusProxy
{
public:
    QStringList alerts;

    void showAlertPanel(const QString& message) override { alerts.append(message); }
    void closeFIW() override {}
    void openFIW() override {}
    void ciwWithFile(const QString&, const QString&, Instant) override {}
    void closeCIW() override {}
    void openCIW() override {}
    QString fiwMakeFolderName() override { return {}; }
    void refreshCounters() override {}
    void makeInfoWindowCloseTimer() override {}
    void setNIWDoubleValue(double) override {}
    void setNIWMaxValue(double) override {}
    void setNIWInfo(const QString&) override {}
};

QString moveAlert(const QString& source, const QString& target)
{
    return LocalizedStrings::shared().format(QStringLiteral("AlertPanelFileMove"), {source, target});
}

// Each alert ends in the system's reason, in brackets, once.
QStringList withoutReason(const QStringList& alerts)
{
    QStringList texts;
    for (const QString& alert : alerts) {
        const qsizetype open = alert.lastIndexOf(QStringLiteral(" ("));
        texts.append(alert.endsWith(u')') && open > 0 && alert.count(u'(') == 1
                         ? alert.left(open)
                         : alert + QStringLiteral(" [no reason]"));
    }
    return texts;
}

QString attributeAlert(const QString& key, const QString& target)
{
    return LocalizedStrings::shared().format(key, {target});
}

// Raw descriptors rather than QFile: QFile would turn a Latin-1 byte into U+FFFD.
void writeFile(const QString& path, const QByteArray& content)
{
    const int fd = ::open(FileSystem::encodePath(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
    ::close(fd);
}

void appendToFile(const QString& path, const QByteArray& content)
{
    const int fd = ::open(FileSystem::encodePath(path).constData(), O_WRONLY | O_APPEND);
    if (fd >= 0 && ::write(fd, content.constData(), size_t(content.size())) >= 0)
        ::close(fd);
}

// A null QByteArray when nothing can be read there.
QByteArray readFile(const QString& path)
{
    const int fd = ::open(FileSystem::encodePath(path).constData(), O_RDONLY);
    if (fd < 0)
        return {};
    QByteArray content("");
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        content.append(buffer, n);
    ::close(fd);
    return content;
}

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(4711);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QStringList leftovers(const QString& folder)
{
    QStringList names;
    FileSystem::real().listFolder(folder, names);
    return names.filter(QStringLiteral(".lumenscribe-"));
}

// QTemporaryDir lists names through QString and cannot remove a Latin-1 one.
void removeTree(const QString& path)
{
    QStringList names;
    FileSystem::real().listFolder(path, names);
    for (const QString& name : std::as_const(names)) {
        const QString child = path + u'/' + name;
        if (FileSystem::real().unlink(child))
            removeTree(child);
    }
    FileSystem::real().rmdir(path);
}

FileStatus statusOf(const QString& path)
{
    FileStatus status;
    FileSystem::real().status(path, status, FileSystem::Links::Keep);
    return status;
}

constexpr quint32 kCreator = 0x4C6D5363; // 'LmSc'
const FileTime kSourceTime{1000000000, 123456789};

} // namespace

class TestFileMover : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void movesTheFile_data();
    void movesTheFile();
    void refusesATakenTarget_data();
    void refusesATakenTarget();
    void missingSource();
    void targetAppearingInARaceIsKept_data();
    void targetAppearingInARaceIsKept();
    void failedStepLeavesTheSource_data();
    void failedStepLeavesTheSource();
    void unlinkReportingFailureAfterDoingIt_data();
    void unlinkReportingFailureAfterDoingIt();
    void sourceChangingDuringTheCopy_data();
    void sourceChangingDuringTheCopy();
    void creatorCodeKeepsTheFinderInfo_data();
    void creatorCodeKeepsTheFinderInfo();
    void attributeFailuresAreAlertedButTheFileMoves_data();
    void attributeFailuresAreAlertedButTheFileMoves();
    void creationDateSetsTheModificationTime_data();
    void creationDateSetsTheModificationTime();
    void withoutNoReplaceOrLinks_data();
    void withoutNoReplaceOrLinks();
    void acrossDevicesKeepsWhatTheFileWas();
    void interruptedCopyIsResolved_data();
    void interruptedCopyIsResolved();

private:
    // A source file with known content, permissions and times.
    QString makeSource(const QByteArray& name, const QByteArray& content);
    bool moveAndReport(FileSystem& fileSystem, const QString& source, const QString& target, OptionalInstant date,
                       MoveOptions options);
    bool move(FileSystem& fileSystem, const QString& target, OptionalInstant date = std::nullopt,
              MoveOptions options = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_source;
    QByteArray m_content;
    RecordingProxy m_proxy;
    QStringList m_processed;
};

void TestFileMover::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkdir(m_dir->filePath(QStringLiteral("out"))));
    m_proxy.alerts.clear();
    m_processed.clear();
    m_content = randomBytes(3 * 1024 * 1024 + 17); // several copy chunks, an odd tail
    m_source = makeSource("IMG_0001.JPG", m_content);
}

void TestFileMover::cleanup()
{
    removeTree(m_dir->path());
}

QString TestFileMover::makeSource(const QByteArray& name, const QByteArray& content)
{
    const QString path = m_dir->path() + u'/' + FileSystem::decodePath(name);
    writeFile(path, content);
    FileSystem::real().chmod(path, 0640);
    FileSystem::real().setTimes(path, kSourceTime, kSourceTime);
    return path;
}

// As the run does it: the outcome becomes alerts, a moved file is processed.
bool TestFileMover::moveAndReport(FileSystem& fileSystem, const QString& source, const QString& target,
                                  OptionalInstant date, MoveOptions options)
{
    const MoveOutcome outcome = FileMover(fileSystem).moveFile(source, target, date, options);
    m_proxy.alerts += MoveReport::alerts(outcome, source, target);
    if (outcome.moved())
        m_processed.append(target);
    return outcome.moved();
}

bool TestFileMover::move(FileSystem& fileSystem, const QString& target, OptionalInstant date, MoveOptions options)
{
    return moveAndReport(fileSystem, m_source, target, date, options);
}

void TestFileMover::movesTheFile_data()
{
    QTest::addColumn<QByteArray>("sourceName");
    QTest::addColumn<QByteArray>("targetName");
    QTest::addColumn<int>("renameError"); // what the first rename answers instead

    const QByteArray latin1("caf\xe9.jpg");
    const QByteArray newline("two\nlines.jpg");
    QTest::newRow("same folder") << QByteArray("IMG_0001.JPG") << QByteArray("2024.jpg") << 0;
    QTest::newRow("other folder") << QByteArray("IMG_0001.JPG") << QByteArray("out/2024.jpg") << 0;
    QTest::newRow("Latin-1 name") << latin1 << QByteArray("out/caf\xe9 2.jpg") << 0;
    QTest::newRow("newline in name") << newline << QByteArray("out/new\nline.jpg") << 0;
    QTest::newRow("flag refused: EINVAL") << QByteArray("IMG_0001.JPG") << QByteArray("2024.jpg") << EINVAL;
    QTest::newRow("flag refused: ENOSYS") << latin1 << QByteArray("out/\xe9.jpg") << ENOSYS;
    QTest::newRow("across devices") << QByteArray("IMG_0001.JPG") << QByteArray("out/2024.jpg") << EXDEV;
    QTest::newRow("across devices, Latin-1") << latin1 << QByteArray("out/caf\xe9 2.jpg") << EXDEV;
    QTest::newRow("across devices, newline") << newline << QByteArray("out/a\nb.jpg") << EXDEV;
}

void TestFileMover::movesTheFile()
{
    QFETCH(QByteArray, sourceName);
    QFETCH(QByteArray, targetName);
    QFETCH(int, renameError);
    m_source = makeSource(sourceName, m_content);
    const QString target = m_dir->path() + u'/' + FileSystem::decodePath(targetName);
    FaultyFileSystem fileSystem;
    if (renameError)
        fileSystem.fail(Operation::RenameNoReplace, 1, renameError);

    QVERIFY(move(fileSystem, target));
    QVERIFY(m_proxy.alerts.isEmpty());
    QCOMPARE(m_processed, QStringList{target});
    QVERIFY(readFile(m_source).isNull());
    const QByteArray rawTarget = m_dir->path().toUtf8() + '/' + targetName;
    QCOMPARE(readFile(FileSystem::decodePath(rawTarget)), m_content);
    const FileStatus moved = statusOf(target);
    QCOMPARE(moved.permissions(), 0640u);
    QCOMPARE(moved.modificationTime, kSourceTime);
    QVERIFY(leftovers(m_dir->filePath(QStringLiteral("out"))).isEmpty());
    QVERIFY(leftovers(m_dir->path()).isEmpty());
    QVERIFY(fileSystem.openDescriptors.isEmpty());
}

void TestFileMover::refusesATakenTarget_data()
{
    QTest::addColumn<QString>("taken"); // what lies at the target
    QTest::addColumn<int>("renameError");
    QTest::newRow("another file") << QStringLiteral("file") << 0;
    QTest::newRow("another file, link fallback") << QStringLiteral("file") << EINVAL;
    QTest::newRow("another file, across devices") << QStringLiteral("file") << EXDEV;
    QTest::newRow("the source itself") << QStringLiteral("source") << 0;
    QTest::newRow("the source itself, link fallback") << QStringLiteral("source") << EINVAL;
    QTest::newRow("a folder") << QStringLiteral("folder") << 0;
    QTest::newRow("a dangling link") << QStringLiteral("link") << 0;
}

void TestFileMover::refusesATakenTarget()
{
    QFETCH(QString, taken);
    QFETCH(int, renameError);
    QString target = m_dir->filePath(QStringLiteral("out/taken.jpg"));
    if (taken == u"file")
        writeFile(target, "theirs");
    else if (taken == u"source")
        target = m_source;
    else if (taken == u"folder")
        QVERIFY(QDir().mkdir(target));
    else
        QCOMPARE(::symlink("nowhere", FileSystem::encodePath(target).constData()), 0);
    FaultyFileSystem fileSystem;
    if (renameError)
        fileSystem.fail(Operation::RenameNoReplace, 1, renameError);

    QVERIFY(!move(fileSystem, target));
    QCOMPARE(withoutReason(m_proxy.alerts), QStringList{moveAlert(m_source, target)});
    QVERIFY(m_processed.isEmpty());
    QCOMPARE(readFile(m_source), m_content);
    if (taken == u"file")
        QCOMPARE(readFile(target), QByteArray("theirs"));
    else if (taken == u"folder")
        QVERIFY(statusOf(target).isFolder());
    else if (taken == u"link")
        QVERIFY(S_ISLNK(statusOf(target).mode));
    QVERIFY(leftovers(m_dir->filePath(QStringLiteral("out"))).isEmpty());
}

void TestFileMover::missingSource()
{
    FaultyFileSystem fileSystem;
    const QString missing = m_dir->filePath(QStringLiteral("gone.jpg"));
    const QString target = m_dir->filePath(QStringLiteral("out/2024.jpg"));
    QVERIFY(!moveAndReport(fileSystem, missing, target, 1.0e9, {true, kCreator}));
    QCOMPARE(withoutReason(m_proxy.alerts), QStringList{moveAlert(missing, target)});
    QVERIFY(m_processed.isEmpty());
    QVERIFY(!FileSystem::real().exists(target));
}

void TestFileMover::targetAppearingInARaceIsKept_data()
{
    QTest::addColumn<int>("trigger"); // the operation before which the target appears
    QTest::addColumn<QList<Fault>>("faults");
    QTest::newRow("rename") << int(Operation::RenameNoReplace) << QList<Fault>{};
    QTest::newRow("link fallback") << int(Operation::Link) << QList<Fault>{{Operation::RenameNoReplace, 1, EINVAL}};
    QTest::newRow("across devices, while copying")
        << int(Operation::Fsync) << QList<Fault>{{Operation::RenameNoReplace, 1, EXDEV}};
    QTest::newRow("across devices, link fallback")
        << int(Operation::Link)
        << QList<Fault>{{Operation::RenameNoReplace, 1, EXDEV}, {Operation::RenameNoReplace, 2, EINVAL}};
}

void TestFileMover::targetAppearingInARaceIsKept()
{
    QFETCH(int, trigger);
    QFETCH(QList<Fault>, faults);
    const QString target = m_dir->filePath(QStringLiteral("out/2024.jpg"));
    FaultyFileSystem fileSystem;
    fileSystem.faults = faults;
    fileSystem.beforeCall = [&](Operation operation, const QString&) {
        if (operation == trigger && !FileSystem::real().exists(target))
            writeFile(target, "theirs");
    };

    QVERIFY(!move(fileSystem, target));
    QCOMPARE(readFile(target), QByteArray("theirs"));
    QCOMPARE(readFile(m_source), m_content);
    QCOMPARE(withoutReason(m_proxy.alerts), QStringList{moveAlert(m_source, target)});
    QVERIFY(leftovers(m_dir->filePath(QStringLiteral("out"))).isEmpty());
    QVERIFY(fileSystem.openDescriptors.isEmpty());
}

void TestFileMover::failedStepLeavesTheSource_data()
{
    QTest::addColumn<QList<Fault>>("faults");
    const Fault acrossDevices{Operation::RenameNoReplace, 1, EXDEV};
    const Fault flagRefused{Operation::RenameNoReplace, 1, EINVAL};
    QTest::newRow("rename fails") << QList<Fault>{{Operation::RenameNoReplace, 1, EIO}};
    QTest::newRow("link fallback: link refused") << QList<Fault>{flagRefused, {Operation::Link, 1, EACCES}};
    QTest::newRow("link fallback: source not removable") << QList<Fault>{flagRefused, {Operation::Unlink, 1, EROFS}};
    // Each step of a copy across devices failing is swept, call by call,
    // in tst_faultsweep; here the fallbacks that the sweep does not reach.
    QTest::newRow("final link refused") << QList<Fault>{
        acrossDevices, {Operation::RenameNoReplace, 2, ENOSYS}, {Operation::Link, 1, EACCES}};
    QTest::newRow("final link, temporary not removable")
        << QList<Fault>{acrossDevices, {Operation::RenameNoReplace, 2, EINVAL}, {Operation::Unlink, 1, EIO}};
}

void TestFileMover::failedStepLeavesTheSource()
{
    QFETCH(QList<Fault>, faults);
    const QString target = m_dir->filePath(QStringLiteral("out/2024.jpg"));
    FaultyFileSystem fileSystem;
    fileSystem.faults = faults;

    QVERIFY(!move(fileSystem, target, 1.5e9, {true, kCreator}));
    QCOMPARE(withoutReason(m_proxy.alerts), QStringList{moveAlert(m_source, target)});
    QVERIFY(m_processed.isEmpty());
    QCOMPARE(readFile(m_source), m_content);
    QCOMPARE(statusOf(m_source).modificationTime, kSourceTime);
    QVERIFY(!FileSystem::real().exists(target));
    QCOMPARE(leftovers(m_dir->filePath(QStringLiteral("out"))), QStringList{});
    QVERIFY(fileSystem.openDescriptors.isEmpty());
}

void TestFileMover::unlinkReportingFailureAfterDoingIt_data()
{
    QTest::addColumn<int>("renameError");
    QTest::newRow("link fallback") << EINVAL;
    QTest::newRow("across devices") << EXDEV;
}

// The source is gone although its removal was reported as failed: undoing
// the move now would leave the file under no name at all.
void TestFileMover::unlinkReportingFailureAfterDoingIt()
{
    QFETCH(int, renameError);
    const QString target = m_dir->filePath(QStringLiteral("out/2024.jpg"));
    FaultyFileSystem fileSystem;
    fileSystem.fail(Operation::RenameNoReplace, 1, renameError);
    fileSystem.fail(Operation::Unlink, 1, EIO, true);

    QVERIFY(move(fileSystem, target));
    QCOMPARE(readFile(target), m_content);
    QVERIFY(!FileSystem::real().exists(m_source));
    QVERIFY(m_proxy.alerts.isEmpty());
    QCOMPARE(m_processed, QStringList{target});
}

void TestFileMover::sourceChangingDuringTheCopy_data()
{
    // The source grows just before the nth call of this operation.
    QTest::addColumn<int>("trigger");
    QTest::addColumn<int>("nth");
    QTest::newRow("while it is copied") << int(Operation::Write) << 2;
    QTest::newRow("after it was copied") << int(Operation::Fsync) << 1;
    QTest::newRow("after the copy was placed") << int(Operation::Open) << 3;
}

void TestFileMover::sourceChangingDuringTheCopy()
{
    QFETCH(int, trigger);
    QFETCH(int, nth);
    const QString target = m_dir->filePath(QStringLiteral("out/2024.jpg"));
    FaultyFileSystem fileSystem;
    fileSystem.fail(Operation::RenameNoReplace, 1, EXDEV);
    fileSystem.beforeCall = [&](Operation operation, const QString&) {
        if (operation == trigger && fileSystem.calls.value(operation) == nth - 1)
            appendToFile(m_source, "more");
    };

    QVERIFY(!move(fileSystem, target));
    QCOMPARE(readFile(m_source), m_content + "more");
    QVERIFY(!FileSystem::real().exists(target));
    QCOMPARE(leftovers(m_dir->filePath(QStringLiteral("out"))), QStringList{});
}

void TestFileMover::creatorCodeKeepsTheFinderInfo_data()
{
    QTest::addColumn<QByteArray>("existing"); // null: no attribute yet
    QTest::addColumn<QByteArray>("expected");
    const QByteArray zeros(24, '\0');
    QByteArray info;
    for (int i = 0; i < 32; ++i)
        info.append(char('A' + i));
    QTest::newRow("no attribute yet") << QByteArray() << QByteArray(4, '\0') + "LmSc" + zeros;
    QTest::newRow("type and flags kept") << info << info.left(4) + "LmSc" + info.mid(8);
    QTest::newRow("short attribute mended") << QByteArray("JPEGxx") << "JPEGLmSc" + zeros;
}

void TestFileMover::creatorCodeKeepsTheFinderInfo()
{
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, expected);
    const QByteArray name("user.com.apple.FinderInfo");
    const std::error_code probe = FileSystem::real().setAttribute(m_source, "user.lumenscribe.probe", "1");
    if (probe == std::errc::not_supported || probe == std::errc::operation_not_supported ||
        probe == std::errc::operation_not_permitted)
        QSKIP("the temporary folder keeps no user attributes");
    if (!existing.isNull())
        QCOMPARE(FileSystem::real().setAttribute(m_source, name, existing), std::error_code());
    const QString target = m_dir->filePath(QStringLiteral("2024.jpg"));
    FaultyFileSystem fileSystem;

    QVERIFY(move(fileSystem, target, std::nullopt, {true, kCreator}));
    QVERIFY(m_proxy.alerts.isEmpty());
    QByteArray info;
    QCOMPARE(FileSystem::real().getAttribute(target, name, info), std::error_code());
    QCOMPARE(info, expected);
}

void TestFileMover::attributeFailuresAreAlertedButTheFileMoves_data()
{
    QTest::addColumn<QList<Fault>>("faults");
    QTest::addColumn<bool>("creator");
    QTest::addColumn<QStringList>("alertKeys");
    const QString creatorAlert = QStringLiteral("AlertPanelFileCreatorCodeError");
    const QString dateAlert = QStringLiteral("AlertPanelFileCreationDateError");
    QTest::newRow("no user attributes") << QList<Fault>{{Operation::GetAttribute, 1, ENOTSUP}} << true
                                        << QStringList{creatorAlert};
    QTest::newRow("attribute refused") << QList<Fault>{{Operation::SetAttribute, 1, ENOTSUP}} << true
                                       << QStringList{creatorAlert};
    QTest::newRow("date refused") << QList<Fault>{{Operation::SetTimes, 1, EPERM}} << false << QStringList{dateAlert};
    QTest::newRow("both refused") << QList<Fault>{{Operation::GetAttribute, 1, ENOTSUP},
                                                  {Operation::SetTimes, 1, EROFS}}
                                  << true << QStringList{creatorAlert, dateAlert};
    QTest::newRow("across devices, no user attributes")
        << QList<Fault>{{Operation::RenameNoReplace, 1, EXDEV}, {Operation::GetAttribute, 1, ENOTSUP}} << true
        << QStringList{creatorAlert};
}

void TestFileMover::attributeFailuresAreAlertedButTheFileMoves()
{
    QFETCH(QList<Fault>, faults);
    QFETCH(bool, creator);
    QFETCH(QStringList, alertKeys);
    const QString target = m_dir->filePath(QStringLiteral("out/2024.jpg"));
    FaultyFileSystem fileSystem;
    fileSystem.faults = faults;
    const Instant date = 1262347200.0;

    QVERIFY(move(fileSystem, target, date, {creator, kCreator}));
    QStringList expected;
    for (const QString& key : alertKeys)
        expected.append(attributeAlert(key, target));
    QCOMPARE(withoutReason(m_proxy.alerts), expected);
    QCOMPARE(m_processed, QStringList{target});
    QCOMPARE(readFile(target), m_content);
    const bool dateRefused = alertKeys.contains(QStringLiteral("AlertPanelFileCreationDateError"));
    const FileTime dateTime{qint64(date), 0};
    QCOMPARE(statusOf(target).modificationTime, dateRefused ? kSourceTime : dateTime);
}

void TestFileMover::creationDateSetsTheModificationTime_data()
{
    QTest::addColumn<OptionalInstant>("date");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<int>("nanoseconds");
    QTest::addColumn<bool>("refused");
    QTest::newRow("none: untouched") << OptionalInstant() << kSourceTime.seconds << kSourceTime.nanoseconds << false;
    QTest::newRow("with a fraction") << OptionalInstant(1262347200.25) << qint64(1262347200) << 250000000 << false;
    QTest::newRow("before 1970") << OptionalInstant(-86400.5) << qint64(-86401) << 500000000 << false;
    QTest::newRow("not a number") << OptionalInstant(std::nan("")) << kSourceTime.seconds << kSourceTime.nanoseconds
                                  << true;
}

void TestFileMover::creationDateSetsTheModificationTime()
{
    QFETCH(OptionalInstant, date);
    QFETCH(qint64, seconds);
    QFETCH(int, nanoseconds);
    QFETCH(bool, refused);
    const QString target = m_dir->filePath(QStringLiteral("2024.jpg"));
    FaultyFileSystem fileSystem;

    QVERIFY(move(fileSystem, target, date));
    const QStringList alerts{attributeAlert(QStringLiteral("AlertPanelFileCreationDateError"), target)};
    QCOMPARE(withoutReason(m_proxy.alerts), refused ? alerts : QStringList{});
    const FileStatus moved = statusOf(target);
    QCOMPARE(moved.modificationTime, (FileTime{seconds, nanoseconds}));
    QCOMPARE(moved.accessTime, kSourceTime);
}

// FAT and exFAT through FUSE, some shares: neither the no-replace rename
// nor links. An exclusive placeholder holds the name for the plain rename.
void TestFileMover::withoutNoReplaceOrLinks_data()
{
    QTest::addColumn<int>("linkError");
    QTest::addColumn<bool>("taken");
    QTest::newRow("links refused (EPERM)") << EPERM << false;
    QTest::newRow("links missing (ENOSYS)") << ENOSYS << false;
    QTest::newRow("target taken") << EPERM << true;
}

void TestFileMover::withoutNoReplaceOrLinks()
{
    QFETCH(int, linkError);
    QFETCH(bool, taken);
    const QString target = m_dir->filePath(QStringLiteral("out/2024.jpg"));
    if (taken)
        writeFile(target, "theirs");
    FaultyFileSystem fileSystem;
    fileSystem.fail(Operation::RenameNoReplace, 1, EINVAL);
    fileSystem.fail(Operation::Link, 1, linkError);

    QCOMPARE(move(fileSystem, target), !taken);
    QCOMPARE(readFile(target), taken ? QByteArray("theirs") : m_content);
    QCOMPARE(readFile(m_source).isNull(), !taken);
    QCOMPARE(fileSystem.calls.value(Operation::Rename), taken ? 0 : 1);
    if (taken) {
        // Once, with the system's reason.
        QCOMPARE(m_proxy.alerts.size(), 1);
        QVERIFY(m_proxy.alerts.first().endsWith(QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(strerror(EEXIST)))));
    }
    QVERIFY(leftovers(m_dir->filePath(QStringLiteral("out"))).isEmpty());
    QVERIFY(fileSystem.openDescriptors.isEmpty());
}

// /dev/shm is another file system than the test's folder: the copy keeps
// the mode, the times, the owner and the user attributes.
void TestFileMover::acrossDevicesKeepsWhatTheFileWas()
{
    QTemporaryDir other(QStringLiteral("/dev/shm/lumenscribe-XXXXXX"));
    if (!other.isValid() || statusOf(other.path()).device == statusOf(m_dir->path()).device)
        QSKIP("needs /dev/shm on a file system of its own");
    FileSystem& real = FileSystem::real();
    const QByteArray finderInfo = QByteArray("JPEG8BIM").leftJustified(32, '\0');
    if (real.setAttribute(m_source, "user.com.apple.FinderInfo", finderInfo) ||
        real.setAttribute(other.path(), "user.probe", "1"))
        QSKIP("user attributes not supported here");
    QCOMPARE(real.setAttribute(m_source, "user.xdg.comment", "beach"), std::error_code());
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(real.changeOwner(m_source, 4321, 8765), std::error_code());
    QCOMPARE(real.chmod(m_source, 0604), std::error_code());
    const QString target = other.filePath(QStringLiteral("2024.jpg"));

    QVERIFY(move(real, target));
    const FileStatus moved = statusOf(target); // before a read may touch the access time
    QCOMPARE(readFile(target), m_content);
    QCOMPARE(moved.permissions(), 0604u);
    QCOMPARE(moved.modificationTime, kSourceTime);
    QCOMPARE(moved.accessTime, kSourceTime);
    if (root)
        QCOMPARE((std::pair{moved.owner, moved.group}), (std::pair{4321u, 8765u}));
    QByteArray value;
    QCOMPARE(real.getAttribute(target, "user.com.apple.FinderInfo", value), std::error_code());
    QCOMPARE(value, finderInfo);
    QCOMPARE(real.getAttribute(target, "user.xdg.comment", value), std::error_code());
    QCOMPARE(value, QByteArray("beach"));
    QVERIFY(leftovers(other.path()).isEmpty());
}

// A kill during a copy to another disk leaves the temporary copy, or the
// finished copy beside its source. The next run carries the move through,
// undo takes it back; two files that differ are both kept.
void TestFileMover::interruptedCopyIsResolved_data()
{
    QTest::addColumn<bool>("finished"); // the copy had its final name
    QTest::addColumn<bool>("sameBytes");
    QTest::addColumn<int>("resolve");
    using R = FileMover::Resolve;
    QTest::newRow("temporary left, run") << false << true << int(R::Finish);
    QTest::newRow("temporary left, undo") << false << true << int(R::TakeBack);
    QTest::newRow("both names, run") << true << true << int(R::Finish);
    QTest::newRow("both names, undo") << true << true << int(R::TakeBack);
    QTest::newRow("both names, other bytes") << true << false << int(R::Finish);
}

void TestFileMover::interruptedCopyIsResolved()
{
    QFETCH(bool, finished);
    QFETCH(bool, sameBytes);
    QFETCH(int, resolve);
    QTemporaryDir other(QStringLiteral("/dev/shm/lumenscribe-XXXXXX"));
    if (!other.isValid() || statusOf(other.path()).device == statusOf(m_dir->path()).device)
        QSKIP("needs /dev/shm on a file system of its own");
    const QString target = other.filePath(QStringLiteral("2024.jpg"));
    QByteArray copy = m_content;
    if (!sameBytes)
        copy[1000] = char(copy[1000] ^ 1);
    const QString written = finished ? target : FileMover::temporaryPathFor(target);
    writeFile(written, copy);
    FileSystem::real().setTimes(written, kSourceTime, kSourceTime);

    const bool dropped = FileMover().resolveInterrupted(m_source, target, FileMover::Resolve(resolve));
    QCOMPARE(dropped, finished && sameBytes);
    QVERIFY(leftovers(other.path()).isEmpty());
    const bool sourceKept = !dropped || resolve == int(FileMover::Resolve::TakeBack);
    QCOMPARE(readFile(m_source).isNull(), !sourceKept);
    QCOMPARE(FileSystem::real().exists(target), finished && (!dropped || !sourceKept));
}

QTEST_APPLESS_MAIN(TestFileMover)
#include "tst_filemover.moc"
