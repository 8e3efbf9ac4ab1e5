// The preferences panel as a person uses it: each control writes its setting
// at once, the settings survive a save and load and come back into the
// controls, the enables follow the choices, the pattern table edits in
// place, and the menu command of the main window opens the panel.
#include "controllers/MainController.h"
#include "controllers/PreferencesController.h"
#include "naming/FNGenerators.h"
#include "naming/NameGenerator.h"
#include "windows/DesktopApplication.h"
#include "windows/FileDialog.h"
#include "windows/GuiStatus.h"
#include "windows/MainWindow.h"
#include "windows/NamingStylesWindow.h"
#include "windows/PreferencesWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe;

namespace {

void activate(QComboBox* popUp, int index)
{
    popUp->setCurrentIndex(index);
    emit popUp->activated(index);
}

// Replaces the field's text as typing over a selection does.
void typeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestPreferencesWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everySettingRoundTrips();
    void enablesFollowTheChoices();
    void patternTableAddsEditsRemoves();
    void advancedOptionsShowAndHide();
    void installedApplicationsAreOffered();
    void editorsOpenAsSheets();
    void menuCommandOpensThePanel();
    void cameraOptionsAndDatesTab();

private:
    template <typename T> T* find(const char* name) const
    {
        T* widget = m_window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    void makeWindow();

    QTemporaryDir m_xdg;
    QString m_viewerDesktopFile;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainController> m_main;
    std::unique_ptr<PreferencesController> m_prefs;
    std::unique_ptr<PreferencesWindow> m_window;
};

// One application to offer and one that asks not to be shown.
void TestPreferencesWindow::initTestCase()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_xdg.filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_xdg.filePath(QStringLiteral("share"))));
    m_viewerDesktopFile = m_xdg.filePath(QStringLiteral("share/applications/test-viewer.desktop"));
    writeFile(m_viewerDesktopFile, "[Desktop Entry]\nType=Application\nName=Test Viewer\nExec=/bin/true %F\n"
                                   "Icon=image-x-generic\n[Desktop Action x]\nName=Not this\n");
    writeFile(m_xdg.filePath(QStringLiteral("share/applications/hidden.desktop")),
              "[Desktop Entry]\nType=Application\nName=Hidden Tool\nExec=/bin/true\nNoDisplay=true\n");
}

void TestPreferencesWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_main = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    makeWindow();
}

void TestPreferencesWindow::makeWindow()
{
    m_window.reset();
    m_prefs =
        std::make_unique<PreferencesController>(m_main->fileNameGenerators(), m_main->folderNameGenerators(), *m_main);
    m_window = std::make_unique<PreferencesWindow>(*m_prefs, *m_main);
    m_prefs->openPanel();
}

void TestPreferencesWindow::cleanup()
{
    m_window.reset();
    m_prefs.reset();
    m_main.reset();
    m_dir.reset();
}

// Every control changed by hand is the setting at once, is in the saved
// file, and a new panel over the loaded file shows it again.
void TestPreferencesWindow::everySettingRoundTrips()
{
    m_main->fileNameGenerators().addGenerator();
    m_main->folderNameGenerators().addGenerator();
    m_prefs->refreshStylePopUps();
    const int customFileItem = find<QComboBox>("stylePopUp")->count() - 1;
    activate(find<QComboBox>("stylePopUp"), customFileItem);
    activate(find<QComboBox>("prefixsuffixPopUp"), 4);
    typeInto(find<QLineEdit>("prefixTextField"), QStringLiteral("pre-"));
    typeInto(find<QLineEdit>("suffixTextField"), QStringLiteral("-suf"));
    find<QRadioButton>("downloadMatrixRow2")->click();
    FileDialog::setNextDirectory(m_dir->path());
    find<QPushButton>("downloadChooseFolderButton")->click();
    activate(find<QComboBox>("downloadFolderStylePopUp"), 2);
    activate(find<QComboBox>("downloadFolderPrefixSuffixPopUp"), 3);
    find<QCheckBox>("creatorIDCheckBox")->click();
    typeInto(find<QLineEdit>("creatorIDTextField"), QStringLiteral("8BIM"));
    QTest::keyClick(find<QLineEdit>("creatorIDTextField"), Qt::Key_Return);
    find<QCheckBox>("changeCreationDateCheckBox")->click();
    find<QCheckBox>("openFilesCheckBox")->click();
    FileDialog::setNextFileNames({QStringLiteral("/bin/sh")});
    find<QPushButton>("openFilesChooseButton")->click();
    find<QRadioButton>("deleteFilesMatrixRow3")->click();
    find<QListWidget>("deletePatternTableView")->item(0)->setText(QStringLiteral("*.tmp"));
    typeInto(find<QLineEdit>("deleteFilesSmallerTextField"), QStringLiteral("250"));
    find<QRadioButton>("identicalFilesMatrixRow1")->click();
    find<QCheckBox>("showAdvancedOptionsCheckBox")->click();
    find<QCheckBox>("quitAutoProcessingCheckBox")->click();
    find<QCheckBox>("confirmEachFileCheckBox")->click();
    find<QCheckBox>("alertOS9CheckBox")->click();
    const bool namesFirst = !m_main->showNamesFirst();
    find<QCheckBox>("showNamesFirstCheckBox")->click();

    QCOMPARE(m_main->namingStyle(), m_main->fileNameGenerators().count() - 1);
    QCOMPARE(m_main->prefixSuffixType(), 4);
    QCOMPARE(m_main->prefixString(), QStringLiteral("pre-"));
    QCOMPARE(m_main->suffixString(), QStringLiteral("-suf"));
    QCOMPARE(m_main->downloadOptions(), 2);
    QCOMPARE(m_main->downloadDestinationFolder(), m_dir->path());
    QCOMPARE(m_main->downloadNamingStyle(), 2);
    QCOMPARE(m_main->downloadPrefixSuffixType(), 3);
    QVERIFY(m_main->fileCreatorIDChange());
    QCOMPARE(m_main->fileCreatorID(), 0x3842494Du);
    QVERIFY(m_main->changeCreationDate());
    QVERIFY(m_main->openFilesAfterRenaming());
    QCOMPARE(m_main->openFilesApplication(), QStringLiteral("/bin/sh"));
    QCOMPARE(m_main->deleteFilesOptions(), 3);
    QCOMPARE(m_main->deleteFilesPatterns().first(), QStringLiteral("*.tmp"));
    QCOMPARE(m_main->deleteFilesSmallerThankB(), 250);
    QCOMPARE(m_main->identicalFileNamesOption(), 1);
    QVERIFY(m_main->showAdvancedOptions());
    QVERIFY(!m_main->quitAfterAutoProcessing());
    QVERIFY(!m_main->confirmEachFile());
    QVERIFY(m_main->alertOS9NameLength());
    QCOMPARE(m_main->showNamesFirst(), namesFirst);

    QString error;
    QVERIFY2(m_main->savePreferences(&error), qPrintable(error));
    m_window.reset();
    m_prefs.reset();
    m_main = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_main->loadPreferences();
    makeWindow();

    QCOMPARE(find<QComboBox>("stylePopUp")->currentIndex(), customFileItem);
    QCOMPARE(find<QComboBox>("prefixsuffixPopUp")->currentIndex(), 4);
    QCOMPARE(find<QLineEdit>("prefixTextField")->text(), QStringLiteral("pre-"));
    QCOMPARE(find<QLineEdit>("suffixTextField")->text(), QStringLiteral("-suf"));
    QVERIFY(find<QRadioButton>("downloadMatrixRow2")->isChecked());
    QCOMPARE(find<QLineEdit>("downloadDestFolderTextField")->text(), m_dir->path());
    QCOMPARE(find<QComboBox>("downloadFolderStylePopUp")->currentIndex(), 2);
    QCOMPARE(find<QComboBox>("downloadFolderPrefixSuffixPopUp")->currentIndex(), 3);
    QVERIFY(find<QCheckBox>("creatorIDCheckBox")->isChecked());
    QCOMPARE(find<QLineEdit>("creatorIDTextField")->text(), QStringLiteral("8BIM"));
    QVERIFY(find<QCheckBox>("changeCreationDateCheckBox")->isChecked());
    QVERIFY(find<QCheckBox>("openFilesCheckBox")->isChecked());
    QCOMPARE(find<QLineEdit>("openFilesTextField")->text(), QStringLiteral("/bin/sh"));
    QVERIFY(find<QRadioButton>("deleteFilesMatrixRow3")->isChecked());
    QCOMPARE(find<QListWidget>("deletePatternTableView")->item(0)->text(), QStringLiteral("*.tmp"));
    QCOMPARE(find<QLineEdit>("deleteFilesSmallerTextField")->text(), QStringLiteral("250"));
    QVERIFY(find<QRadioButton>("identicalFilesMatrixRow1")->isChecked());
    QVERIFY(find<QCheckBox>("showAdvancedOptionsCheckBox")->isChecked());
    QVERIFY(!find<QCheckBox>("quitAutoProcessingCheckBox")->isChecked());
    QVERIFY(!find<QCheckBox>("confirmEachFileCheckBox")->isChecked());
    QVERIFY(find<QCheckBox>("alertOS9CheckBox")->isChecked());
    QCOMPARE(find<QCheckBox>("showNamesFirstCheckBox")->isChecked(), namesFirst);
}

void TestPreferencesWindow::enablesFollowTheChoices()
{
    find<QRadioButton>("downloadMatrixRow0")->click();
    QVERIFY(!find<QPushButton>("downloadChooseFolderButton")->isEnabled());
    QVERIFY(!find<QComboBox>("downloadFolderStylePopUp")->isEnabled());
    find<QRadioButton>("downloadMatrixRow1")->click();
    QVERIFY(find<QPushButton>("downloadChooseFolderButton")->isEnabled());
    QVERIFY(!find<QPushButton>("downloadEditStylesButton")->isEnabled());
    find<QRadioButton>("downloadMatrixRow2")->click();
    QVERIFY(find<QPushButton>("downloadEditStylesButton")->isEnabled());

    activate(find<QComboBox>("prefixsuffixPopUp"), 3);
    QVERIFY(!find<QLineEdit>("prefixTextField")->isEnabled());
    QVERIFY(find<QLineEdit>("suffixTextField")->isEnabled());

    find<QRadioButton>("deleteFilesMatrixRow2")->click();
    QVERIFY(!find<QListWidget>("deletePatternTableView")->isEnabled());
    QCOMPARE(find<QListWidget>("deletePatternTableView")->count(), 0);
    QVERIFY(!find<QPushButton>("deleteFilesNewButton")->isEnabled());
    QVERIFY(find<QLineEdit>("deleteFilesSmallerTextField")->isEnabled());

    const bool open = m_main->openFilesAfterRenaming();
    find<QCheckBox>("openFilesCheckBox")->click();
    QCOMPARE(find<QPushButton>("openFilesChooseButton")->isEnabled(), !open);
    QCOMPARE(find<QComboBox>("openFilesApplicationPopUp")->isEnabled(), !open);
}

void TestPreferencesWindow::patternTableAddsEditsRemoves()
{
    find<QRadioButton>("deleteFilesMatrixRow1")->click();
    auto* table = find<QListWidget>("deletePatternTableView");
    const int before = table->count();
    find<QPushButton>("deleteFilesNewButton")->click();
    QCOMPARE(table->count(), before + 1);
    QCOMPARE(table->currentRow(), before);
    QCOMPARE(table->item(before)->text(), QStringLiteral("*.gif"));
    QCOMPARE(m_main->deleteFilesPatterns().last(), QStringLiteral("*.gif"));
    // The new row is open for typing: what is typed replaces the pattern.
    auto* editor = table->findChild<QLineEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->selectedText(), QStringLiteral("*.gif"));
    QTest::keyClicks(editor, QStringLiteral("*.xmp"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(m_main->deleteFilesPatterns().last(), QStringLiteral("*.xmp"));

    table->setCurrentRow(0);
    const QString second = table->item(1)->text();
    find<QPushButton>("deleteFilesRemoveButton")->click();
    QCOMPARE(table->count(), before);
    QCOMPARE(m_main->deleteFilesPatterns().first(), second);
    // Nothing selected: nothing removed.
    table->setCurrentRow(-1);
    find<QPushButton>("deleteFilesRemoveButton")->click();
    QCOMPARE(table->count(), before);
}

void TestPreferencesWindow::advancedOptionsShowAndHide()
{
    m_main->setShowAdvancedOptions(false);
    makeWindow();
    auto* tabs = find<QTabWidget>("mainTabView");
    QVERIFY(tabs->isHidden());
    QVERIFY(find<QPushButton>("editFileStylesButton")->isHidden());
    const int shortHeight = m_window->height();
    find<QCheckBox>("showAdvancedOptionsCheckBox")->click();
    QVERIFY(!tabs->isHidden());
    QVERIFY(!find<QPushButton>("editFileStylesButton")->isHidden());
    QVERIFY(m_window->height() > shortHeight);
    QVERIFY(m_main->showAdvancedOptions());
    find<QCheckBox>("showAdvancedOptionsCheckBox")->click();
    QVERIFY(tabs->isHidden());
    QVERIFY(!m_main->showAdvancedOptions());
}

// The list offers what the desktop lists; the setting is the entry's path,
// which the launcher reads.
void TestPreferencesWindow::installedApplicationsAreOffered()
{
    auto* popUp = find<QComboBox>("openFilesApplicationPopUp");
    const int viewer = popUp->findText(QStringLiteral("Test Viewer"));
    QVERIFY(viewer > 0);
    QCOMPARE(popUp->findText(QStringLiteral("Hidden Tool")), -1);
    QCOMPARE(popUp->findText(QStringLiteral("Not this")), -1);
    if (!m_main->openFilesAfterRenaming())
        find<QCheckBox>("openFilesCheckBox")->click();
    activate(popUp, viewer);
    QCOMPARE(m_main->openFilesApplication(), m_viewerDesktopFile);
    QCOMPARE(find<QLineEdit>("openFilesTextField")->text(), m_viewerDesktopFile);
    QCOMPARE(popUp->currentIndex(), 0);
    // Cancelling the program chooser keeps the choice.
    FileDialog::setNextFileNames({});
    find<QPushButton>("openFilesChooseButton")->click();
    QCOMPARE(m_main->openFilesApplication(), m_viewerDesktopFile);
}

void TestPreferencesWindow::editorsOpenAsSheets()
{
    m_main->setShowAdvancedOptions(true);
    makeWindow();
    find<QPushButton>("editFileStylesButton")->click();
    NamingStylesWindow* files = m_window->fileStylesWindow();
    QVERIFY(files && files->isVisible());
    QCOMPARE(files->windowModality(), Qt::WindowModal);
    QCOMPARE(files->parentWidget(), m_window.get());
    QVERIFY(files->findChild<QLineEdit*>(QStringLiteral("testFileNameTextField")));
    files->findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    QVERIFY(!files->isVisible());

    find<QRadioButton>("downloadMatrixRow2")->click();
    find<QPushButton>("downloadEditStylesButton")->click();
    NamingStylesWindow* folders = m_window->folderStylesWindow();
    QVERIFY(folders && folders->isVisible());
    QVERIFY(!folders->findChild<QLineEdit*>(QStringLiteral("testFileNameTextField")));
    QVERIFY(!folders->findChild<QComboBox*>(QStringLiteral("subString0TypePopUp")));
    // Closing the panel closes its sheets.
    m_window->close();
    QVERIFY(!folders->isVisible());
    QVERIFY(!m_window->isVisible());
}

void TestPreferencesWindow::menuCommandOpensThePanel()
{
    cleanup();
    QTemporaryDir dir;
    MainController controller(PreferencesStore(dir.filePath(QStringLiteral("s.json"))));
    controller.setRunLockPath(dir.filePath(QStringLiteral("run.lock")));
    DesktopApplication desktop(controller);
    desktop.start({});
    controller.fileNameGenerators().addGenerator()->setFormatString(QStringLiteral("n%Q%F"));
    QVERIFY(desktop.mainWindow());
    auto* action = desktop.mainWindow()->findChild<QAction*>(QStringLiteral("preferencesAction"));
    QVERIFY(action && action->isEnabled());
    action->trigger();
    PreferencesWindow* panel = desktop.preferencesWindow();
    QVERIFY(panel && panel->isVisible());
    // The panel edits the collections the runs name with.
    auto* popUp = panel->findChild<QComboBox*>(QStringLiteral("stylePopUp"));
    activate(popUp, 2);
    QCOMPARE(controller.fileNameGenerators().indexOfCurrentGenerator(), 2);
    action->trigger();
    QCOMPARE(desktop.preferencesWindow(), panel);
    // A run's new sequence counters show in the titles once it has ended.
    controller.setFileSeqCounter(41);
    QVERIFY(!popUp->itemText(popUp->count() - 1).contains(QLatin1String("41")));
    emit desktop.status().runEnded();
    QVERIFY(popUp->itemText(popUp->count() - 1).contains(QLatin1String("41")));
    desktop.quit();
}

// The options for camera cards and the Dates tab write their settings and
// show them again after a save and load.
void TestPreferencesWindow::cameraOptionsAndDatesTab()
{
    find<QCheckBox>("namePairsTogetherCheckBox")->click();
    find<QCheckBox>("onlyPhotosAndMoviesCheckBox")->click();
    find<QCheckBox>("copyInsteadOfMovingCheckBox")->click();
    find<QRadioButton>("downloadMatrixRow3")->click();
    auto* shift = find<QLineEdit>("timeShiftTextField");
    typeInto(shift, QStringLiteral("-0:00:05"));
    QTest::keyClick(shift, Qt::Key_Return);
    auto* zone = find<QComboBox>("nameZonePopUp");
    activate(zone, zone->findData(QStringLiteral("camera")));
    QCOMPARE(m_main->nameZone(), QStringLiteral("camera"));
    zone->lineEdit()->setText(QStringLiteral("Asia/Tokyo"));
    emit zone->lineEdit()->editingFinished();
    find<QPushButton>("modelShiftNewButton")->click();
    auto* table = find<QTableWidget>("modelShiftTableView");
    QCOMPARE(table->rowCount(), 1);
    table->item(0, 0)->setText(QStringLiteral("Canon EOS R6"));

    QVERIFY(!m_main->namePairsTogether());
    QVERIFY(m_main->onlyPhotosAndMovies());
    QVERIFY(m_main->copyInsteadOfMoving());
    QCOMPARE(m_main->downloadOptions(), 3);
    QCOMPARE(m_main->timeShift(), QStringLiteral("-0:00:05"));
    QCOMPARE(m_main->nameZone(), QStringLiteral("Asia/Tokyo"));
    QCOMPARE(m_main->timeShiftByModel(), QStringList{"Canon EOS R6=+1h"});

    QString error;
    QVERIFY2(m_main->savePreferences(&error), qPrintable(error));
    m_window.reset();
    m_prefs.reset();
    m_main = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_main->loadPreferences();
    makeWindow();
    QVERIFY(!find<QCheckBox>("namePairsTogetherCheckBox")->isChecked());
    QVERIFY(find<QCheckBox>("onlyPhotosAndMoviesCheckBox")->isChecked());
    QVERIFY(find<QCheckBox>("copyInsteadOfMovingCheckBox")->isChecked());
    QVERIFY(find<QRadioButton>("downloadMatrixRow3")->isChecked());
    QCOMPARE(find<QLineEdit>("timeShiftTextField")->text(), QStringLiteral("-0:00:05"));
    QCOMPARE(find<QComboBox>("nameZonePopUp")->currentText(), QStringLiteral("Asia/Tokyo"));
    QCOMPARE(find<QTableWidget>("modelShiftTableView")->item(0, 1)->text(), QStringLiteral("+1h"));
}

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
