// The preferences panel without widgets: every control writes its setting
// at once and shows it again, the enables follow the settings, the pattern
// list, the creator code text and the style pop-ups.
#include "RecordingViews.h"
#include "controllers/MainController.h"
#include "controllers/PreferencesController.h"
#include "fs/FileMover.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe;
using lumenscribe::test::RecordingPreferencesView;
using Control = PreferencesView::Control;

namespace {

// Any fixed moment: titles are compared with what the styles make for it.
constexpr Instant kExampleDate = 1019770577.0;

} // namespace

class TestPreferencesController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void enables_data();
    void enables();
    void deletePatterns();
    void creatorCodeText_data();
    void creatorCodeText();
    void creatorCodeOfAChosenFile();
    void sizeLimitRefusesWhatIsNotANumber();
    void stylePopUps();
    void openingTwiceAndAdvancedOptions();
    void applicationToOpenFilesWith();
    void cameraOptions();
    void modelShiftTable();

private:
    MainController& mc() { return *m_controller; }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<PreferencesController> m_prefs;
    std::unique_ptr<RecordingPreferencesView> m_view;
};

void TestPreferencesController::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_controller = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_prefs = std::make_unique<PreferencesController>(mc().fileNameGenerators(), mc().folderNameGenerators(), mc(),
                                                      kExampleDate);
    m_view = std::make_unique<RecordingPreferencesView>();
    m_prefs->setView(m_view.get());
}

// Which controls a setting enables, the same whether the person changed it
// with the control (a handler with a sender) or it was loaded and shown
// (the handlers without one). A value the setter refuses leaves the enables
// of the value kept.
void TestPreferencesController::enables_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("on");
    QTest::addColumn<QList<int>>("off");
    const int chooser = int(Control::DownloadChooseFolderButton);
    const QList<int> folderStyle{int(Control::DownloadFolderStylePopUp), int(Control::DownloadEditStylesButton),
                                 int(Control::DownloadFolderPrefixSuffixPopUp)};
    QTest::newRow("in place") << "download" << 0 << QList<int>{} << (QList<int>{chooser} + folderStyle);
    QTest::newRow("download folder") << "download" << 1 << QList<int>{chooser} << folderStyle;
    QTest::newRow("dated folder") << "download" << 2 << (QList<int>{chooser} + folderStyle) << QList<int>{};
    QTest::newRow("folders by day") << "download" << 3 << (QList<int>{chooser} + folderStyle) << QList<int>{};
    QTest::newRow("download 4 refused") << "download" << 4 << QList<int>{} << (QList<int>{chooser} + folderStyle);

    const QList<int> patterns{int(Control::DeletePatternTableView), int(Control::DeleteFilesNewButton),
                              int(Control::DeleteFilesRemoveButton)};
    const int size = int(Control::DeleteFilesSmallerTextField);
    QTest::newRow("delete nothing") << "delete" << 0 << QList<int>{} << (patterns + QList<int>{size});
    QTest::newRow("delete by pattern") << "delete" << 1 << patterns << QList<int>{size};
    QTest::newRow("delete by size") << "delete" << 2 << QList<int>{size} << patterns;
    QTest::newRow("delete small not matching") << "delete" << 3 << (patterns + QList<int>{size}) << QList<int>{};
    QTest::newRow("delete matching or small") << "delete" << 4 << (patterns + QList<int>{size}) << QList<int>{};
    QTest::newRow("delete rule 5") << "delete" << 5 << QList<int>{} << (patterns + QList<int>{size});

    const int prefix = int(Control::PrefixTextField);
    const int suffix = int(Control::SuffixTextField);
    QTest::newRow("no prefix or suffix") << "prefixSuffix" << 0 << QList<int>{} << QList<int>{prefix, suffix};
    QTest::newRow("ask") << "prefixSuffix" << 1 << QList<int>{} << QList<int>{prefix, suffix};
    QTest::newRow("prefix") << "prefixSuffix" << 2 << QList<int>{prefix} << QList<int>{suffix};
    QTest::newRow("suffix") << "prefixSuffix" << 3 << QList<int>{suffix} << QList<int>{prefix};
    QTest::newRow("both") << "prefixSuffix" << 4 << QList<int>{prefix, suffix} << QList<int>{};
    QTest::newRow("type 5 refused") << "prefixSuffix" << 5 << QList<int>{} << QList<int>{prefix, suffix};

    const QList<int> creator{int(Control::CreatorIDTextField), int(Control::CreatorIDGetFileButton)};
    QTest::newRow("creator code off") << "creator" << 0 << QList<int>{} << creator;
    QTest::newRow("creator code on") << "creator" << 1 << creator << QList<int>{};
    const QList<int> open{int(Control::OpenFilesChooseButton), int(Control::OpenFilesTextField)};
    QTest::newRow("open files off") << "openFiles" << 0 << QList<int>{} << open;
    QTest::newRow("open files on") << "openFiles" << 1 << open << QList<int>{};
}

void TestPreferencesController::enables()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(QList<int>, on);
    QFETCH(QList<int>, off);
    const auto check = [&](const RecordingPreferencesView& view) {
        for (const int c : on)
            QVERIFY2(view.enabled.at(Control(c)), qPrintable(QString::number(c)));
        for (const int c : off)
            QVERIFY2(!view.enabled.at(Control(c)), qPrintable(QString::number(c)));
    };
    // The opposite state first, so every enable is really set.
    const bool flag = value != 0;
    if (control == u"download") {
        m_prefs->downloadMatrixChange(2);
        m_prefs->downloadMatrixChange(0);
        m_prefs->downloadMatrixChange(value);
    } else if (control == u"delete") {
        m_prefs->deleteFilesMatrixChange(4);
        m_prefs->deleteFilesMatrixChange(0);
        m_prefs->deleteFilesMatrixChange(value);
    } else if (control == u"prefixSuffix") {
        m_prefs->prefixsuffixPopUpChange(4);
        m_prefs->prefixsuffixPopUpChange(0);
        m_prefs->prefixsuffixPopUpChange(value);
    } else if (control == u"creator") {
        m_prefs->creatorIDCheckBoxChange(!flag);
        m_prefs->creatorIDCheckBoxChange(flag);
    } else {
        m_prefs->openFilesCheckBoxChange(!flag);
        m_prefs->openFilesCheckBoxChange(flag);
    }
    check(*m_view);
    if (control == u"delete") {
        const bool patternsOn = on.contains(int(Control::DeletePatternTableView));
        QCOMPARE(m_view->patternRows.isEmpty(), !patternsOn);
        QCOMPARE(m_prefs->numberOfRowsInTableView(), patternsOn ? 2 : 0);
    }

    RecordingPreferencesView shown;
    m_prefs->setView(&shown);
    m_prefs->refresh();
    check(shown);
    m_prefs->setView(m_view.get());
}

void TestPreferencesController::deletePatterns()
{
    PreferencesController& p = *m_prefs;
    p.deleteFilesMatrixChange(1);
    QCOMPARE(m_view->patternRows, (QStringList{"*.gif", "*.html"}));

    p.deleteFilesNewButtonClick();
    QCOMPARE(mc().deleteFilesPatterns(), (QStringList{"*.gif", "*.html", "*.gif"}));
    QCOMPARE(m_view->patternRows, mc().deleteFilesPatterns());
    QCOMPARE(m_view->editedRow, 2);
    QCOMPARE(p.numberOfRowsInTableView(), 3);

    p.tableViewSetObjectValue(2, QStringLiteral("*.db"));
    QCOMPARE(p.tableViewObjectValue(2), QStringLiteral("*.db"));
    p.tableViewSetObjectValue(3, QStringLiteral("*.lost"));
    p.tableViewSetObjectValue(-1, QStringLiteral("*.lost"));
    QCOMPARE(mc().deleteFilesPatterns(), (QStringList{"*.gif", "*.html", "*.db"}));

    p.deleteFilesRemoveButtonClick(0);
    p.deleteFilesRemoveButtonClick(-1);
    p.deleteFilesRemoveButtonClick(5);
    QCOMPARE(mc().deleteFilesPatterns(), (QStringList{"*.html", "*.db"}));
    QCOMPARE(m_view->patternRows, mc().deleteFilesPatterns());

    // A rule that reads no patterns: the table shows none and edits nothing.
    p.deleteFilesMatrixChange(2);
    p.deleteFilesNewButtonClick();
    p.tableViewSetObjectValue(0, QStringLiteral("*.lost"));
    p.deleteFilesRemoveButtonClick(0);
    QCOMPARE(mc().deleteFilesPatterns(), (QStringList{"*.html", "*.db"}));
    QVERIFY(m_view->patternRows.isEmpty());

    p.deleteFilesExplanationButtonClick();
    QVERIFY(m_view->explanation);
    p.dfWOkButtonClick();
    QVERIFY(!m_view->explanation);
}

void TestPreferencesController::creatorCodeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("shown"); // the four-character form written back
    QTest::newRow("four letters") << "8BIM" << true << 0x3842494Du << "8BIM";
    QTest::newRow("with a blank") << "MPS " << true << 0x4D505320u << "MPS ";
    QTest::newRow("Latin-1") << QStringLiteral("\u00c4\u00d6\u00dc\u00df") << true << 0xC4D6DCDFu
                             << QStringLiteral("\u00c4\u00d6\u00dc\u00df");
    QTest::newRow("empty") << "" << true << 0u << "";
    QTest::newRow("two: high bytes 0") << "AB" << true << 0x4142u << "  AB";
    QTest::newRow("five: the first four") << "ABCDE" << true << 0x41424344u << "ABCD";
    QTest::newRow("NUL") << QStringLiteral("AB") + QChar(0) + QStringLiteral("C") << true << 0x41420043u << "AB C";
    QTest::newRow("beyond one byte") << QStringLiteral("\u20acuro") << false << 0u << "LUMS";
}

// A code is the first four characters; one that does not fit in a byte
// keeps the code there was. The field shows the four-character form.
void TestPreferencesController::creatorCodeText()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(uint, code);
    QFETCH(QString, shown);
    QVERIFY(m_prefs->creatorIDTextFieldChange(QStringLiteral("LUMS")));
    QCOMPARE(m_prefs->creatorIDTextFieldChange(text), accepted);
    const quint32 expected = accepted ? code : 0x4C554D53u;
    QCOMPARE(mc().fileCreatorID(), expected);
    QCOMPARE(m_view->texts[Control::CreatorIDTextField], shown);
    m_prefs->refresh();
    QCOMPARE(m_view->texts[Control::CreatorIDTextField], shown);
}

void TestPreferencesController::creatorCodeOfAChosenFile()
{
    QCOMPARE(PreferencesController::creatorIDText(0), QString());
    QCOMPARE(PreferencesController::creatorIDText(0x00004142u), QStringLiteral("  AB"));

    const QString coded = m_dir->filePath(QStringLiteral("coded.txt"));
    const QString plain = m_dir->filePath(QStringLiteral("plain.txt"));
    for (const QString& path : {coded, plain}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (FileMover().setCreatorCode(coded, 0x74747874u)) // "ttxt"
        QSKIP("no extended attributes here");
    QVERIFY(m_prefs->creatorIDTextFieldChange(QStringLiteral("LUMS")));

    m_view->chooserAnswers = {plain, QString(), coded};
    m_prefs->creatorIDGetFileButtonClick();
    m_prefs->creatorIDGetFileButtonClick();
    QCOMPARE(mc().fileCreatorID(), 0x4C554D53u);
    m_prefs->creatorIDGetFileButtonClick();
    QCOMPARE(mc().fileCreatorID(), 0x74747874u);
    QCOMPARE(m_view->texts[Control::CreatorIDTextField], QStringLiteral("ttxt"));
}

// A stray letter or a cleared field must not become a limit of 0.
void TestPreferencesController::sizeLimitRefusesWhatIsNotANumber()
{
    QVERIFY(m_prefs->deleteFilesSmallerTextFieldChange(QStringLiteral(" 64 ")));
    for (const char* text : {"", "abc", "12kB", "-5", "99999999999"})
        QVERIFY2(!m_prefs->deleteFilesSmallerTextFieldChange(QString::fromLatin1(text)), text);
    QCOMPARE(mc().deleteFilesSmallerThankB(), 64);
}

void TestPreferencesController::stylePopUps()
{
    FNGenerators& files = mc().fileNameGenerators();
    m_prefs->refresh();
    auto popUp = m_view->popUps[Control::StylePopUp];
    QCOMPARE(popUp.items.size(), 7);
    for (int i = 0; i < 7; ++i) {
        QVERIFY(!popUp.items[i].isSeparator);
        QCOMPARE(popUp.items[i].title, files.generatorAtIndex(i)->popUpStringForDate(kExampleDate));
    }

    files.addGenerator()->setFormatString(QStringLiteral("%PPic %Q%F"));
    files.addGenerator();
    m_prefs->refreshStylePopUps();
    popUp = m_view->popUps[Control::StylePopUp];
    QCOMPARE(popUp.items.size(), 10);
    QVERIFY(popUp.items[7].isSeparator);
    QCOMPARE(popUp.items[8].title, files.generatorAtIndex(7)->popUpStringForDate(kExampleDate));

    m_prefs->stylePopUpChange(8);
    QCOMPARE(mc().namingStyle(), 7);
    QCOMPARE(files.indexOfCurrentGenerator(), 7);
    // The separator and items past the list select nothing.
    for (const int item : {7, 10, -1}) {
        m_prefs->stylePopUpChange(item);
        QCOMPARE(mc().namingStyle(), 7);
        QCOMPARE(m_view->popUps[Control::StylePopUp].selected, 8);
    }
    // A wanted index beyond the list keeps the selection there was.
    mc().setNamingStyle(42);
    m_prefs->refresh();
    QCOMPARE(m_view->popUps[Control::StylePopUp].selected, 8);
    QCOMPARE(files.indexOfCurrentGenerator(), 7);
}

void TestPreferencesController::openingTwiceAndAdvancedOptions()
{
    RecordingPreferencesView& v = *m_view;
    m_prefs->openPanel();
    QVERIFY(v.shown);
    QCOMPARE(v.centered, 1);
    QCOMPARE(v.advancedAttached, std::optional<bool>(false));
    QVERIFY(!v.advancedAnimated);
    QVERIFY(!m_prefs->advancedControlsAreAttached());
    const int shownOnce = v.styleItemsShown;

    mc().setPrefixString(QStringLiteral("changed elsewhere"));
    m_prefs->openPanel();
    QCOMPARE(v.styleItemsShown, shownOnce);
    QVERIFY(v.texts[Control::PrefixTextField].isEmpty());

    m_prefs->showAdvancedOptionsCheckBoxClick(true);
    QCOMPARE(v.advancedAttached, std::optional<bool>(true));
    QVERIFY(v.advancedAnimated);
    QVERIFY(mc().showAdvancedOptions());
    m_prefs->showAdvancedOptionsCheckBoxClick(false);
    QCOMPARE(v.advancedAttached, std::optional<bool>(false));
    QVERIFY(!mc().showAdvancedOptions());

    QVERIFY(m_prefs->windowShouldClose());
    QVERIFY(!v.shown);
    m_prefs->openPanel();
    QCOMPARE(v.texts[Control::PrefixTextField], QStringLiteral("changed elsewhere"));
    QCOMPARE(v.centered, 2);
}

void TestPreferencesController::applicationToOpenFilesWith()
{
    m_prefs->refresh();
    QCOMPARE(m_view->texts[Control::OpenFilesTextField], QStringLiteral("none"));
    m_view->chooserAnswers = {QStringLiteral("/bin/sh"), QString(), QStringLiteral("/nonexistent/viewer")};
    m_prefs->openFilesChooseButtonClick();
    QCOMPARE(m_view->texts[Control::OpenFilesTextField], QStringLiteral("/bin/sh"));
    m_prefs->openFilesChooseButtonClick();
    QCOMPARE(mc().openFilesApplication(), QStringLiteral("/bin/sh"));
    m_prefs->openFilesChooseButtonClick();
    QCOMPARE(mc().openFilesApplication(), QString());
    QCOMPARE(m_view->texts[Control::OpenFilesTextField], QStringLiteral("none"));
    QCOMPARE(m_view->chooserStarts.first(), PreferencesController::applicationsFolder());
}

// The options for what comes off a camera write their settings and come
// back in a fresh view.
void TestPreferencesController::cameraOptions()
{
    PreferencesController& p = *m_prefs;
    p.namePairsTogetherCheckBoxChange(false);
    p.onlyPhotosAndMoviesCheckBoxChange(true);
    p.copyInsteadOfMovingCheckBoxChange(true);
    QVERIFY(p.timeShiftTextFieldChange(QStringLiteral(" +1h ")));
    QVERIFY(p.nameZonePopUpChange(QStringLiteral("Asia/Tokyo")));
    // What the settings refuse leaves the stored values.
    QVERIFY(!p.timeShiftTextFieldChange(QStringLiteral("soon")));
    QVERIFY(!p.nameZonePopUpChange(QStringLiteral("Mars/Olympus")));
    QVERIFY(!mc().namePairsTogether());
    QVERIFY(mc().onlyPhotosAndMovies());
    QVERIFY(mc().copyInsteadOfMoving());
    QCOMPARE(mc().timeShift(), QStringLiteral("+1h"));
    QCOMPARE(mc().nameZone(), QStringLiteral("Asia/Tokyo"));

    RecordingPreferencesView fresh;
    p.setView(&fresh);
    p.refresh();
    QVERIFY(!fresh.checked[Control::NamePairsTogetherCheckBox]);
    QVERIFY(fresh.checked[Control::OnlyPhotosAndMoviesCheckBox]);
    QVERIFY(fresh.checked[Control::CopyInsteadOfMovingCheckBox]);
    QCOMPARE(fresh.texts[Control::TimeShiftTextField], QStringLiteral("+1h"));
    QCOMPARE(fresh.texts[Control::NameZonePopUp], QStringLiteral("Asia/Tokyo"));
    p.setView(m_view.get());

    const QStringList zones = PreferencesController::zoneChoices();
    QCOMPARE(zones.mid(0, 2), (QStringList{"local", "camera"}));
    QVERIFY(zones.contains(QStringLiteral("Europe/Berlin")));
}

// A new row is shown at once but stored only once it names a camera; the
// table is stored whole, and a model holding "=" survives the round trip.
void TestPreferencesController::modelShiftTable()
{
    using Column = ModelShiftTable::Column;
    PreferencesController& p = *m_prefs;
    p.modelShiftNewButtonClick();
    QCOMPARE(m_view->modelShifts.size(), 1);
    QCOMPARE(m_view->editedModelShift, 0);
    QVERIFY(mc().timeShiftByModel().isEmpty());
    QVERIFY(p.modelShiftTableSetValue(0, Column::Model, QStringLiteral(" Canon EOS R6 ")));
    QCOMPARE(mc().timeShiftByModel(), QStringList{"Canon EOS R6=+1h"});
    p.modelShiftNewButtonClick();
    QVERIFY(p.modelShiftTableSetValue(1, Column::Model, QStringLiteral("A=B")));
    QVERIFY(p.modelShiftTableSetValue(1, Column::Shift, QStringLiteral("-0:00:05")));
    QCOMPARE(mc().timeShiftByModel(), (QStringList{"Canon EOS R6=+1h", "A=B=-0:00:05"}));
    QVERIFY(!p.modelShiftTableSetValue(2, Column::Model, QStringLiteral("no such row")));
    // A shift that is none, or a model named twice, puts the cell back.
    QVERIFY(!p.modelShiftTableSetValue(1, Column::Shift, QStringLiteral("later")));
    p.modelShiftNewButtonClick();
    QVERIFY(!p.modelShiftTableSetValue(2, Column::Model, QStringLiteral("canon eos r6")));
    QCOMPARE(m_view->modelShifts.at(2).model, QString());
    p.modelShiftRemoveButtonClick(2);

    p.modelShiftRemoveButtonClick(0);
    p.modelShiftRemoveButtonClick(-1);
    QCOMPARE(mc().timeShiftByModel(), QStringList{"A=B=-0:00:05"});
    p.refresh();
    QCOMPARE(m_view->modelShifts, (QList<ModelShiftTable::Row>{{QStringLiteral("A=B"), QStringLiteral("-0:00:05")}}));
}

QTEST_GUILESS_MAIN(TestPreferencesController)
#include "tst_preferencescontroller.moc"
