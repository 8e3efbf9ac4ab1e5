// The dry run's file system plans and never touches the disk, and name
// making asks the run's own file system whether a name is free.
#include "RunBench.h"
#include "TestFiles.h"
#include "fs/PlannedFileSystem.h"
#include "fs/PosixFileSystem.h"

#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

// The disk, except that one name is taken.
class OneNameTaken : public PosixFileSystem
{
public:
    QString taken;
    int asked = 0;
    bool nameTaken(const QString& path) override
    {
        ++asked;
        return path == taken || PosixFileSystem::nameTaken(path);
    }
};

} // namespace

class TestPlannedFileSystem : public QObject
{
    Q_OBJECT

private slots:
    void plansAreSeenAndNothingChanges();
    void nameMakingAsksTheRunsFileSystem();
};

void TestPlannedFileSystem::plansAreSeenAndNothingChanges()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.jpg"));
    const QString b = dir.filePath(QStringLiteral("b.jpg"));
    const QString sub = dir.filePath(QStringLiteral("sub"));
    writeFile(a, "photo");
    PlannedFileSystem plan(FileSystem::real());

    QCOMPARE(plan.renameNoReplace(a, b), std::error_code());
    QVERIFY(plan.exists(b) && plan.nameTaken(b));
    QVERIFY(!plan.exists(a) && !plan.nameTaken(a));
    QCOMPARE(plan.renameNoReplace(a, dir.filePath(QStringLiteral("c.jpg"))),
             std::make_error_code(std::errc::no_such_file_or_directory));
    writeFile(dir.filePath(QStringLiteral("d.jpg")), "other");
    QCOMPARE(plan.renameNoReplace(dir.filePath(QStringLiteral("d.jpg")), b),
             std::make_error_code(std::errc::file_exists));
    QCOMPARE(plan.renameNoReplace(b, dir.filePath(QStringLiteral("none/b.jpg"))),
             std::make_error_code(std::errc::no_such_file_or_directory));

    QCOMPARE(plan.mkdir(sub, 0777), std::error_code());
    QCOMPARE(plan.mkdir(sub, 0777), std::make_error_code(std::errc::file_exists));
    QCOMPARE(plan.renameNoReplace(b, sub + QStringLiteral("/b.jpg")), std::error_code());
    QStringList names;
    QCOMPARE(plan.listFolder(dir.path(), names), std::error_code());
    names.sort();
    QCOMPARE(names, (QStringList{"d.jpg", "sub"}));
    QCOMPARE(plan.listFolder(sub, names), std::error_code());
    QCOMPARE(names, QStringList{"b.jpg"});

    QString trashed;
    QCOMPARE(plan.moveToTrash(dir.filePath(QStringLiteral("d.jpg")), trashed), std::error_code());
    QVERIFY(!plan.exists(dir.filePath(QStringLiteral("d.jpg"))));
    int fd = 0;
    QCOMPARE(plan.open(dir.filePath(QStringLiteral("e.jpg")), O_WRONLY | O_CREAT, 0644, fd),
             std::make_error_code(std::errc::read_only_file_system));

    // The disk is as it was.
    QCOMPARE(tree(dir.path(), true), (QStringList{"a.jpg", "d.jpg"}));
    QCOMPARE(contentOf(a), QByteArray("photo"));
}

void TestPlannedFileSystem::nameMakingAsksTheRunsFileSystem()
{
    RunBench bench;
    OneNameTaken fileSystem;
    fileSystem.taken = bench.card() + QStringLiteral("/2007-02-22_17-02-42.jpg");
    bench.controller->setFileSystem(&fileSystem);
    copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/IMG_1.JPG"));
    bench.runOn({bench.card()});
    QCOMPARE(tree(bench.card()), QStringList{"2007-02-22_17-02-43.jpg"});
    QVERIFY(fileSystem.asked > 0);

    // A dry run plans on top of the same file system.
    copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/IMG_2.JPG"));
    bench.controller->setDryRun(true);
    bench.runOn({bench.card() + QStringLiteral("/IMG_2.JPG")});
    QCOMPARE(bench.frontEnd->reports.last().target, bench.card() + QStringLiteral("/2007-02-22_17-02-44.jpg"));
    QCOMPARE(tree(bench.card()), (QStringList{"2007-02-22_17-02-43.jpg", "IMG_2.JPG"}));
    bench.controller->setFileSystem(&FileSystem::real());
}

QTEST_GUILESS_MAIN(TestPlannedFileSystem)
#include "tst_plannedfilesystem.moc"
