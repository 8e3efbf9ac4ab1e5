// Settings and runs when several lumenscribe processes go at once: every
// saved change survives, and only one run or undo goes at a time.
#include "CliRunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>
#include <utime.h>

using namespace lumenscribe::test;

class TestCliSafety : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void thirtyConcurrentChangesAllSurvive();
    void oneRunAtATimeAndSettingsSetMeanwhileSurvive();
    void fullDiskKeepsTheSettingsAndFails();

private:
    CliResult run(const QStringList& arguments) { return runCli(arguments, m_config); }
    void start(QProcess& process, const QStringList& arguments);
    QVariantMap stored() const;
    void makeCard(const QString& folder, int files);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
};

void TestCliSafety::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
}

void TestCliSafety::start(QProcess& process, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), m_config);
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), m_config + QStringLiteral(".journal"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUMENSCRIBE_CLI_PATH), arguments);
    QVERIFY(process.waitForStarted());
}

QVariantMap TestCliSafety::stored() const
{
    QFile file(m_config);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().toVariantMap();
}

void TestCliSafety::makeCard(const QString& folder, int files)
{
    QDir().mkpath(folder);
    for (int i = 0; i < files; ++i) {
        const QString path = folder + QStringLiteral("/IMG_%1.JPG").arg(i);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("photo");
        file.close();
        const time_t when = 1600000000 + i * 60;
        struct utimbuf times
        {
            when, when
        };
        QVERIFY(::utime(QFile::encodeName(path).constData(), &times) == 0);
    }
}

// Each process reads the settings, changes one thing and saves; a save that
// wrote everything it had read would undo the others' changes.
void TestCliSafety::thirtyConcurrentChangesAllSurvive()
{
    QCOMPARE(run({"styles", "add", "--from", "6"}).exitCode, 0);
    const QList<std::pair<QString, QString>> settings{{"prefixSuffixType", "2"},
                                                      {"prefixString", "pre"},
                                                      {"suffixString", "suf"},
                                                      {"downloadOptions", "1"},
                                                      {"downloadDestionationFolder", "/photos"},
                                                      {"downloadPrefixSuffixType", "3"},
                                                      {"fileCreatorIDChange", "true"},
                                                      {"fileCreatorID", "1234"},
                                                      {"changeCreationDate", "true"},
                                                      {"openFilesAfterRenaming", "true"},
                                                      {"deleteFilesOptions", "2"},
                                                      {"deleteFilesPatterns", "*.a,*.b"},
                                                      {"deleteFilesSmallerThankB", "7"},
                                                      {"identicalFileNamesOption", "1"},
                                                      {"fileSeqCounter", "11"},
                                                      {"folderSeqCounter", "12"},
                                                      {"showAdvancedOptions", "true"},
                                                      {"quitAfterAutoProcessing", "false"},
                                                      {"confirmEachFile", "false"},
                                                      {"alertOS9NameLength", "true"},
                                                      {"ciwShowsPreview", "true"},
                                                      {"ciwPrefixSuffixType", "3"},
                                                      {"ciwPrefix", "cp"},
                                                      {"ciwSuffix", "cs"},
                                                      {"fiwPrefixSuffixType", "2"},
                                                      {"fiwPrefix", "fp"},
                                                      {"fiwSuffix", "fs"}};
    const QList<std::pair<QString, QString>> styleFields{
        {"counterPrefix", "n"}, {"counterDigits", "3"}, {"seqCounterDigits", "4"}};
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const auto& [key, value] : settings) {
        processes.push_back(std::make_unique<QProcess>());
        start(*processes.back(), {"config", "set", key, value});
    }
    for (const auto& [key, value] : styleFields) {
        processes.push_back(std::make_unique<QProcess>());
        start(*processes.back(), {"styles", "set", "7", key + u'=' + value});
    }
    QCOMPARE(processes.size(), size_t(30));
    for (const auto& process : processes) {
        QVERIFY(process->waitForFinished(60000));
        QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
    }
    const QVariantMap result = stored();
    for (const auto& [key, value] : settings) {
        const QVariant saved = result.value(key);
        const QString shown =
            saved.typeId() == QMetaType::QVariantList ? saved.toStringList().join(u',') : saved.toString();
        QCOMPARE(shown, value);
    }
    const QVariantMap style = result.value("fileNameGenerators").toMap().value("generator0").toMap();
    for (const auto& [key, value] : styleFields)
        QCOMPARE(style.value(key).toString(), value);
}

void TestCliSafety::oneRunAtATimeAndSettingsSetMeanwhileSurvive()
{
    const QString card = m_dir->filePath(QStringLiteral("card"));
    const QString second = m_dir->filePath(QStringLiteral("second"));
    makeCard(card, 2);
    makeCard(second, 1);
    QProcess first;
    start(first, {"--ask", card});
    QElapsedTimer waited;
    waited.start();
    QByteArray prompt;
    while (!prompt.contains("[r]ename") && waited.elapsed() < 30000) {
        first.waitForReadyRead(100);
        prompt += first.readAllStandardError();
    }
    QVERIFY2(prompt.contains("[r]ename"), prompt.constData());
    const QString holder = QString::number(first.processId());

    const CliResult refused = run({"--yes", second});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(holder), qPrintable(refused.err));
    const CliResult undo = run({"undo"});
    QCOMPARE(undo.exitCode, 1);
    QVERIFY2(undo.err.contains(holder), qPrintable(undo.err));
    QCOMPARE(run({"config", "set", "prefixString", "set during the run"}).exitCode, 0);

    QProcess waiting;
    start(waiting, {"--wait", "--yes", second});
    QVERIFY(!waiting.waitForFinished(1500));
    QCOMPARE(QDir(second).entryList(QDir::Files), QStringList{"IMG_0.JPG"});

    first.write("r\nr\n");
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(waiting.waitForFinished(60000));
    QVERIFY2(waiting.exitCode() == 0, waiting.readAllStandardError().constData());
    QVERIFY(!QDir(second).exists(QStringLiteral("IMG_0.JPG")));
    QCOMPARE(stored().value("prefixString").toString(), QStringLiteral("set during the run"));
}

// On a real, full file system: the old settings stay whole and both a
// "config set" and a run say so in their exit status.
void TestCliSafety::fullDiskKeepsTheSettingsAndFails()
{
    const QString disk = m_dir->filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("needs to mount a small file system (root)");
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH); });
    m_config = disk + QStringLiteral("/settings.json");
    QCOMPARE(run({"config", "set", "prefixString", "old"}).exitCode, 0);
    QFile file(m_config);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    const CliResult set = run({"config", "set", "prefixString", "new"});
    QCOMPARE(set.exitCode, 1);
    QVERIFY2(set.err.contains(QStringLiteral("could not be saved")), qPrintable(set.err));
    const QString card = m_dir->filePath(QStringLiteral("card"));
    makeCard(card, 1);
    const CliResult renamed = run({"--yes", card});
    QCOMPARE(renamed.exitCode, 1);
    QVERIFY2(renamed.err.contains(QStringLiteral("could not be saved")), qPrintable(renamed.err));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(disk).entryList(QDir::Files),
             (QStringList{"filler", "run.lock", "settings.json", "settings.json.lock"}));
}

QTEST_GUILESS_MAIN(TestCliSafety)
#include "tst_clisafety.moc"
