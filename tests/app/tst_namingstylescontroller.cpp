// The naming style editors without widgets: the pop-up with its separator,
// new and deleted custom styles with the selection and its setting kept
// valid, built-in styles that refuse every change, the live example and the
// substring slots.
#include "RecordingViews.h"
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/MainController.h"
#include "controllers/NamingStylesController.h"
#include "controllers/PreferencesController.h"
#include "controllers/StatusBridge.h"

#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;
using Control = NamingStylesView::Control;
using SlotControl = NamingStylesView::SlotControl;
using Fields = NamingStylesController::SubStringFields;
using Slot = RecordingNamingStylesView::Slot;

namespace {

constexpr Instant kExampleDate = 1019770577.0;

// Everything an editor can change on a style.
QVariantMap recipeOf(const NameGenerator& style)
{
    QVariantMap recipe = style.userDefaultsDictionary();
    recipe.insert(QStringLiteral("counterPrefix"), style.counterPrefix());
    recipe.insert(QStringLiteral("counterOnlyShowForIdenticalFiles"), style.counterOnlyShowForIdenticalFiles());
    return recipe;
}

} // namespace

class TestNamingStylesController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newStyleIsAnEditableCopyAfterTheSeparator();
    void builtInStylesRefuseEveryChange();
    void exampleFollowsEveryKeystroke();
    void subStringSlotsAndTheBField();
    void deletingKeepsAValidSelection();
    void folderEditorSharesTheSequenceCounter();
    void deletingTheStyleOfARunUnderWay();

private:
    MainController& mc() { return *m_controller; }
    FNGenerators& files() { return m_controller->fileNameGenerators(); }
    NamingStylesController& fileEditor() { return *m_prefs->fileNamingStylesController(); }
    RecordingNamingStylesView& view() { return m_view->fileStylesView; }
    // Selects the style with that index through the editor's pop-up.
    void select(int index);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<PreferencesController> m_prefs;
    std::unique_ptr<RecordingPreferencesView> m_view;
};

void TestNamingStylesController::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_controller = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_prefs = std::make_unique<PreferencesController>(mc().fileNameGenerators(), mc().folderNameGenerators(), mc(),
                                                      kExampleDate);
    m_view = std::make_unique<RecordingPreferencesView>();
    m_prefs->setView(m_view.get());
    m_prefs->openPanel();
    m_prefs->styleEditButtonClick();
    QVERIFY(view().open);
}

void TestNamingStylesController::select(int index)
{
    fileEditor().stylePopUpChange(StylePopUp::popUpIndexFromGeneratorIndex(files(), index));
    QCOMPARE(files().indexOfCurrentGenerator(), index);
}

void TestNamingStylesController::newStyleIsAnEditableCopyAfterTheSeparator()
{
    QCOMPARE(view().items.size(), 7);
    QVERIFY(std::none_of(view().items.begin(), view().items.end(), [](auto& i) { return i.isSeparator; }));

    select(4);
    fileEditor().styleNewButtonClick();
    QCOMPARE(files().count(), 8);
    QCOMPARE(view().items.size(), 9);
    QVERIFY(view().items[7].isSeparator);
    QCOMPARE(view().selectedItem, 8);
    QCOMPARE(fileEditor().generatorIndexFromPopUpIndex(8), 7);
    QCOMPARE(fileEditor().generatorIndexFromPopUpIndex(7), -1);
    QCOMPARE(mc().namingStyle(), 7);
    QCOMPARE(m_view->popUps[PreferencesView::Control::StylePopUp].selected, 8);

    const NameGenerator& copy = *files().currentGenerator();
    QVERIFY(!copy.isReadOnly());
    QCOMPARE(copy.userDefaultsDictionary(), files().generatorAtIndex(4)->userDefaultsDictionary());
    QCOMPARE(view().texts[Control::StatusTextField],
             QStringLiteral("Custom style: every change takes effect at once."));
    QVERIFY(view().enabled[Control::FormatTextField]);
    QVERIFY(view().enabled[Control::StyleDeleteButton]);
    QVERIFY(view().slotEnabled.at(Slot(0, SlotControl::TypePopUp)));
    QCOMPARE(view().texts[Control::FormatTextField], copy.formatString());
}

void TestNamingStylesController::builtInStylesRefuseEveryChange()
{
    select(6);
    const NameGenerator& style = *files().currentGenerator();
    const QVariantMap before = recipeOf(style);
    NamingStylesController& e = fileEditor();
    e.formatTextFieldChange(QStringLiteral("%Y"));
    e.timeFormatMatrixChange(1);
    e.counterDigitsSliderChange(2);
    e.counterStartsZeroMatrixChange(0);
    e.counterOnlyShowCheckBoxChange(true);
    e.counterPrefixTextFieldChange(QStringLiteral("#"));
    e.seqcounterDigitsSliderChange(5);
    e.dateSourceMatrixChange(2);
    e.fileTypeSuffixCaseMatrixChange(2);
    e.fileTypeSuffixDotCheckBoxChange(false);
    e.subString2SettingsChange(Fields{3, QStringLiteral("1"), QStringLiteral("2"), 1});
    e.styleDeleteButtonClick();
    QCOMPARE(recipeOf(style), before);
    QCOMPARE(files().count(), 7);
    // What the controls show is the style as it is.
    QCOMPARE(view().texts[Control::FormatTextField], style.formatString());
    QCOMPARE(view().texts[Control::CounterPrefixTextField], QString());

    QCOMPARE(view().texts[Control::StatusTextField],
             QStringLiteral("Built-in style: it cannot be changed. Make a new style from it to change a copy."));
    for (const Control c :
         {Control::FormatTextField, Control::TimeFormatMatrix, Control::CounterDigitsSlider,
          Control::CounterPrefixTextField, Control::CounterOnlyShowCheckBox, Control::SeqcounterDigitsSlider,
          Control::DateSourceMatrix, Control::FileTypeSuffixDotCheckBox, Control::StyleDeleteButton})
        QVERIFY(!view().enabled.at(c));
    for (int slot = 0; slot < 4; ++slot) {
        for (const SlotControl c : {SlotControl::TypePopUp, SlotControl::ParATextField, SlotControl::ParBTextField})
            QVERIFY(!view().slotEnabled.at(Slot(slot, c)));
    }
    // The sequence counter and the test file name stay open.
    QVERIFY(!view().enabled.contains(Control::SeqcounterCurrentNumberTextField));
    QVERIFY(!view().enabled.contains(Control::TestFileNameTextField));
    QVERIFY(e.seqcounterCurrentNumberTextFieldChange(QStringLiteral("7")));
    QCOMPARE(style.seqCounter(), 7);
}

// Each keystroke in the format or the test file name makes the example and
// the pop-up titles (the editor's and the panel's) again.
void TestNamingStylesController::exampleFollowsEveryKeystroke()
{
    fileEditor().styleNewButtonClick();
    NameGenerator& style = *files().currentGenerator();
    const QString format = QStringLiteral("%Y_%1U%F");
    fileEditor().subString0SettingsChange(Fields{1, QStringLiteral("4"), QString(), 0});
    for (int typed = 1; typed <= format.size(); ++typed) {
        fileEditor().formatTextFieldChange(format.left(typed));
        const QString expected = style.makeExampleFileNameForDate(kExampleDate, NameGenerator::popUpExampleFileName());
        QCOMPARE(fileEditor().example(), expected);
        QCOMPARE(view().texts[Control::NamingExampleTextField], expected);
        QCOMPARE(view().items[8].title, expected);
        QCOMPARE(m_view->popUps[PreferencesView::Control::StylePopUp].items[8].title, expected);
    }
    QVERIFY(fileEditor().example().endsWith(QStringLiteral("_1234.jpg")));
    fileEditor().testFileNameTextFieldChange(QStringLiteral("IMG_0042.JPG"));
    QVERIFY(fileEditor().example().endsWith(QStringLiteral("_0042.jpg")));
    QCOMPARE(style.formatString(), format);

    // A value the style refuses shows in the slider's text only.
    fileEditor().counterDigitsSliderChange(9);
    QCOMPARE(view().texts[Control::CounterDigitsTextField], QStringLiteral("9"));
    QCOMPARE(style.counterDigits(), 3);
    fileEditor().counterDigitsSliderChange(5);
    QCOMPARE(style.counterDigits(), 5);
}

void TestNamingStylesController::subStringSlotsAndTheBField()
{
    fileEditor().styleNewButtonClick();
    const NameGenerator& style = *files().currentGenerator();
    fileEditor().subString1SettingsChange(Fields{3, QStringLiteral("2"), QStringLiteral("3"), 1});
    QCOMPARE(style.subStringTypeOfSubstring(1), 3);
    QCOMPARE(style.subStringParAOfSubstring(1), 2);
    QCOMPARE(style.subStringParBOfSubstring(1), 3);
    QCOMPARE(style.subStringSourceOfSubstring(1), 1);
    QVERIFY(view().slotEnabled.at(Slot(1, SlotControl::ParBTextField)));

    // Away from type 3 the B field is emptied and disabled; the value read
    // with the change stays in the slot.
    fileEditor().subString1SettingsChange(Fields{0, QStringLiteral("2"), QStringLiteral("3"), 1});
    QVERIFY(!view().slotEnabled.at(Slot(1, SlotControl::ParBTextField)));
    QCOMPARE(view().slotTexts.at(Slot(1, SlotControl::ParBTextField)), QString());
    QCOMPARE(style.subStringParBOfSubstring(1), 3);

    // Slot 0 reads the old name whatever its source pop-up would say.
    fileEditor().subString0SettingsChange(Fields{2, QStringLiteral("-1x"), QString(), 3});
    QCOMPARE(style.subStringSourceOfSubstring(0), 0);
    QCOMPARE(style.subStringParAOfSubstring(0), -1);

    // Showing the style again: B only where the type reads it.
    fileEditor().subString3SettingsChange(Fields{3, QStringLiteral("1"), QStringLiteral("8"), 2});
    select(0);
    select(7);
    QCOMPARE(view().slotTexts.at(Slot(1, SlotControl::ParBTextField)), QString());
    QCOMPARE(view().slotTexts.at(Slot(3, SlotControl::ParBTextField)), QStringLiteral("8"));
    QCOMPARE(view().slotValues.at(Slot(3, SlotControl::SourcePopUp)), 2);
    QCOMPARE(view().slotValues.at(Slot(0, SlotControl::TypePopUp)), 2);
}

// The selection moves to the style now at the deleted one's place, or the
// new last one, and the setting follows it each time.
void TestNamingStylesController::deletingKeepsAValidSelection()
{
    for (const char* format : {"a%F", "b%F", "c%F"}) {
        fileEditor().styleNewButtonClick();
        fileEditor().formatTextFieldChange(QString::fromLatin1(format));
    }
    select(8);
    fileEditor().styleDeleteButtonClick();
    QCOMPARE(files().count(), 9);
    QCOMPARE(files().currentGenerator()->formatString(), QStringLiteral("c%F"));
    QCOMPARE(mc().namingStyle(), 8);
    QCOMPARE(view().selectedItem, 9);

    fileEditor().styleDeleteButtonClick();
    QCOMPARE(files().currentGenerator()->formatString(), QStringLiteral("a%F"));
    QCOMPARE(mc().namingStyle(), 7);

    fileEditor().styleDeleteButtonClick();
    QCOMPARE(files().count(), 7);
    QCOMPARE(mc().namingStyle(), 6);
    QCOMPARE(files().indexOfCurrentGenerator(), 6);
    QCOMPARE(view().items.size(), 7);
    QCOMPARE(view().selectedItem, 6);
    QVERIFY(!view().enabled.at(Control::StyleDeleteButton));
    QCOMPARE(m_view->popUps[PreferencesView::Control::StylePopUp].selected, 6);
    QCOMPARE(mc().preferencesDictionary().value(QStringLiteral("namingStyle")).toInt(), 6);
}

void TestNamingStylesController::folderEditorSharesTheSequenceCounter()
{
    m_prefs->downloadEditStylesButtonClick();
    NamingStylesController& e = *m_prefs->folderNamingStylesController();
    RecordingNamingStylesView& v = m_view->folderStylesView;
    QVERIFY(e.isFolderEditor());
    e.stylePopUpChange(3); // "Download %Q"
    QCOMPARE(mc().downloadNamingStyle(), 3);
    QVERIFY(e.seqcounterCurrentNumberTextFieldChange(QStringLiteral("12")));
    QCOMPARE(e.example(), QStringLiteral("Download 0012"));
    QCOMPARE(mc().folderSeqCounter(), 12);
    QCOMPARE(mc().folderNameGenerators().generatorAtIndex(0)->seqCounter(), 12);
    QCOMPARE(mc().fileSeqCounter(), 0);
    QVERIFY(!e.seqcounterCurrentNumberTextFieldChange(QStringLiteral("1x")));
    QCOMPARE(mc().folderSeqCounter(), 12);

    e.styleNewButtonClick();
    QCOMPARE(mc().downloadNamingStyle(), 4);
    QCOMPARE(mc().namingStyle(), 0);
    QCOMPARE(m_view->popUps[PreferencesView::Control::DownloadFolderStylePopUp].selected, 5);
    // No file-only settings on folder styles; no slot controls shown.
    e.dateSourceMatrixChange(2);
    e.subString0SettingsChange(Fields{1, QStringLiteral("4"), QString(), 0});
    QCOMPARE(mc().folderNameGenerator()->dateSource(), 0);
    QCOMPARE(mc().folderNameGenerator()->subStringTypeOfSubstring(0), 0);
    QVERIFY(v.slotEnabled.empty());
    e.styleDeleteButtonClick();
    QCOMPARE(mc().downloadNamingStyle(), 3);

    m_prefs->closePanel();
    QVERIFY(!v.open);
    QVERIFY(!view().open);
}

// While the first file of a run is on show, the person deletes the style
// the run goes by: the run finishes with its own copy, the panel says the
// change applies from the next run, and the setting holds a valid index.
void TestNamingStylesController::deletingTheStyleOfARunUnderWay()
{
    RunBench bench;
    MainController& controller = *bench.controller;
    copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/1.jpg"));
    PreferencesController prefs(controller.fileNameGenerators(), controller.folderNameGenerators(), controller,
                                kExampleDate);
    RecordingPreferencesView panel;
    prefs.setView(&panel);
    prefs.openPanel();
    prefs.styleEditButtonClick();
    NamingStylesController& editor = *prefs.fileNamingStylesController();
    editor.styleNewButtonClick();
    editor.formatTextFieldChange(QStringLiteral("%Ptrip%F"));
    controller.setConfirmEachFile(true);
    QString noteDuringTheRun;
    bench.frontEnd->ciwAnswers = {3}; // rename all
    bench.frontEnd->onShow = [&](const QString&) {
        editor.styleDeleteButtonClick();
        prefs.refreshRunNote();
        noteDuringTheRun = panel.runNote;
    };
    StatusBridge bridge(*bench.frontEnd);
    controller.setStatusBridge(&bridge);
    bench.runOn({bench.card()});
    controller.setStatusBridge(nullptr);

    QCOMPARE(tree(bench.card()), QStringList{"trip.jpg"});
    QCOMPARE(noteDuringTheRun, QStringLiteral("Settings changed now apply from the next run."));
    QCOMPARE(controller.namingStyle(), 6);
    QCOMPARE(controller.fileNameGenerators().indexOfCurrentGenerator(), 6);
    prefs.refreshRunNote();
    QVERIFY(panel.runNote.isEmpty());
}

QTEST_GUILESS_MAIN(TestNamingStylesController)
#include "tst_namingstylescontroller.moc"
