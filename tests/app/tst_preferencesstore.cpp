// The preferences file: round trip, and a file that cannot be used is kept
// aside, never lost.
#include "FaultyFileSystem.h"
#include "controllers/MainController.h"
#include "settings/PreferencesStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumenscribe;

class TestPreferencesStore : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsNoProblem();
    void roundTrip();
    void unusableFileIsKeptAside_data();
    void unusableFileIsKeptAside();
    void oddThingsAtThePathAreKeptAside_data();
    void oddThingsAtThePathAreKeptAside();
    void unreadableFileIsKeptAside();
    void saveMakesTheFolder();
    void unwritableFolderIsReported();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void saveWritesOnlyWhatChanged();
    void twoControllersKeepEachOthersChanges();
};

void TestPreferencesStore::missingFileIsNoProblem()
{
    QTemporaryDir dir;
    const auto loaded = PreferencesStore(dir.filePath(QStringLiteral("none.json"))).load();
    QVERIFY(loaded.values.isEmpty());
    QVERIFY(loaded.problem.isEmpty());
}

void TestPreferencesStore::roundTrip()
{
    QTemporaryDir dir;
    const PreferencesStore store(dir.filePath(QStringLiteral("settings.json")));
    const QVariantMap values{{"downloadDestionationFolder", QStringLiteral("/media/ä photos")},
                             {"confirmEachFile", false},
                             {"deleteFilesPatterns", QStringList{"*.gif", "*.html"}},
                             {"fileNameGenerators", QVariantMap{{"generator0", QVariantMap{{"timeFormat", 2}}}}}};
    QVERIFY(store.save(values));
    const auto loaded = store.load();
    QVERIFY(loaded.problem.isEmpty());
    QCOMPARE(loaded.values.value("downloadDestionationFolder").toString(), QStringLiteral("/media/ä photos"));
    QCOMPARE(loaded.values.value("confirmEachFile").toBool(), false);
    QCOMPARE(loaded.values.value("deleteFilesPatterns").toStringList(), (QStringList{"*.gif", "*.html"}));
    QCOMPARE(loaded.values.value("fileNameGenerators").toMap().value("generator0").toMap().value("timeFormat").toInt(),
             2);
}

void TestPreferencesStore::unusableFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << QByteArray("{\"namingStyle\": 3, \"prefix");
    QTest::newRow("not JSON") << QByteArray("namingStyle=3\n");
    QTest::newRow("an array") << QByteArray("[1, 2]");
}

void TestPreferencesStore::unusableFileIsKeptAside()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const auto loaded = PreferencesStore(path).load();
    QVERIFY(loaded.values.isEmpty());
    QVERIFY(!loaded.problem.isEmpty());
    QVERIFY(!QFile::exists(path));
    QFile aside(loaded.keptAsidePath);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), content);
    // The save at the end leaves a good file for the next start.
    const PreferencesStore store(path);
    QVERIFY(store.save({{"namingStyle", 2}}));
    const auto again = store.load();
    QVERIFY(again.problem.isEmpty());
    QCOMPARE(again.values.value("namingStyle").toInt(), 2);
}

void TestPreferencesStore::oddThingsAtThePathAreKeptAside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo without a writer") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("larger than any settings file") << "large";
}

void TestPreferencesStore::oddThingsAtThePathAreKeptAside()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    const QByteArray native = QFile::encodeName(path);
    if (kind == u"fifo") {
        QVERIFY(::mkfifo(native.constData(), 0644) == 0);
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{" + QByteArray(PreferencesStore::MaxFileSize, ' ') + "}");
    }
    auto loading = std::async(std::launch::async, [&] { return PreferencesStore(path).load(); });
    if (loading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ::close(::open(native.constData(), O_WRONLY | O_NONBLOCK)); // let the reader go
        QFAIL("loading waited for the FIFO");
    }
    const auto loaded = loading.get();
    QVERIFY(loaded.values.isEmpty());
    QVERIFY(!loaded.problem.isEmpty());
    QVERIFY(!loaded.keptAsidePath.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(PreferencesStore(path).save({{"namingStyle", 1}}));
}

void TestPreferencesStore::unreadableFileIsKeptAside()
{
    // Saving over a file that could not be read would lose the settings it
    // holds for good.
    if (::geteuid() == 0)
        QSKIP("root reads every file");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    QVERIFY(PreferencesStore(path).save({{"namingStyle", 4}}));
    QVERIFY(QFile::setPermissions(path, {}));
    const auto loaded = PreferencesStore(path).load();
    QVERIFY(loaded.problem.contains(QStringLiteral("cannot read")));
    QVERIFY(!loaded.keptAsidePath.isEmpty());
    QVERIFY(PreferencesStore(path).save({{"namingStyle", 0}}));
    QVERIFY(QFile::setPermissions(loaded.keptAsidePath, QFile::ReadOwner));
    QCOMPARE(PreferencesStore(loaded.keptAsidePath).load().values.value("namingStyle").toInt(), 4);
}

void TestPreferencesStore::saveMakesTheFolder()
{
    QTemporaryDir dir;
    const PreferencesStore store(dir.filePath(QStringLiteral("a/b/settings.json")));
    QVERIFY(store.save({{"namingStyle", 2}}));
    QCOMPARE(store.load().values.value("namingStyle").toInt(), 2);
}

void TestPreferencesStore::unwritableFolderIsReported()
{
    if (::geteuid() == 0)
        QSKIP("root writes everywhere");
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    QVERIFY(!PreferencesStore(dir.filePath(QStringLiteral("settings.json"))).save({{"a", 1}}, &error));
    QVERIFY(!error.isEmpty());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestPreferencesStore::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("error");
    QTest::newRow("disk full on write") << int(FaultyFileSystem::Write) << ENOSPC;
    QTest::newRow("disk full on sync") << int(FaultyFileSystem::Fsync) << ENOSPC;
    QTest::newRow("error on close") << int(FaultyFileSystem::Close) << EIO;
}

void TestPreferencesStore::failedWriteKeepsTheOldFile()
{
    QFETCH(int, operation);
    QFETCH(int, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    QVERIFY(PreferencesStore(path).save({{"namingStyle", 4}, {"prefixString", "old"}}));
    QFile before(path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();

    FaultyFileSystem fileSystem;
    fileSystem.fail(FaultyFileSystem::Operation(operation), 1, error);
    QString reason;
    QVERIFY(!PreferencesStore(path, fileSystem).saveChanges({}, {{"namingStyle", 5}}, &reason));
    QVERIFY2(reason.contains(QString::fromLocal8Bit(std::strerror(error))), qPrintable(reason));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"settings.json", "settings.json.lock"}));
    QVERIFY(fileSystem.openDescriptors.isEmpty());
}

// Keys this process did not change keep what the file holds now; a custom
// style is merged field by field; a style this process removed goes.
void TestPreferencesStore::saveWritesOnlyWhatChanged()
{
    const QVariantMap loaded{
        {"namingStyle", 1},
        {"prefixString", "a"},
        {"fileNameGenerators", QVariantMap{{"generator0", QVariantMap{{"counterDigits", 1}, {"counterPrefix", "_"}}},
                                           {"generator1", QVariantMap{{"counterDigits", 1}}}}}};
    QVariantMap current = loaded;
    current.insert(QStringLiteral("namingStyle"), 2);
    current.insert(QStringLiteral("fileNameGenerators"),
                   QVariantMap{{"generator0", QVariantMap{{"counterDigits", 3}, {"counterPrefix", "_"}}}});
    QVariantMap stored = loaded;
    stored.insert(QStringLiteral("prefixString"), QStringLiteral("set meanwhile"));
    stored.insert(QStringLiteral("fileNameGenerators"),
                  QVariantMap{{"generator0", QVariantMap{{"counterDigits", 1}, {"counterPrefix", "n"}}},
                              {"generator1", QVariantMap{{"counterDigits", 1}}}});
    stored.insert(QStringLiteral("aNewerVersionsKey"), true);
    const QVariantMap result = PreferencesStore::merged(stored, loaded, current);
    QCOMPARE(result.value("namingStyle").toInt(), 2);
    QCOMPARE(result.value("prefixString").toString(), QStringLiteral("set meanwhile"));
    QVERIFY(result.value("aNewerVersionsKey").toBool());
    const QVariantMap styles = result.value("fileNameGenerators").toMap();
    QCOMPARE(styles.keys(), QStringList{"generator0"});
    QCOMPARE(styles.value("generator0").toMap(), (QVariantMap{{"counterDigits", 3}, {"counterPrefix", "n"}}));
}

void TestPreferencesStore::twoControllersKeepEachOthersChanges()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    MainController first{PreferencesStore(path)};
    MainController second{PreferencesStore(path)};
    first.loadPreferences();
    second.loadPreferences();
    first.setPrefixString(QStringLiteral("first"));
    QVERIFY(first.savePreferences());
    second.setSuffixString(QStringLiteral("second"));
    QVERIFY(second.savePreferences());
    first.setDownloadOptions(2);
    QVERIFY(first.savePreferences());
    const QVariantMap stored = PreferencesStore(path).load().values;
    QCOMPARE(stored.value("prefixString").toString(), QStringLiteral("first"));
    QCOMPARE(stored.value("suffixString").toString(), QStringLiteral("second"));
    QCOMPARE(stored.value("downloadOptions").toInt(), 2);
    QCOMPARE(stored.value("CFBundleShortVersionString").toString(), QStringLiteral(LUMENSCRIBE_VERSION));
}

QTEST_APPLESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
