// The settings table: every stored key loads and saves as it is, the guarded
// setters refuse what they always refused, one notice per real change, and a
// snapshot taken while another thread writes is one moment of the settings.
#include "controllers/MainController.h"
#include "settings/Settings.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <climits>
#include <thread>

using namespace lumenscribe;

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void fullDictionaryRoundTrips();
    void initialValues();
    void refusedValueKeepsTheOld_data();
    void refusedValueKeepsTheOld();
    void storedKinds_data();
    void storedKinds();
    void unknownApplicationBecomesNone();
    void noticeOncePerRealChange();
    void snapshotIsOneMoment();
    void mainControllerFollowsTheNotices();
    void heldValueStillSelectsTheStyle();
};

namespace {

// A value for every key, none of them the initial one, each of the kind a
// settings file holds it as.
QVariantMap fullDictionary()
{
    return {{"namingStyle", 7},
            {"prefixSuffixType", 4},
            {"prefixString", QStringLiteral("Trip ")},
            {"suffixString", QStringLiteral(" (Anna)")},
            {"downloadOptions", 2},
            {"downloadDestionationFolder", QStringLiteral("/media/ä photos")},
            {"downloadNamingStyle", 3},
            {"downloadPrefixSuffixType", 3},
            {"fileCreatorIDChange", true},
            {"fileCreatorID", 0x3842494Du},
            {"changeCreationDate", true},
            {"openFilesAfterRenaming", true},
            {"openFilesApplication", QStringLiteral("/bin/sh")},
            {"deleteFilesOptions", 3},
            {"deleteFilesPatterns", QStringList{"*.tmp", "Thumbs.db"}},
            {"deleteFilesSmallerThankB", 0},
            {"identicalFileNamesOption", 1},
            {"fileSeqCounter", 41},
            {"folderSeqCounter", -2},
            {"showAdvancedOptions", true},
            {"quitAfterAutoProcessing", false},
            {"confirmEachFile", false},
            {"alertOS9NameLength", true},
            {"showNamesFirst", true},
            {"timeShift", QStringLiteral("+1h")},
            {"timeShiftByModel", QStringList{"Canon EOS R6=-0:00:05"}},
            {"nameZone", QStringLiteral("Europe/Berlin")},
            {"copyInsteadOfMoving", true},
            {"namePairsTogether", false},
            {"onlyPhotosAndMovies", true}};
}

} // namespace

void TestSettings::fullDictionaryRoundTrips()
{
    const QVariantMap full = fullDictionary();
    Settings settings;
    settings.load(full);
    const QVariantMap saved = settings.toMap();
    QCOMPARE(saved.keys(), full.keys()); // the table holds every key, and no other
    for (auto it = full.constBegin(); it != full.constEnd(); ++it) {
        QCOMPARE(saved.value(it.key()), it.value());
        QCOMPARE(saved.value(it.key()).typeId(), it.value().typeId()); // as files store them
    }
    const Settings::Values values = settings.values();
    QCOMPARE(values.downloadOption(), DownloadOption::DatedFolder);
    QCOMPARE(values.deleteRule(), DeleteRule::SmallerAndNotMatching);
    QCOMPARE(values.prefixSuffix(), PrefixSuffixType::Both);
    QCOMPARE(values.identicalFileNames(), IdenticalFileNames::Count);
}

void TestSettings::initialValues()
{
    const QVariantMap initial = Settings().toMap();
    QCOMPARE(initial.value("downloadDestionationFolder").toString(), QDir::homePath() + QStringLiteral("/Desktop"));
    QCOMPARE(initial.value("deleteFilesPatterns").toStringList(), (QStringList{"*.gif", "*.html"}));
    QCOMPARE(initial.value("deleteFilesSmallerThankB"), QVariant(100));
    QCOMPARE(initial.value("quitAfterAutoProcessing"), QVariant(true));
    QCOMPARE(initial.value("confirmEachFile"), QVariant(true));
    QCOMPARE(initial.value("fileCreatorID"), QVariant(0u));
    QCOMPARE(initial.value("openFilesApplication"), QVariant(QString()));
}

void TestSettings::refusedValueKeepsTheOld_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("refused");
    QTest::newRow("prefixSuffixType 5") << "prefixSuffixType" << 4 << 5;
    QTest::newRow("prefixSuffixType -1") << "prefixSuffixType" << 2 << -1;
    QTest::newRow("downloadOptions 4") << "downloadOptions" << 2 << 4;
    QTest::newRow("downloadOptions -1") << "downloadOptions" << 1 << -1;
    QTest::newRow("downloadPrefixSuffixType 5") << "downloadPrefixSuffixType" << 4 << 5;
    QTest::newRow("downloadPrefixSuffixType min") << "downloadPrefixSuffixType" << 0 << INT_MIN;
    QTest::newRow("identicalFileNamesOption 2") << "identicalFileNamesOption" << 1 << 2;
    QTest::newRow("identicalFileNamesOption -1") << "identicalFileNamesOption" << 0 << -1;
    QTest::newRow("deleteFilesSmallerThankB -1") << "deleteFilesSmallerThankB" << 0 << -1;
}

void TestSettings::refusedValueKeepsTheOld()
{
    QFETCH(QString, key);
    QFETCH(int, held);
    QFETCH(int, refused);
    const Settings::Entry* entry = Settings::find(key);
    QVERIFY(entry);
    Settings settings;
    QVERIFY(settings.setValue(entry->key, held) != Settings::SetResult::Refused);
    QSignalSpy notices(&settings, &Settings::changed);
    QCOMPARE(settings.setValue(entry->key, refused), Settings::SetResult::Refused);
    QCOMPARE(settings.value(entry->key), QVariant(held));
    QCOMPARE(notices.count(), 0);
}

void TestSettings::storedKinds_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected"); // the initial value when the stored one counts as missing
    QTest::newRow("number as text") << "namingStyle" << QVariant("3") << QVariant(0);
    QTest::newRow("number as double") << "namingStyle" << QVariant(3.0) << QVariant(3);
    QTest::newRow("number past 32 bits") << "fileSeqCounter" << QVariant(1e12) << QVariant(0);
    QTest::newRow("flag as text") << "confirmEachFile" << QVariant("no") << QVariant(true);
    QTest::newRow("flag as number") << "confirmEachFile" << QVariant(0) << QVariant(false);
    QTest::newRow("text as list") << "prefixString" << QVariant(QVariantList{1}) << QVariant(QString());
    QTest::newRow("folder as number") << "downloadDestionationFolder" << QVariant(2024)
                                      << QVariant(QDir::homePath() + QStringLiteral("/Desktop"));
    QTest::newRow("patterns of numbers") << "deleteFilesPatterns" << QVariant(QVariantList{1, 2})
                                         << QVariant(QStringList{"*.gif", "*.html"});
    QTest::newRow("patterns as JSON list")
        << "deleteFilesPatterns" << QVariant(QVariantList{"*.tmp"}) << QVariant(QStringList{"*.tmp"});
    QTest::newRow("negative creator code") << "fileCreatorID" << QVariant(-1) << QVariant(0u);
    QTest::newRow("creator code as double") << "fileCreatorID" << QVariant(1280136035.0) << QVariant(1280136035u);
}

void TestSettings::storedKinds()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);
    Settings settings;
    settings.load(QVariantMap{{key, stored}});
    QCOMPARE(settings.toMap().value(key), expected);
}

void TestSettings::unknownApplicationBecomesNone()
{
    Settings settings;
    QCOMPARE(settings.setOpenFilesApplication(QStringLiteral("/bin/sh")), Settings::SetResult::Changed);
    QCOMPARE(settings.setOpenFilesApplication(QStringLiteral("/nonexistent/viewer")), Settings::SetResult::Changed);
    QCOMPARE(settings.openFilesApplication(), QString());
}

void TestSettings::noticeOncePerRealChange()
{
    Settings settings;
    QSignalSpy notices(&settings, &Settings::changed);
    QCOMPARE(settings.setPrefixString(QStringLiteral("A ")), Settings::SetResult::Changed);
    QCOMPARE(settings.setPrefixString(QStringLiteral("A ")), Settings::SetResult::Unchanged);
    QCOMPARE(settings.setDownloadOptions(5), Settings::SetResult::Refused);
    settings.advanceFileSeqCounter(); // a run's step, not a change of the setting
    QCOMPARE(notices.count(), 1);
    QCOMPARE(notices.takeFirst().at(0).value<SettingKey>(), SettingKey::PrefixString);

    // A loaded file: one notice per key it changes, none for the rest.
    settings.load({{"prefixString", QStringLiteral("A ")},
                   {"confirmEachFile", false},
                   {"downloadOptions", 9},
                   {"fileCreatorID", 42}});
    QCOMPARE(notices.count(), 2);
    QCOMPARE(notices.at(0).at(0).value<SettingKey>(), SettingKey::FileCreatorID);
    QCOMPARE(notices.at(1).at(0).value<SettingKey>(), SettingKey::ConfirmEachFile);
}

// The writer moves the file counter on first and the folder counter after
// it; a snapshot of one moment sees them equal or the file one ahead. Read
// field by field, it would see the folder counter ahead now and then.
void TestSettings::snapshotIsOneMoment()
{
    Settings settings;
    std::atomic<bool> done{false};
    std::atomic<int> seen{0};
    int bad = 0;
    std::thread reader([&] {
        do {
            const Settings::Values values = settings.values();
            const int ahead = values.fileSeqCounter - values.folderSeqCounter;
            const QString& prefix = values.prefixString;
            const bool wholeText = prefix.isEmpty() || prefix == QString(64, u'a') || prefix == QString(3, u'b');
            if (ahead < 0 || ahead > 1 || !wholeText)
                ++bad;
            ++seen;
        } while (!done);
    });
    // Goes on until the reader has looked often, however the two threads
    // are scheduled.
    int steps = 0;
    for (; steps < 20000 || seen < 2000; ++steps) {
        settings.advanceFileSeqCounter();
        settings.setPrefixString(steps % 2 ? QString(64, u'a') : QString(3, u'b'));
        settings.advanceFolderSeqCounter();
    }
    done = true;
    reader.join();
    QCOMPARE(bad, 0);
    QCOMPARE(settings.fileSeqCounter(), steps);
    QCOMPARE(settings.folderSeqCounter(), steps);
}

// A front end that changes a setting through settings() has the same
// effects as the controller's own setter.
void TestSettings::mainControllerFollowsTheNotices()
{
    QTemporaryDir dir;
    MainController controller{PreferencesStore(dir.filePath(QStringLiteral("settings.json")))};
    Settings& settings = controller.settings();
    settings.setNamingStyle(2);
    settings.setDownloadNamingStyle(1);
    settings.setFileSeqCounter(9);
    settings.setFolderSeqCounter(4);
    settings.setIdenticalFileNamesOption(1);
    QCOMPARE(controller.fileNameGenerators().indexOfCurrentGenerator(), 2);
    QCOMPARE(controller.folderNameGenerators().indexOfCurrentGenerator(), 1);
    QCOMPARE(controller.fileNameGenerator()->seqCounter(), 9);
    QCOMPARE(controller.folderNameGenerator()->seqCounter(), 4);
    QCOMPARE(controller.fileNameGenerator()->identicalFileNamesOption(), 1);
    QCOMPARE(controller.folderNameGenerator()->identicalFileNamesOption(), 1);
    settings.setIdenticalFileNamesOption(2); // refused: the styles keep 1
    QCOMPARE(controller.fileNameGenerator()->identicalFileNamesOption(), 1);
}

// Loading custom styles makes the last one current; a stored index equal to
// the one held sends no notice, yet must still select its style.
void TestSettings::heldValueStillSelectsTheStyle()
{
    QTemporaryDir dir;
    MainController controller{PreferencesStore(dir.filePath(QStringLiteral("settings.json")))};
    const QVariantMap custom{{"formatString", QStringLiteral("Trip %Y")}};
    controller.loadPreferencesFromDictionary(
        {{"fileNameGenerators", QVariantMap{{"generator0", custom}}}, {"namingStyle", 0}});
    QCOMPARE(controller.fileNameGenerators().indexOfCurrentGenerator(), 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
