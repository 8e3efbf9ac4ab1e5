// The application controller's settings and its termination.
#include "ScriptedFrontEnd.h"
#include "controllers/MainController.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

using namespace lumenscribe;

class TestMainController : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void initialValues();
    void storedValuesPassTheSetters_data();
    void storedValuesPassTheSetters();
    void saveWritesExactlyTheKeys();
    void roundTripAndDonationInfo();
    void styleSelectionSurvivesLoading();
    void unreadableFileIsReportedAndKept();
    void styleIndexPastTheStylesKeepsABuiltIn();
    void quittingDuringAQuestionAbortsAndSaves();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("settings.json")); }
    void writeSettings(const QJsonObject& object)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(object).toJson());
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMainController::initialValues()
{
    MainController controller{PreferencesStore(path())};
    controller.initApplication();
    QVERIFY(controller.needsDonationInfo()); // first start
    QCOMPARE(controller.downloadDestinationFolder(), QDir::homePath() + QStringLiteral("/Desktop"));
    QCOMPARE(controller.deleteFilesPatterns(), (QStringList{"*.gif", "*.html"}));
    QCOMPARE(controller.deleteFilesSmallerThankB(), 100);
    QVERIFY(controller.confirmEachFile());
    QVERIFY(controller.quitAfterAutoProcessing());
    QVERIFY(!controller.alertOS9NameLength());
    QCOMPARE(controller.ciwController().prefixSuffixType(), 1);
    QCOMPARE(controller.fiwController().prefixSuffixType(), 1);
}

void TestMainController::storedValuesPassTheSetters_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("downloadOptions 4") << "downloadOptions" << QVariant(4) << QVariant(0);
    QTest::newRow("prefixSuffixType 5") << "prefixSuffixType" << QVariant(5) << QVariant(0);
    QTest::newRow("prefixSuffixType -1") << "prefixSuffixType" << QVariant(-1) << QVariant(0);
    QTest::newRow("negative size limit") << "deleteFilesSmallerThankB" << QVariant(-5) << QVariant(100);
    QTest::newRow("identical option 2") << "identicalFileNamesOption" << QVariant(2) << QVariant(0);
    QTest::newRow("missing application") << "openFilesApplication" << QVariant("/nonexistent/app") << QVariant("");
    QTest::newRow("wrong type") << "confirmEachFile" << QVariant("no") << QVariant(true);
    QTest::newRow("patterns of the wrong type")
        << "deleteFilesPatterns" << QVariant(QVariantList{1, 2}) << QVariant(QStringList{"*.gif", "*.html"});
    QTest::newRow("namingStyle as text") << "namingStyle" << QVariant("3") << QVariant(0);
    QTest::newRow("counter past 32 bits") << "fileSeqCounter" << QVariant(1e12) << QVariant(0);
    QTest::newRow("prefix of the wrong type") << "prefixString" << QVariant(QVariantList{1}) << QVariant("");
    QTest::newRow("creator code") << "fileCreatorID" << QVariant(1280136035.0) << QVariant(1280136035u);
}

void TestMainController::storedValuesPassTheSetters()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);
    MainController controller{PreferencesStore(path())};
    controller.loadPreferencesFromDictionary({{key, stored}});
    const QVariant actual = controller.preferencesDictionary().value(key);
    QCOMPARE(actual.toString(), expected.toString());
}

void TestMainController::saveWritesExactlyTheKeys()
{
    MainController controller{PreferencesStore(path())};
    QStringList keys = controller.preferencesDictionary().keys();
    QStringList expected{"fileNameGenerators",
                         "folderNameGenerators",
                         "namingStyle",
                         "prefixSuffixType",
                         "prefixString",
                         "suffixString",
                         "downloadOptions",
                         "downloadDestionationFolder",
                         "downloadNamingStyle",
                         "downloadPrefixSuffixType",
                         "fileCreatorIDChange",
                         "fileCreatorID",
                         "changeCreationDate",
                         "openFilesAfterRenaming",
                         "openFilesApplication",
                         "deleteFilesOptions",
                         "deleteFilesPatterns",
                         "deleteFilesSmallerThankB",
                         "identicalFileNamesOption",
                         "fileSeqCounter",
                         "folderSeqCounter",
                         "showAdvancedOptions",
                         "quitAfterAutoProcessing",
                         "confirmEachFile",
                         "alertOS9NameLength",
                         "showNamesFirst",
                         "timeShift",
                         "timeShiftByModel",
                         "nameZone",
                         "copyInsteadOfMoving",
                         "namePairsTogether",
                         "onlyPhotosAndMovies",
                         "CFBundleShortVersionString",
                         "ciwShowsPreview",
                         "ciwPrefixSuffixType",
                         "ciwPrefix",
                         "ciwSuffix",
                         "fiwPrefixSuffixType",
                         "fiwPrefix",
                         "fiwSuffix"};
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
}

void TestMainController::roundTripAndDonationInfo()
{
    {
        MainController first{PreferencesStore(path())};
        first.initApplication();
        first.fileNameGenerators().addGenerator()->setFormatString(QStringLiteral("Trip %Y%F"));
        first.setNamingStyle(7);
        first.setDownloadOptions(2);
        first.setDownloadDestinationFolder(QStringLiteral("/media/photos"));
        first.setFileSeqCounter(12);
        first.setDeleteFilesPatterns({"*.tmp"});
        first.ciwController().setPrefix(QStringLiteral("ciw"));
        first.fiwController().setPrefixSuffixType(4);
        QVERIFY(first.savePreferences());
    }
    MainController second{PreferencesStore(path())};
    second.initApplication();
    QVERIFY(!second.needsDonationInfo()); // the same version saved last
    QCOMPARE(second.fileNameGenerator()->formatString(), QStringLiteral("Trip %Y%F"));
    QCOMPARE(second.downloadOptions(), 2);
    QCOMPARE(second.downloadDestinationFolder(), QStringLiteral("/media/photos"));
    QCOMPARE(second.fileSeqCounter(), 12);
    QCOMPARE(second.fileNameGenerator()->seqCounter(), 12);
    QCOMPARE(second.deleteFilesPatterns(), QStringList{"*.tmp"});
    QCOMPARE(second.ciwController().prefix(), QStringLiteral("ciw"));
    QCOMPARE(second.fiwController().prefixSuffixType(), 4);
}

void TestMainController::styleSelectionSurvivesLoading()
{
    writeSettings({{"namingStyle", 3}, {"downloadNamingStyle", 2}, {"CFBundleShortVersionString", "0.0.1"}});
    MainController controller{PreferencesStore(path())};
    controller.initApplication();
    QCOMPARE(controller.fileNameGenerators().indexOfCurrentGenerator(), 3);
    QCOMPARE(controller.folderNameGenerators().indexOfCurrentGenerator(), 2);
    QVERIFY(controller.needsDonationInfo()); // an update
}

void TestMainController::unreadableFileIsReportedAndKept()
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"namingStyle\": 3,");
    file.close();
    MainController controller{PreferencesStore(path())};
    controller.initApplication();
    QVERIFY(!controller.preferencesProblem().isEmpty());
    QCOMPARE(controller.namingStyle(), 0);
    const QStringList aside = QDir(m_dir->path()).entryList({"settings.json.unreadable-*"});
    QCOMPARE(aside.size(), 1);
}

void TestMainController::styleIndexPastTheStylesKeepsABuiltIn()
{
    // The setters take any index, as stored; the collections refuse one
    // they do not hold, so the run still names with a style that exists.
    writeSettings({{"namingStyle", 99}, {"downloadNamingStyle", -3}});
    MainController controller{PreferencesStore(path())};
    controller.initApplication();
    QCOMPARE(controller.fileNameGenerators().indexOfCurrentGenerator(), 0);
    QCOMPARE(controller.folderNameGenerators().indexOfCurrentGenerator(), 0);
    QVERIFY(controller.fileNameGenerator());
}

void TestMainController::quittingDuringAQuestionAbortsAndSaves()
{
    QTemporaryDir card;
    QFile(card.filePath(QStringLiteral("a.jpg"))).open(QIODevice::WriteOnly);
    QFile(card.filePath(QStringLiteral("b.jpg"))).open(QIODevice::WriteOnly);
    MainController controller{PreferencesStore(path())};
    controller.initApplication();
    controller.setJournalFolder(m_dir->filePath(QStringLiteral("journals")));
    // A front end that never answers: the person walked away.
    class SilentFrontEnd : public test::ScriptedFrontEnd
    {
    public:
        using ScriptedFrontEnd::ScriptedFrontEnd;
        std::atomic<int> shown{0};
        void ciwWithFile(const QString&, const QString&, Instant) override { ++shown; }
    } frontEnd(controller);
    controller.applicationOpenFiles({card.path()});
    while (frontEnd.shown.load() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    controller.applicationShouldTerminate();
    QVERIFY(!controller.isRunning());
    QCOMPARE(frontEnd.shown.load(), 1);
    QVERIFY(frontEnd.ended);
    QVERIFY(frontEnd.infos.filter(QStringLiteral("abort"), Qt::CaseInsensitive).isEmpty()); // no end-of-run texts
    QCOMPARE(PreferencesStore(path()).load().values.value("fileSeqCounter").toInt(), 1);
}

QTEST_GUILESS_MAIN(TestMainController)
#include "tst_maincontroller.moc"
