// The terminal's questions, answered on standard input (--ask): an edited
// name is what the next prompt shows, Ctrl-C at any question ends the run at
// once and touches nothing, and the reason a name is refused is the true one.
#include "CliRunner.h"
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace lumenscribe::test;

class TestCliPrompt : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void editedNamesAreShown();
    void ctrlCAtAQuestionAbortsAtOnce_data();
    void ctrlCAtAQuestionAbortsAtOnce();
    void refusalSaysTheTrueReason();

private:
    void start(const QStringList& arguments);
    // Waits until the tool has written the text to standard error.
    bool waitForPrompt(const QString& text);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
    QString m_card;
    QProcess m_process;
    QString m_err;
};

void TestCliPrompt::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
    m_card = m_dir->filePath(QStringLiteral("card"));
    m_err.clear();
    copyData(QStringLiteral("Canon1DmkIII.jpg"), m_card + QStringLiteral("/IMG_1.JPG"));
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), m_card + QStringLiteral("/sub/DSC_2.JPG"));
}

void TestCliPrompt::cleanup()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void TestCliPrompt::start(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), m_config);
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), m_config + QStringLiteral(".journal"));
    m_process.setProcessEnvironment(environment);
    m_process.start(QStringLiteral(LUMENSCRIBE_CLI_PATH), QStringList{QStringLiteral("--ask")} + arguments);
    QVERIFY(m_process.waitForStarted());
}

bool TestCliPrompt::waitForPrompt(const QString& text)
{
    QElapsedTimer timer;
    timer.start();
    while (!m_err.contains(text) && timer.elapsed() < 60000 && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(100);
        m_err += QString::fromUtf8(m_process.readAllStandardError());
    }
    return m_err.contains(text);
}

void TestCliPrompt::editedNamesAreShown()
{
    // The file question: the prompt after the edit shows the typed name.
    start({m_card});
    m_process.write("e\nmy best.jpg\n");
    QVERIFY(waitForPrompt(QStringLiteral("-> my best.jpg\n")));
    m_process.write("r\ns\n");
    m_process.closeWriteChannel();
    QVERIFY(m_process.waitForFinished(60000));
    QCOMPARE(tree(m_card), (QStringList{"my best.jpg", "sub/DSC_2.JPG"}));

    // The folder question likewise.
    m_err.clear();
    QCOMPARE(runCli({"config", "set", "downloadPrefixSuffixType", "1"}, m_config).exitCode, 0);
    const QString target = m_dir->filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkpath(target));
    start({QStringLiteral("--dated-folder"), target, m_card});
    m_process.write("e\nTrip\n");
    QVERIFY(waitForPrompt(QStringLiteral("New download folder: Trip\n")));
    m_process.write("b\n");
    m_process.closeWriteChannel();
    QVERIFY(m_process.waitForFinished(60000));
    QVERIFY(QDir(target).isEmpty());
}

void TestCliPrompt::ctrlCAtAQuestionAbortsAtOnce_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("file question") << false << QByteArray() << "[c]orrect the date? ";
    QTest::newRow("new name") << false << QByteArray("e\n") << "New name: ";
    QTest::newRow("date correction") << false << QByteArray("c\n") << "follow: ";
    QTest::newRow("folder question") << true << QByteArray() << "a[b]ort? ";
    QTest::newRow("folder name") << true << QByteArray("e\n") << "Folder name: ";
}

void TestCliPrompt::ctrlCAtAQuestionAbortsAtOnce()
{
    QFETCH(bool, folder);
    QFETCH(QByteArray, typed);
    QFETCH(QString, prompt);
    const QString target = m_dir->filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkpath(target));
    if (folder)
        QCOMPARE(runCli({"config", "set", "downloadPrefixSuffixType", "1"}, m_config).exitCode, 0);
    start(folder ? QStringList{QStringLiteral("--dated-folder"), target, m_card} : QStringList{m_card});
    m_process.write(typed);
    QVERIFY2(waitForPrompt(prompt), qPrintable(m_err));
    // Standard input stays open: only Ctrl-C can end this wait.
    ::kill(static_cast<pid_t>(m_process.processId()), SIGINT);
    QVERIFY2(m_process.waitForFinished(10000), "Ctrl-C did not end the question");
    m_err += QString::fromUtf8(m_process.readAllStandardError());
    QCOMPARE(m_process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_process.exitCode(), 1);
    QVERIFY2(m_err.contains(QStringLiteral("(aborted)")), qPrintable(m_err));
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "sub/DSC_2.JPG"}));
    QVERIFY(QDir(target).isEmpty());
}

void TestCliPrompt::refusalSaysTheTrueReason()
{
    // Too long for the file system, with the 31-character check off.
    start({QStringLiteral("--format"), QString(300, u'x') + QStringLiteral("%F"), m_card});
    m_process.write("s\ns\n");
    m_process.closeWriteChannel();
    QVERIFY(m_process.waitForFinished(60000));
    m_err += QString::fromUtf8(m_process.readAllStandardError());
    QVERIFY2(m_err.contains(QStringLiteral("too long for the file system")), qPrintable(m_err));
    QVERIFY(!m_err.contains(QStringLiteral("31 characters")));

    // With the check on, a 32-character name is refused for that reason.
    m_err.clear();
    QCOMPARE(runCli({"config", "set", "alertOS9NameLength", "true"}, m_config).exitCode, 0);
    start({QStringLiteral("--format"), QString(28, u'y') + QStringLiteral("%F"), m_card});
    m_process.write("s\ns\n");
    m_process.closeWriteChannel();
    QVERIFY(m_process.waitForFinished(60000));
    m_err += QString::fromUtf8(m_process.readAllStandardError());
    QVERIFY2(m_err.contains(QStringLiteral("longer than 31 characters")), qPrintable(m_err));
    QCOMPARE(tree(m_card), (QStringList{"IMG_1.JPG", "sub/DSC_2.JPG"}));
}

QTEST_GUILESS_MAIN(TestCliPrompt)
#include "tst_cliprompt.moc"
