// The preferences file: round trip, and a file that cannot be used is kept
// aside, never lost.
#include "app/PreferencesStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void saveMakesTheFolder();
    void unwritableFolderIsReported();
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

QTEST_APPLESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
