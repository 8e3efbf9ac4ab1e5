// A move to another file system killed at random moments: every photo ends
// up exactly once, and the next run leaves no temporary copy behind.
#include "CliRunner.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <utime.h>

using namespace lumenscribe::test;

namespace {

QString failedLines(const QString& out)
{
    QStringList failed;
    for (const QString& line : out.split(u'\n')) {
        if (line.contains(QStringLiteral("fail"), Qt::CaseInsensitive) || line.contains(QStringLiteral("lumenscribe:")))
            failed << line;
    }
    return failed.join(u'\n');
}

} // namespace

class TestCliCrossDevice : public QObject
{
    Q_OBJECT

private slots:
    void killedMovesAcrossDevicesLoseNothing();
};

namespace {

constexpr int kFiles = 3000;
constexpr int kKills = 15;

// Hash of the content -> the paths it is found under, in both folders.
QHash<QByteArray, QStringList> census(const QStringList& folders)
{
    QHash<QByteArray, QStringList> found;
    for (const QString& folder : folders) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                found[QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)].append(path);
        }
    }
    return found;
}

QStringList temporaries(const QStringList& folders)
{
    QStringList found;
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral(".lumenscribe-*")}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(it.next());
    }
    return found;
}

QProcess* startRun(const QString& card, const QString& photos, const QString& config)
{
    auto* process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), config);
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), config + QStringLiteral(".journal"));
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(LUMENSCRIBE_CLI_PATH),
                   {QStringLiteral("--yes"), QStringLiteral("--move-to"), photos, card});
    return process;
}

} // namespace

void TestCliCrossDevice::killedMovesAcrossDevicesLoseNothing()
{
    QTemporaryDir dir;
    QTemporaryDir other(QStringLiteral("/dev/shm/lumenscribe-XXXXXX"));
    struct stat here
    {
    }, there{};
    if (!other.isValid() || ::stat(QFile::encodeName(dir.path()).constData(), &here) != 0 ||
        ::stat(QFile::encodeName(other.path()).constData(), &there) != 0 || here.st_dev == there.st_dev)
        QSKIP("needs /dev/shm on a file system of its own");
    const QString card = dir.filePath(QStringLiteral("card"));
    const QString photos = other.path();
    const QString config = dir.filePath(QStringLiteral("settings.json"));
    QDir().mkpath(card);
    auto* random = QRandomGenerator::global();
    for (int i = 0; i < kFiles; ++i) {
        const QString path = card + QStringLiteral("/IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        QByteArray content(4096 + int(random->bounded(28 * 1024)), Qt::Uninitialized);
        random->fillRange(reinterpret_cast<quint32*>(content.data()), content.size() / 4);
        content.append(QByteArray::number(i)); // distinct even if the generator repeats
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        // No metadata: each file is named after its own, distinct, time.
        const time_t when = 1600000000 + i * 60;
        struct utimbuf times
        {
            when, when
        };
        QVERIFY(::utime(QFile::encodeName(path).constData(), &times) == 0);
    }
    const QHash<QByteArray, QStringList> before = census({card});
    QCOMPARE(before.size(), kFiles);

    // Each kill comes at a random moment within a span that, at the pace
    // seen so far, leaves files for the kills still to come.
    double filesPerMs = 1.0;
    int killed = 0;
    for (int attempt = 0; killed < kKills && attempt < 3 * kKills; ++attempt) {
        const qsizetype waiting = QDir(card).entryList(QDir::Files).size();
        const double span = 2.0 * double(waiting) / double(kKills - killed + 1) / filesPerMs;
        const int delay = 1 + int(random->bounded(std::max(span, 20.0)));
        std::unique_ptr<QProcess> process(startRun(card, photos, config));
        QVERIFY(process->waitForStarted());
        QThread::msleep(delay);
        if (process->state() == QProcess::Running) {
            process->kill();
            ++killed;
        }
        process->waitForFinished();
        const qsizetype moved = waiting - QDir(card).entryList(QDir::Files).size();
        if (moved > 0)
            filesPerMs = std::max(0.01, double(moved) / delay);
    }
    QVERIFY2(killed >= kKills, "runs ended before they could be killed");

    // The next run finishes what the kills left; then every file is there
    // exactly once, with its bytes, and no temporary copy is left.
    const CliResult last = runCli({QStringLiteral("--yes"), QStringLiteral("--move-to"), photos, card}, config);
    // The files that failed say why on standard output.
    QVERIFY2(last.exitCode == 0, qPrintable(last.err + failedLines(last.out)));
    const QHash<QByteArray, QStringList> after = census({card, photos});
    QCOMPARE(after.size(), kFiles);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()).size() == 1, qPrintable(after.value(it.key()).join(u' ')));
    QCOMPARE(temporaries({card, photos}), QStringList());
    QVERIFY(QDir(card).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_GUILESS_MAIN(TestCliCrossDevice)
#include "tst_clicrossdevice.moc"
