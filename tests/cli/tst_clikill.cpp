// A run killed part way loses nothing, and undo brings every file back.
#include "CliRunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <utime.h>

using namespace lumenscribe::test;

class TestCliKill : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void killedRunLosesNothingAndUndoes();
    void ctrlCStopsBeforeTheNextFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_card;
    QString m_config;
    QProcess m_process;
};

namespace {

constexpr int kFiles = 5000;

int journalLines(const QString& folder)
{
    const QStringList journals = QDir(folder).entryList({QStringLiteral("*.journal")}, QDir::Files);
    if (journals.isEmpty())
        return 0;
    QFile file(folder + u'/' + journals.first());
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
}

// Content -> the names it is found under.
QHash<QByteArray, QStringList> contents(const QString& folder)
{
    QHash<QByteArray, QStringList> found;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(folder + u'/' + name);
        if (file.open(QIODevice::ReadOnly))
            found[file.readAll()].append(name);
    }
    return found;
}

void makeCard(const QString& card)
{
    QDir().mkpath(card);
    for (int i = 0; i < kFiles; ++i) {
        const QString path = card + QStringLiteral("/IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("photo " + QByteArray::number(i));
        file.close();
        // No metadata: each file is named after its own, distinct, time.
        const time_t when = 1600000000 + i * 60;
        struct utimbuf times
        {
            when, when
        };
        QVERIFY(::utime(QFile::encodeName(path).constData(), &times) == 0);
    }
}

// Starts a run over the card and waits until it is well under way.
void startRun(QProcess& process, const QString& card, const QString& config)
{
    const QString journals = config + QStringLiteral(".journal");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), config);
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), journals);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUMENSCRIBE_CLI_PATH), {QStringLiteral("--yes"), card});
    QVERIFY(process.waitForStarted());
    QElapsedTimer timer;
    timer.start();
    while (journalLines(journals) < 500 && timer.elapsed() < 60000 && process.state() == QProcess::Running)
        QThread::usleep(200);
    QVERIFY2(process.state() == QProcess::Running, "the run ended before it could be stopped");
}

} // namespace

// Each test starts with a run over 5,000 files well under way.
void TestCliKill::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_card = m_dir->filePath(QStringLiteral("card"));
    m_config = m_dir->filePath(QStringLiteral("settings.json"));
    makeCard(m_card);
    startRun(m_process, m_card, m_config);
}

void TestCliKill::cleanup()
{
    m_process.kill();
    m_process.waitForFinished();
}

void TestCliKill::killedRunLosesNothingAndUndoes()
{
    const QString& card = m_card;
    const QString& config = m_config;
    m_process.kill();
    m_process.waitForFinished();

    QHash<QByteArray, QStringList> found = contents(card);
    QCOMPARE(found.size(), kFiles);
    int renamed = 0;
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        QCOMPARE(it.value().size(), 1); // exactly once, never copied, never lost
        renamed += it.value().first().startsWith(QStringLiteral("IMG_")) ? 0 : 1;
    }
    QVERIFY(renamed > 0 && renamed < kFiles);

    const CliResult undone = runCli({QStringLiteral("undo")}, config);
    QCOMPARE(undone.exitCode, 0);
    found = contents(card);
    QCOMPARE(found.size(), kFiles);
    for (int i = 0; i < kFiles; ++i) {
        QCOMPARE(found.value("photo " + QByteArray::number(i)),
                 QStringList{QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'))});
    }
}

void TestCliKill::ctrlCStopsBeforeTheNextFile()
{
    const QString& card = m_card;
    const QString& config = m_config;
    QProcess& process = m_process;
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("(aborted)")));
    const QHash<QByteArray, QStringList> found = contents(card);
    QCOMPARE(found.size(), kFiles);
    for (const QStringList& names : found)
        QCOMPARE(names.size(), 1);
    const QStringList runs = QDir(config + QStringLiteral(".journal")).entryList({QStringLiteral("*.journal")});
    QCOMPARE(runs.size(), 1);
    QFile journal(config + QStringLiteral(".journal/") + runs.first());
    QVERIFY(journal.open(QIODevice::ReadOnly));
    QVERIFY(journal.readAll().contains("\"op\":\"end\"")); // ended in order, not killed
}

QTEST_GUILESS_MAIN(TestCliKill)
#include "tst_clikill.moc"
