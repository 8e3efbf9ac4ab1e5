// The naming style editors as a person uses them: a new style copied from
// the selected one, edited with the example following each keystroke, then
// deleted; built-in styles shown but locked; the substring slots with their
// B field; the code picker inserting at the cursor; and a style deleted while
// a run names by it.
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/FormatCodeList.h"
#include "controllers/MainController.h"
#include "controllers/NamingStylesController.h"
#include "controllers/PreferencesController.h"
#include "controllers/StatusBridge.h"
#include "naming/FNGenerators.h"
#include "windows/FormatField.h"
#include "windows/NamingStylesWindow.h"
#include "windows/PreferencesWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

constexpr Instant kExampleDate = 1019770577.0;

void activate(QComboBox* popUp, int index)
{
    popUp->setCurrentIndex(index);
    emit popUp->activated(index);
}

} // namespace

class TestNamingStylesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newEditDeleteACustomStyle();
    void builtInStylesAreLocked();
    void subStringSlotsAndTheBField();
    void codePickerInsertsAtTheCursor();
    void formatProblemsAreNamed();
    void deletingTheStyleOfARunUnderWay();

private:
    template <typename T> T* find(const char* name) const
    {
        T* widget = m_editor->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    void openEditor(MainController& controller, bool folders = false);
    FNGenerators& files() { return m_main->fileNameGenerators(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainController> m_main;
    std::unique_ptr<PreferencesController> m_prefs;
    std::unique_ptr<PreferencesWindow> m_panel;
    NamingStylesWindow* m_editor = nullptr;
};

void TestNamingStylesWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_main = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_main->setShowAdvancedOptions(true);
    openEditor(*m_main);
}

void TestNamingStylesWindow::openEditor(MainController& controller, bool folders)
{
    m_panel.reset();
    m_prefs = std::make_unique<PreferencesController>(controller.fileNameGenerators(),
                                                      controller.folderNameGenerators(), controller, kExampleDate);
    m_panel = std::make_unique<PreferencesWindow>(*m_prefs, controller);
    m_prefs->openPanel();
    if (folders) {
        m_prefs->downloadEditStylesButtonClick();
        m_editor = m_panel->folderStylesWindow();
    } else {
        m_panel->findChild<QPushButton*>(QStringLiteral("editFileStylesButton"))->click();
        m_editor = m_panel->fileStylesWindow();
    }
    QVERIFY(m_editor && m_editor->isVisible());
}

void TestNamingStylesWindow::cleanup()
{
    m_panel.reset();
    m_prefs.reset();
    m_main.reset();
    m_dir.reset();
}

void TestNamingStylesWindow::newEditDeleteACustomStyle()
{
    auto* popUp = find<QComboBox>("stylePopUp");
    activate(popUp, 1);
    const QString copiedFormat = files().currentGenerator()->formatString();
    find<QPushButton>("styleNewButton")->click();
    const int custom = files().defaultCount();
    QCOMPARE(files().indexOfCurrentGenerator(), custom);
    QCOMPARE(m_main->namingStyle(), custom);
    // After the built-ins, a separator, then the new style, selected.
    QCOMPARE(popUp->count(), custom + 2);
    QCOMPARE(popUp->currentIndex(), custom + 1);
    QCOMPARE(find<QLineEdit>("formatTextField")->text(), copiedFormat);
    QVERIFY(find<QLineEdit>("formatTextField")->isEnabled());
    QVERIFY(find<QPushButton>("styleDeleteButton")->isEnabled());

    // Each keystroke is in the style, the example, and the panel's pop-up.
    auto* format = find<QLineEdit>("formatTextField");
    auto* example = find<QLineEdit>("namingExampleTextField");
    auto* panelPopUp = m_panel->findChild<QComboBox*>(QStringLiteral("stylePopUp"));
    format->selectAll();
    QTest::keyClick(format, Qt::Key_Delete);
    QStringList examples;
    for (const QChar c : QStringLiteral("%Yx%F")) {
        QTest::keyClicks(format, QString(c));
        QCOMPARE(files().currentGenerator()->formatString(), format->text());
        examples << example->text();
        QCOMPARE(panelPopUp->currentText(), popUp->currentText());
    }
    // A lone "%" at the end writes nothing yet.
    QCOMPARE(examples, (QStringList{QString(), "2002", "2002x", "2002x", "2002x.jpg"}));

    // The example file name may be typed too.
    auto* testFile = find<QLineEdit>("testFileNameTextField");
    testFile->selectAll();
    QTest::keyClicks(testFile, QStringLiteral("MVI_1.MOV"));
    QCOMPARE(example->text(), QStringLiteral("2002x.mov"));

    find<QPushButton>("styleDeleteButton")->click();
    QCOMPARE(files().count(), custom);
    QVERIFY(files().indexOfCurrentGenerator() < custom);
    QCOMPARE(m_main->namingStyle(), files().indexOfCurrentGenerator());
    QCOMPARE(popUp->count(), custom);
}

void TestNamingStylesWindow::builtInStylesAreLocked()
{
    activate(find<QComboBox>("stylePopUp"), 0);
    const QString before = files().currentGenerator()->formatString();
    for (const char* name : {"formatTextField", "counterPrefixTextField", "subString0ParATextField"})
        QVERIFY2(!find<QLineEdit>(name)->isEnabled(), name);
    QVERIFY(!find<QSlider>("counterDigitsSlider")->isEnabled());
    QVERIFY(!find<QRadioButton>("timeFormatMatrixRow1")->isEnabled());
    QVERIFY(!find<QCheckBox>("fileTypeSuffixDotCheckBox")->isEnabled());
    QVERIFY(!find<QPushButton>("styleDeleteButton")->isEnabled());
    QVERIFY(!find<QWidget>("codePickerButton")->isEnabled());
    QVERIFY(!find<QLabel>("statusTextField")->text().isEmpty());
    // Open on every style: the sequence number and the example file.
    QVERIFY(find<QLineEdit>("seqcounterCurrentNumberTextField")->isEnabled());
    QVERIFY(find<QLineEdit>("testFileNameTextField")->isEnabled());
    // A change that slips through is refused and the style shown again.
    find<QRadioButton>("timeFormatMatrixRow2")->click();
    emit find<QLineEdit>("formatTextField")->textEdited(QStringLiteral("x"));
    QCOMPARE(files().currentGenerator()->formatString(), before);
    QCOMPARE(find<QLineEdit>("formatTextField")->text(), before);
    QCOMPARE(files().currentGenerator()->timeFormat(), 0);
}

void TestNamingStylesWindow::subStringSlotsAndTheBField()
{
    find<QPushButton>("styleNewButton")->click();
    auto* format = find<QLineEdit>("formatTextField");
    format->selectAll();
    QTest::keyClicks(format, QStringLiteral("%1U_%2U"));
    auto* testFile = find<QLineEdit>("testFileNameTextField");
    testFile->selectAll();
    QTest::keyClicks(testFile, QStringLiteral("DSC_1234.jpg"));

    auto* type0 = find<QComboBox>("subString0TypePopUp");
    auto* b0 = find<QLineEdit>("subString0ParBTextField");
    activate(type0, 3);
    QVERIFY(b0->isEnabled());
    QTest::keyClicks(find<QLineEdit>("subString0ParATextField"), QStringLiteral("4"));
    QTest::keyClicks(b0, QStringLiteral("2"));
    QCOMPARE(files().currentGenerator()->subStringParBOfSubstring(0), 2);
    // Slot 1 takes the last 2 characters of slot 0's "12".
    activate(find<QComboBox>("subString1SourcePopUp"), 1);
    activate(find<QComboBox>("subString1TypePopUp"), 1);
    QTest::keyClicks(find<QLineEdit>("subString1ParATextField"), QStringLiteral("1"));
    QCOMPARE(find<QLineEdit>("namingExampleTextField")->text(), QStringLiteral("12_2"));
    // Another type empties and locks the B field.
    activate(type0, 0);
    QVERIFY(!b0->isEnabled());
    QVERIFY(b0->text().isEmpty());
}

void TestNamingStylesWindow::codePickerInsertsAtTheCursor()
{
    find<QPushButton>("styleNewButton")->click();
    auto* format = m_editor->formatField();
    format->selectAll();
    QTest::keyClicks(format, QStringLiteral("ab"));
    format->setCursorPosition(1);
    QMenu* menu = m_editor->codeMenu();
    emit menu->aboutToShow();
    QAction* year = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->data().toString() == QLatin1String("%Y"))
            year = action;
    }
    QVERIFY(year);
    QVERIFY2(year->text().contains(QLatin1String("2002")), qPrintable(year->text()));
    year->trigger();
    QCOMPARE(format->text(), QStringLiteral("a%Yb"));
    QCOMPARE(format->cursorPosition(), 3);
    QCOMPARE(files().currentGenerator()->formatString(), QStringLiteral("a%Yb"));
    QCOMPARE(find<QLineEdit>("namingExampleTextField")->text(), QStringLiteral("a2002b"));
}

void TestNamingStylesWindow::formatProblemsAreNamed()
{
    find<QPushButton>("styleNewButton")->click();
    auto* format = find<QLineEdit>("formatTextField");
    auto* problem = find<QLabel>("formatProblemLabel");
    format->selectAll();
    QTest::keyClicks(format, QStringLiteral("%Y"));
    QVERIFY(!problem->isHidden());
    QTest::keyClicks(format, QStringLiteral("%F"));
    QVERIFY(problem->isHidden());
    format->selectAll();
    QTest::keyClick(format, Qt::Key_Delete);
    QVERIFY(!problem->isHidden());
    QCOMPARE(problem->text(), FormatCodeList::problemText(FormatCodeList::Problem::EmptyName));

    // A folder style has no file type to lose.
    openEditor(*m_main, true);
    find<QPushButton>("styleNewButton")->click();
    auto* folderFormat = find<QLineEdit>("formatTextField");
    folderFormat->selectAll();
    QTest::keyClicks(folderFormat, QStringLiteral("%Y"));
    QVERIFY(find<QLabel>("formatProblemLabel")->isHidden());
}

// While the run shows its first file, the person deletes the style it names
// by in the editor: the run keeps its own copy, the editor says changes apply
// from the next run, and the setting holds a valid index.
void TestNamingStylesWindow::deletingTheStyleOfARunUnderWay()
{
    RunBench bench;
    MainController& controller = *bench.controller;
    copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/1.jpg"));
    openEditor(controller);
    find<QPushButton>("styleNewButton")->click();
    auto* format = find<QLineEdit>("formatTextField");
    format->selectAll();
    QTest::keyClicks(format, QStringLiteral("%Ptrip%F"));
    controller.setConfirmEachFile(true);
    QString noteDuringTheRun;
    bench.frontEnd->ciwAnswers = {3}; // rename all
    bench.frontEnd->onShow = [&](const QString&) {
        find<QPushButton>("styleDeleteButton")->click();
        noteDuringTheRun = find<QLabel>("runNoteLabel")->text();
    };
    StatusBridge bridge(*bench.frontEnd);
    controller.setStatusBridge(&bridge);
    bench.runOn({bench.card()});
    controller.setStatusBridge(nullptr);

    QCOMPARE(tree(bench.card()), QStringList{"trip.jpg"});
    QVERIFY(!noteDuringTheRun.isEmpty());
    QCOMPARE(controller.namingStyle(), controller.fileNameGenerators().indexOfCurrentGenerator());
    QVERIFY(controller.namingStyle() < controller.fileNameGenerators().count());
    m_panel.reset();
    m_prefs.reset();
}

QTEST_MAIN(TestNamingStylesWindow)
#include "tst_namingstyleswindow.moc"
