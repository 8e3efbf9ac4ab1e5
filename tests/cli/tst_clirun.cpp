// The rename run and the settings commands of the lumenscribe tool, run as a
// script would run them: no terminal on stdin.
#include "CliRunner.h"
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>

using namespace lumenscribe::test;

namespace {

const QString kData = QStringLiteral(LUMENSCRIBE_TESTDATA);

} // namespace

class TestCliRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dryRunPlansInJson();
    void refusesToGuessWithoutATerminal();
    void yesRenamesAndSavesOnlyTheCounters();
    void clashThatCannotBeVariedIsLeft();
    void moveToAndDatedFolder();
    void dryRunStopsWhereTheRealRunStops();
    void outputTellsWhatHappenedToEveryFile();
    void missingPathIsReported();
    void pathThatIsNotUtf8();
    void answersAtThePrompt();
    void configSetAndList();
    void managingCustomStyles();
    void openingRenamedFilesInAnApplication();
    void commandDetails();

private:
    CliResult run(const QStringList& arguments) { return runCli(arguments, m_config); }
    QVariantMap stored() const
    {
        QFile file(m_config);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object().toVariantMap();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
    QString m_card;
};

void TestCliRun::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
    m_card = m_dir->filePath(QStringLiteral("card"));
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_1.JPG"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_card + QStringLiteral("/sub/DSC_2.JPG"));
}

void TestCliRun::dryRunPlansInJson()
{
    const CliResult result = run({"--dry-run", "--json", m_card});
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(lines.first().toUtf8()).object();
    QCOMPARE(first.value("source").toString(), m_card + QStringLiteral("/IMG_1.JPG"));
    QCOMPARE(first.value("target").toString(), m_card + QStringLiteral("/2007-02-22_17-02-42.jpg"));
    QCOMPARE(first.value("date").toString(), QStringLiteral("2007-02-22 17:02:42"));
    QCOMPARE(first.value("date_source").toString(), QStringLiteral("file"));
    QCOMPARE(first.value("action").toString(), QStringLiteral("would-rename"));
    QVERIFY(first.contains("message"));
    QVERIFY(first.value("companions").toArray().isEmpty());
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "sub/DSC_2.JPG"}));
    QVERIFY(!QFile::exists(m_config)); // a plan saves nothing
}

void TestCliRun::refusesToGuessWithoutATerminal()
{
    const CliResult result = run({m_card});
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.err.contains(QStringLiteral("--yes")));
    QVERIFY(result.err.contains(QStringLiteral("--dry-run")));
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "sub/DSC_2.JPG"}));
}

void TestCliRun::yesRenamesAndSavesOnlyTheCounters()
{
    const CliResult result = run({"--yes", "--prefix", "Trip ", "--format", "%P%Q %Y%F", m_card});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(tree(m_card), (QStringList{"Trip 0 2007.jpg", "sub/Trip 1 2004.jpg"}));
    QVERIFY(result.err.contains(QStringLiteral("renamed 2, deleted 0, skipped 0, failed 0")));
    const QVariantMap settings = stored();
    QCOMPARE(settings.value("fileSeqCounter").toInt(), 2);
    QCOMPARE(settings.value("folderSeqCounter").toInt(), 1);
    QCOMPARE(settings.value("prefixString").toString(), QString()); // this run's option only
    QVERIFY(settings.value("fileNameGenerators").toMap().isEmpty());
}

void TestCliRun::clashThatCannotBeVariedIsLeft()
{
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_3.JPG"));
    const CliResult result = run({"--yes", "--json", "--format", "same%F", m_card});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.out.contains(QStringLiteral("\"action\":\"needs-confirmation\"")));
    QCOMPARE(tree(m_card), (QStringList{"IMG_3.JPG", "same.jpg", "sub/same.jpg"}));
    // Nothing changes when the file that carries the name is run again: it
    // is no clash with itself.
    const CliResult again = run({"--yes", "--format", "same%F", m_card + QStringLiteral("/same.jpg")});
    QCOMPARE(again.exitCode, 0);
    QVERIFY(again.out.contains(QStringLiteral("unchanged ")));
    QCOMPARE(tree(m_card), (QStringList{"IMG_3.JPG", "same.jpg", "sub/same.jpg"}));
}

void TestCliRun::moveToAndDatedFolder()
{
    const QString photos = m_dir->filePath(QStringLiteral("photos"));
    QDir().mkpath(photos);
    QCOMPARE(run({"--yes", "--dated-folder", photos, "--folder-style", "3", m_card}).exitCode, 0);
    QCOMPARE(tree(photos),
             (QStringList{"Download 0000/2004-03-30_10-43-46.jpg", "Download 0000/2007-02-22_17-02-42.jpg"}));
    const CliResult again = run({"--yes", "--move-to", m_dir->filePath(QStringLiteral("nowhere")), m_card});
    QCOMPARE(again.exitCode, 2);
    QVERIFY(again.err.contains(QStringLiteral("is not a folder")));
}

void TestCliRun::dryRunStopsWhereTheRealRunStops()
{
    const QString photos = m_dir->filePath(QStringLiteral("photos"));
    QDir().mkpath(photos + QStringLiteral("/Download 0000")); // the dated folder's name is taken
    const QStringList arguments{"--yes", "--dated-folder", photos, "--folder-style", "3", m_card};
    const CliResult plan = run(QStringList{"--dry-run", "--json"} + arguments);
    const CliResult real = run(arguments);
    QCOMPARE(plan.exitCode, 1);
    QCOMPARE(real.exitCode, 1);
    QVERIFY(!plan.out.contains(QStringLiteral("would-rename")));
    QVERIFY2(plan.err.contains(QStringLiteral("needs confirmation")), qPrintable(plan.err));
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "sub/DSC_2.JPG"}));

    // A folder name that is only to be confirmed: --yes confirms it.
    QVERIFY(QDir(photos + QStringLiteral("/Download 0000")).removeRecursively());
    QCOMPARE(run({"config", "set", "downloadPrefixSuffixType", "1"}).exitCode, 0);
    const CliResult planned = run(QStringList{"--dry-run", "--json"} + arguments);
    QCOMPARE(planned.exitCode, 0);
    QCOMPARE(planned.out.count(QStringLiteral("would-rename")), 2);
    QCOMPARE(run(arguments).exitCode, 0);
    QCOMPARE(tree(photos).size(), 2);
}

void TestCliRun::outputTellsWhatHappenedToEveryFile()
{
    QFile::remove(m_card + QStringLiteral("/sub/DSC_2.JPG"));
    QDir().mkpath(m_card + QStringLiteral("/sub"));
    writeFile(m_card + QStringLiteral("/IMG_1.AAE"), "edits");
    writeFile(m_card + QStringLiteral("/IMG_1.xmp"), "rating");
    // Something of the sidecar's new name is there already.
    QDir().mkpath(m_card + QStringLiteral("/2007-02-22_17-02-42.xmp/older"));
    writeFile(m_card + QStringLiteral("/sub/plain.jpg"), QByteArray(64, 'x'));

    const CliResult plan = run({"--dry-run", "--json", m_card});
    const QStringList lines = plan.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QJsonObject photo = QJsonDocument::fromJson(lines.first().toUtf8()).object();
    const QJsonArray companions = photo.value("companions").toArray();
    QCOMPARE(companions.size(), 2);
    QCOMPARE(companions.at(0).toObject().value("action").toString(), QStringLiteral("would-rename"));
    QCOMPARE(companions.at(0).toObject().value("target").toString(),
             m_card + QStringLiteral("/2007-02-22_17-02-42.AAE"));
    QCOMPARE(companions.at(1).toObject().value("action").toString(), QStringLiteral("would-fail"));
    const QJsonObject plain = QJsonDocument::fromJson(lines.last().toUtf8()).object();
    QVERIFY(plain.value("no_capture_date").toBool());

    const CliResult result = run({"--yes", m_card});
    const QString all = result.out + result.err;
    QCOMPARE(result.exitCode, 1); // the sidecar that could not follow
    QVERIFY2(all.contains(QStringLiteral("(2007-02-22 17:02:42, file)")), qPrintable(all));
    QVERIFY(all.contains(QStringLiteral("with ") + m_card + QStringLiteral("/IMG_1.AAE -> 2007-02-22_17-02-42.AAE")));
    QCOMPARE(all.count(QStringLiteral("could not be moved")), 1); // the reason, once
    QVERIFY(all.contains(QStringLiteral("no capture date: named by its file time")));
    QVERIFY(all.contains(QStringLiteral("renamed 2, deleted 0, skipped 0, failed 1, 1 without capture date")));
    QVERIFY(QFileInfo(m_card + QStringLiteral("/2007-02-22_17-02-42.xmp/older")).isDir());
    QCOMPARE(contentOf(m_card + QStringLiteral("/IMG_1.xmp")), QByteArray("rating"));
}

void TestCliRun::missingPathIsReported()
{
    const CliResult result = run({"--yes", m_dir->filePath(QStringLiteral("missing.jpg")), m_card});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(QStringLiteral("missing.jpg: no such file")));
    QCOMPARE(tree(m_card).size(), 2);
}

void TestCliRun::answersAtThePrompt()
{
    // Edit the first name, then rename; skip the second.
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), m_config);
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), m_config + QStringLiteral(".journal"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUMENSCRIBE_CLI_PATH), {QStringLiteral("--ask"), m_card});
    process.write("e\nmy best.jpg\nx\nr\ns\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral("-> 2007-02-22_17-02-42.jpg")), qPrintable(err));
    QVERIFY(err.contains(QStringLiteral("[r]ename, rename [a]ll, [s]kip")));
    QCOMPARE(tree(m_card), (QStringList{"my best.jpg", "sub/DSC_2.JPG"}));
    QCOMPARE(process.exitCode(), 0);
}

void TestCliRun::pathThatIsNotUtf8()
{
    // A Latin-1 name given on the command line keeps its bytes (the shell
    // makes it: QProcess would re-encode the argument).
    const QByteArray folder = QFile::encodeName(m_dir->path());
    QVERIFY(QFile::copy(kData + QStringLiteral("/Canon1DmkIII.jpg"), m_dir->filePath(QStringLiteral("x.jpg"))));
    QVERIFY(::rename((folder + "/x.jpg").constData(), (folder + "/caf\xe9.jpg").constData()) == 0);
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), m_config);
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), m_config + QStringLiteral(".journal"));
    environment.insert(QStringLiteral("TOOL"), QStringLiteral(LUMENSCRIBE_CLI_PATH));
    environment.insert(QStringLiteral("DIR"), m_dir->path());
    shell.setProcessEnvironment(environment);
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("\"$TOOL\" --yes \"$DIR/caf$(printf '\\351').jpg\"")});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 0);
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("2007-02-22_17-02-42.jpg"))));
}

void TestCliRun::configSetAndList()
{
    QCOMPARE(run({"config", "set", "downloadOptions", "4"}).exitCode, 2); // 3 is the folders by day
    QCOMPARE(run({"config", "set", "colour", "red"}).exitCode, 2);
    QCOMPARE(run({"config", "set", "confirmEachFile", "maybe"}).exitCode, 2);
    QCOMPARE(run({"config", "set", "downloadDestionationFolder", "2024"}).exitCode, 0);
    QCOMPARE(run({"config", "set", "confirmEachFile", "false"}).exitCode, 0);
    QCOMPARE(run({"config", "set", "deleteFilesPatterns", "*.tmp,*.db"}).exitCode, 0);
    const CliResult listed = run({"config"});
    QVERIFY(listed.out.contains(QStringLiteral("confirmEachFile = false\n")));
    QVERIFY(listed.out.contains(QStringLiteral("downloadDestionationFolder = 2024\n")));
    QVERIFY(listed.out.contains(QStringLiteral("deleteFilesPatterns = [\"*.tmp\",\"*.db\"]\n")));
    // Without confirming each file, a plain run needs no --yes.
    QCOMPARE(run({m_card}).exitCode, 0);
}

void TestCliRun::managingCustomStyles()
{
    QCOMPARE(run({"styles", "add", "--from", "6", "--set", "counterDigits=2"}).exitCode, 0);
    QCOMPARE(run({"styles", "add", "--format", "%Y%F"}).exitCode, 0);
    QCOMPARE(run({"styles", "set", "7", "counterPrefix=n"}).exitCode, 0);
    QCOMPARE(run({"styles", "set", "6", "counterDigits=2"}).exitCode, 2); // built in
    QCOMPARE(run({"name", "--popup", "--style", "7"}).out, QStringLiteral("Picn01.jpg\n"));
    QCOMPARE(run({"config", "set", "namingStyle", "8"}).exitCode, 0);
    QCOMPARE(run({"styles", "delete", "7"}).exitCode, 0);
    QCOMPARE(run({"styles", "delete", "2"}).exitCode, 2);
    const QVariantMap settings = stored();
    QCOMPARE(settings.value("namingStyle").toInt(), 7); // followed its style
    QCOMPARE(settings.value("fileNameGenerators").toMap().size(), 1);
}

void TestCliRun::openingRenamedFilesInAnApplication()
{
    // A desktop file id, as a Linux desktop names applications.
    const QString log = m_dir->filePath(QStringLiteral("opened.txt"));
    const QString viewer = m_dir->filePath(QStringLiteral("bin/viewer"));
    QDir().mkpath(m_dir->filePath(QStringLiteral("bin")));
    QDir().mkpath(m_dir->filePath(QStringLiteral("share/applications")));
    QFile script(viewer);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor f in \"$@\"; do printf '%s\\n' \"$f\" >> \"" + QFile::encodeName(log) + "\"; done\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    QFile entry(m_dir->filePath(QStringLiteral("share/applications/org.example.Viewer.desktop")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Viewer\nExec=\"" + QFile::encodeName(viewer) + "\" %F\n");
    entry.close();
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("share"))));
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHome); });

    QCOMPARE(run({"config", "set", "openFilesAfterRenaming", "true"}).exitCode, 0);
    QCOMPARE(run({"config", "set", "openFilesApplication", "org.example.Viewer.desktop"}).exitCode, 0);
    QCOMPARE(run({"config", "set", "openFilesApplication", "no.such.App.desktop"}).exitCode, 2);
    QCOMPARE(run({"--yes", m_card}).exitCode, 0);
    QElapsedTimer timer;
    timer.start();
    QFile opened(log);
    while (timer.elapsed() < 10000 && opened.size() < 2 * m_card.size())
        QThread::msleep(20);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(opened.readAll()), m_card + QStringLiteral("/2007-02-22_17-02-42.jpg\n") + m_card +
                                                      QStringLiteral("/sub/2004-03-30_10-43-46.jpg\n"));

    // A program that cannot start is said, not passed over.
    QFile broken(m_dir->filePath(QStringLiteral("bin/broken")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("#!/no/such/interpreter\n");
    broken.close();
    broken.setPermissions(broken.permissions() | QFile::ExeOwner);
    QCOMPARE(run({"config", "set", "openFilesApplication", broken.fileName()}).exitCode, 0);
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_3.JPG"));
    const CliResult failed = run({"--yes", m_card + QStringLiteral("/IMG_3.JPG")});
    QVERIFY2(failed.err.contains(QStringLiteral("could not be opened with ") + broken.fileName()),
             qPrintable(failed.err));
}

void TestCliRun::commandDetails()
{
    // A creator code as four characters or as any 32-bit number.
    QCOMPARE(run({"config", "set", "fileCreatorID", "8BIM"}).exitCode, 0);
    QCOMPARE(stored().value("fileCreatorID").toLongLong(), 0x3842494DLL);
    QCOMPARE(run({"config", "set", "fileCreatorID", "4294967295"}).exitCode, 0);
    QCOMPARE(stored().value("fileCreatorID").toLongLong(), 4294967295LL);
    QCOMPARE(run({"config", "set", "fileCreatorID", "0x54455354"}).exitCode, 0);
    QCOMPARE(stored().value("fileCreatorID").toLongLong(), 0x54455354LL);
    for (const char* wrong : {"4294967296", "ABCDE", "abc", "\u20acabc"})
        QCOMPARE(run({"config", "set", "fileCreatorID", QString::fromUtf8(wrong)}).exitCode, 2);

    // styles --folder lists the folder styles alone.
    const QString folders = run({"styles", "--folder"}).out;
    QVERIFY(folders.contains(QStringLiteral("  folder ")) && !folders.contains(QStringLiteral("  file ")));
    QVERIFY(run({"styles"}).out.contains(QStringLiteral("  file ")));

    // A file format without %F is allowed, with a warning; "%%F" is no %F.
    QVERIFY(
        run({"name", "--format", "%Y%M%D", "--date", "2024-05-06 17:08:09"}).err.contains(QStringLiteral("has no %F")));
    QVERIFY(
        run({"name", "--format", "%Y%%F", "--date", "2024-05-06 17:08:09"}).err.contains(QStringLiteral("has no %F")));
    QVERIFY(run({"name", "--format", "%Y%F", "--date", "2024-05-06 17:08:09"}).err.isEmpty());
    QVERIFY(run({"name", "--folder", "--format", "%Y", "--date", "2024-05-06 17:08:09"}).err.isEmpty());
    const CliResult bare = run({"--yes", "--format", "%Y%M%D_%h%m%s", m_card + QStringLiteral("/IMG_1.JPG")});
    QVERIFY(bare.err.contains(QStringLiteral("has no %F")));
    QVERIFY(QFile::exists(m_card + QStringLiteral("/20070222_170242")));

    // Undo of a run already taken back points to the list of runs.
    QCOMPARE(run({"undo"}).exitCode, 0);
    const CliResult again = run({"undo"});
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.err.contains(QStringLiteral("undo --list")), qPrintable(again.err));
}

QTEST_GUILESS_MAIN(TestCliRun)
#include "tst_clirun.moc"
