// Every single file-system call of a run fails once, in turn, with the error
// a real disk gives. After each: every file is there exactly once (under its
// old name, its new one, or in the trash), a file left behind was reported,
// and undo brings the card back as it was.
#include "FaultyFileSystem.h"
#include "ScriptedFrontEnd.h"
#include "controllers/MainController.h"
#include "fs/FileSystem.h"
#include "fs/TrashCan.h"
#include "journal/JournalStore.h"
#include "journal/UndoRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <cerrno>

using namespace lumenscribe;
using Op = FaultyFileSystem::Operation;

namespace {

const QString kData = QStringLiteral(LUMENSCRIBE_TESTDATA);

// The card and the photo folder as two file systems: renames and links
// from one to the other answer EXDEV, as they would.
class TwoDevices : public FaultyFileSystem
{
public:
    QString card;
    QString photos;
    bool split = false;

    std::error_code renameNoReplace(const QString& from, const QString& to) override
    {
        if (split && from.startsWith(card) && to.startsWith(photos))
            return errorFrom(EXDEV);
        return FaultyFileSystem::renameNoReplace(from, to);
    }
    std::error_code link(const QString& existing, const QString& newPath) override
    {
        if (split && existing.startsWith(card) && newPath.startsWith(photos))
            return errorFrom(EXDEV);
        return FaultyFileSystem::link(existing, newPath);
    }
};

// Content of every file below the folders, by content.
QHash<QByteArray, int> census(const QStringList& folders, const QByteArray& marker)
{
    QHash<QByteArray, int> count;
    for (const QString& folder : folders) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly)) {
                const QByteArray content = file.readAll();
                if (content.contains(marker))
                    ++count[content];
            }
        }
    }
    return count;
}

} // namespace

class TestFaultSweep : public QObject
{
    Q_OBJECT

private slots:
    void everyCallFailsOnce_data();
    void everyCallFailsOnce();

private:
    struct Outcome
    {
        QMap<Op, int> calls;
        QStringList alerts;
        bool leftBehind = false;
    };
    Outcome runWith(const QList<FaultyFileSystem::Fault>& faults, bool acrossDevices, const QString& root);
};

void TestFaultSweep::everyCallFailsOnce_data()
{
    QTest::addColumn<bool>("acrossDevices");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("error");
    const QList<std::pair<Op, int>> faults{
        {Op::Status, EIO},         {Op::RenameNoReplace, EROFS},
        {Op::Link, EPERM},         {Op::Unlink, EROFS},
        {Op::Open, EACCES},        {Op::Read, EIO},
        {Op::Write, ENOSPC},       {Op::Fsync, EIO},
        {Op::Close, EIO},          {Op::SetTimes, EPERM},
        {Op::Chmod, EPERM},        {Op::Mkdir, EROFS},
        {Op::MoveToTrash, EIO},    {Op::ListFolder, EACCES},
        {Op::GetAttribute, EIO},   {Op::SetAttribute, ENOTSUP},
        {Op::ListAttributes, EIO}, {Op::ChangeOwner, EIO},
    };
    for (const bool across : {false, true}) {
        for (const auto& [operation, error] : faults) {
            QTest::addRow("%s op %d errno %d", across ? "copy" : "rename", int(operation), error)
                << across << int(operation) << error;
        }
    }
}

void TestFaultSweep::everyCallFailsOnce()
{
    QFETCH(bool, acrossDevices);
    QFETCH(int, operation);
    QFETCH(int, error);
    // A clean run first, to learn how many calls of this kind a run makes.
    QTemporaryDir cleanRoot;
    const Outcome clean = runWith({}, acrossDevices, cleanRoot.path());
    QVERIFY(clean.alerts.isEmpty());
    const int calls = clean.calls.value(Op(operation));
    for (int nth = 1; nth <= calls; ++nth) {
        QTemporaryDir root;
        const Outcome outcome = runWith({{Op(operation), nth, error, false}}, acrossDevices, root.path());
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("call %1 of %2").arg(nth).arg(calls)));
        if (outcome.leftBehind)
            QVERIFY2(!outcome.alerts.isEmpty(), qPrintable(QStringLiteral("silent at call %1").arg(nth)));
    }
}

TestFaultSweep::Outcome TestFaultSweep::runWith(const QList<FaultyFileSystem::Fault>& faults, bool acrossDevices,
                                                const QString& root)
{
    const QString card = root + QStringLiteral("/card");
    const QString photos = root + QStringLiteral("/photos");
    // A trash of this run's own: the suite runs each test twice at once.
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/share")));
    QDir().mkpath(card);
    QDir().mkpath(photos);
    const QByteArray marker = QUuid::createUuid().toByteArray();
    const QStringList names{"IMG_1.JPG", "IMG_2.JPG", "junk.gif"};
    const QStringList sources{"Canon1DmkIII.jpg", "exiv2-nikon-d70.jpg", "Canon1DmkIII.jpg"};
    QHash<QByteArray, QString> original;
    for (int i = 0; i < names.size(); ++i) {
        QFile in(kData + u'/' + sources[i]);
        in.open(QIODevice::ReadOnly);
        const QByteArray content = in.readAll() + marker + names[i].toLatin1();
        QFile out(card + u'/' + names[i]);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        original.insert(content, names[i]);
    }

    TwoDevices fileSystem;
    fileSystem.faults = faults;
    fileSystem.card = card + u'/';
    fileSystem.photos = photos + u'/';
    fileSystem.split = acrossDevices;
    MainController controller{PreferencesStore(root + QStringLiteral("/s.json"))};
    controller.initApplication();
    controller.setConfirmEachFile(false);
    controller.setDeleteFilesOptions(1);
    controller.setDownloadOptions(1);
    controller.setDownloadDestinationFolder(photos);
    controller.setFileCreatorIDChange(true);
    controller.setFileCreatorID(0x4c6d5363);
    controller.setChangeCreationDate(true);
    controller.setJournalFolder(root + QStringLiteral("/journals"));
    controller.setFileSystem(&fileSystem);
    test::ScriptedFrontEnd frontEnd(controller);
    controller.applicationOpenFiles({card});
    controller.waitForRun();

    Outcome outcome;
    outcome.calls = fileSystem.calls;
    outcome.alerts = frontEnd.alerts;
    // Exactly once, wherever it is; no half-made copies left about.
    const QHash<QByteArray, int> found = census({card, photos, TrashCan::homeTrash()}, marker);
    [&] {
        for (auto it = original.cbegin(); it != original.cend(); ++it)
            QCOMPARE(found.value(it.key()), 1);
        QCOMPARE(found.size(), original.size());
        QVERIFY(QDir(photos).entryList({QStringLiteral(".lumenscribe-*")}, QDir::Files | QDir::Hidden).isEmpty());
    }();
    outcome.leftBehind = !QDir(card).entryList(QDir::Files).isEmpty();
    [&] { QVERIFY(fileSystem.openDescriptors.isEmpty()); }();

    // Undo puts the card back as it was.
    const QString journal = JournalStore(root + QStringLiteral("/journals")).pathForId(QString());
    if (!journal.isEmpty())
        UndoRun(FileSystem::real()).undo(journal, false);
    const QStringList back = QDir(card).entryList(QDir::Files, QDir::Name);
    if (back != names)
        qWarning() << "after undo" << back << outcome.alerts;
    [&] { QCOMPARE(back, names); }();
    return outcome;
}

QTEST_GUILESS_MAIN(TestFaultSweep)
#include "tst_faultsweep.moc"
