// The desktop application as a person meets it, on the offscreen platform:
// started with paths it renames and quits; the main window plans, renames
// and undoes; the progress window aborts; alerts join one another; quitting
// while the run waits for an answer ends the run.
#include "FaultyFileSystem.h"
#include "TestFiles.h"
#include "controllers/MainController.h"
#include "controllers/MainWindowController.h"
#include "platform/LocalizedStrings.h"
#include "platform/Translations.h"
#include "settings/PreferencesStore.h"
#include "windows/AlertPanel.h"
#include "windows/CIWWindow.h"
#include "windows/DesktopApplication.h"
#include "windows/FIWWindow.h"
#include "windows/FileDialog.h"
#include "windows/GuiStatus.h"
#include "windows/MainWindow.h"
#include "windows/MessageBox.h"
#include "windows/NamesTableModel.h"
#include "windows/ProgressWindow.h"
#include "windows/SingleInstance.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

// A controller with its own settings, journals and lock, renaming without
// asking unless a test says otherwise.
struct Bench
{
    Bench()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("share"))));
        controller = std::make_unique<MainController>(PreferencesStore(dir.filePath(QStringLiteral("s.json"))));
        controller->setJournalFolder(dir.filePath(QStringLiteral("journals")));
        controller->setFileSystem(&fileSystem);
        desktop = std::make_unique<DesktopApplication>(*controller);
        controller->setRunLockPath(dir.filePath(QStringLiteral("run.lock")));
    }
    ~Bench()
    {
        desktop.reset();
        controller.reset();
    }
    QString card() const { return dir.filePath(QStringLiteral("card")); }
    QStringList makeCard(int count = 2) const
    {
        QStringList files;
        for (int i = 0; i < count; ++i) {
            const QString file = card() + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
            copyData(i % 2 ? QStringLiteral("exiv2-nikon-d70.jpg") : QStringLiteral("Canon1DmkIII.jpg"), file);
            files.append(file);
        }
        return files;
    }
    void startPlainly(bool confirmEachFile = false)
    {
        desktop->start({});
        controller->setConfirmEachFile(confirmEachFile);
    }

    QTemporaryDir dir;
    FaultyFileSystem fileSystem;
    std::unique_ptr<MainController> controller;
    std::unique_ptr<DesktopApplication> desktop;
};

template <typename T> T* find(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            if (auto* widget = qobject_cast<T*>(top))
                return widget;
        if (auto* child = top->findChild<T*>(name))
            return child;
    }
    return nullptr;
}

} // namespace

class TestDesktopApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Translations::install(QStringLiteral("en"))); }
    void startedWithPathsRenamesAndQuits();
    void mainWindowPlansRenamesAndUndoes();
    void abortFromTheProgressWindow();
    void alertsJoinOneAnother();
    void quitWhileTheRunWaitsForAnAnswer();
    void confirmWindowAnswersEachFile();
    void confirmWindowAbortKeepsEveryName();
    void folderWindowNamesTheDatedFolder();
    void secondStartHandsItsPathsOver();

private:
    // Waits until the confirm window shows `name` and can take an answer.
    static bool showing(Bench& bench, const QString& name)
    {
        CIWController& ciw = bench.controller->ciwController();
        return QTest::qWaitFor(
            [&] {
                return QFileInfo(ciw.oldFileName()).fileName() == name &&
                       button(bench.desktop->ciwWindow(), "dontRenameButton")->isEnabled();
            },
            5000);
    }
    static QPushButton* button(QWidget& window, const char* name)
    {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
};

void TestDesktopApplication::startedWithPathsRenamesAndQuits()
{
    Bench bench;
    const QStringList files = bench.makeCard(3);
    // The settings a person saved before: no question for each file.
    writeFile(bench.dir.filePath(QStringLiteral("s.json")), R"({"confirmEachFile": false})");
    QSignalSpy finished(bench.desktop.get(), &DesktopApplication::finished);
    bench.desktop->start({bench.card()});
    QCOMPARE(bench.controller->startMode(), 2);
    QVERIFY(!bench.desktop->mainWindow());
    QTRY_VERIFY_WITH_TIMEOUT(bench.desktop->progressWindow().isVisible() || finished.count() == 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    for (const QString& file : files)
        QVERIFY2(!QFile::exists(file), qPrintable(file));
    QCOMPARE(tree(bench.card()).size(), 3);
    QVERIFY(!bench.desktop->progressWindow().isVisible());
    QVERIFY(QFile::exists(bench.dir.filePath(QStringLiteral("s.json"))));
    QVERIFY(contentOf(bench.dir.filePath(QStringLiteral("s.json"))).contains("fileSeqCounter"));
}

void TestDesktopApplication::mainWindowPlansRenamesAndUndoes()
{
    Bench bench;
    bench.makeCard(2);
    const QStringList before = tree(bench.card());
    bench.startPlainly();
    QVERIFY(bench.desktop->mainWindow());
    QVERIFY(QTest::qWaitForWindowExposed(bench.desktop->mainWindow()));

    auto* namesFirst = find<QCheckBox>(QStringLiteral("namesFirstCheckBox"));
    QVERIFY(namesFirst);
    namesFirst->click();
    QVERIFY(bench.controller->showNamesFirst());

    FileDialog::setNextDirectory(bench.card());
    find<QPushButton>(QStringLiteral("openFolderButton"))->click();
    NamesTableModel& names = bench.desktop->mainWindow()->namesModel();
    QTRY_COMPARE(names.rowCount(), 2);
    QVERIFY(find<QWidget>(QStringLiteral("namesBox"))->isVisible());
    QCOMPARE(tree(bench.card()), before);
    QStringList planned;
    for (int row = 0; row < 2; ++row)
        planned.append(names.index(row, NamesTableModel::NewName).data().toString());
    planned.sort();

    auto* rename = find<QPushButton>(QStringLiteral("renameNamesButton"));
    QTRY_VERIFY(rename->isEnabled());
    rename->click();
    QTRY_VERIFY(!bench.controller->isRunning());
    QTRY_COMPARE(tree(bench.card()), planned);
    QTRY_VERIFY(!bench.desktop->progressWindow().isVisible());

    auto* undo = find<QPushButton>(QStringLiteral("undoButton"));
    QTRY_VERIFY(undo->isEnabled());
    MessageBox::setNextAnswer(MessageBox::Yes);
    MessageBox::setNextAnswer(MessageBox::Ok);
    undo->click();
    QCOMPARE(tree(bench.card()), before);
    QVERIFY(!undo->isEnabled());
}

void TestDesktopApplication::abortFromTheProgressWindow()
{
    Bench bench;
    const QStringList files = bench.makeCard(40);
    // Each move takes a while, so that the click lands during the run.
    bench.fileSystem.beforeCall = [](FaultyFileSystem::Operation operation, const QString&) {
        if (operation == FaultyFileSystem::RenameNoReplace)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    };
    bench.startPlainly();
    bench.desktop->openPaths({bench.card()});
    ProgressWindow& progress = bench.desktop->progressWindow();
    QTRY_VERIFY(progress.isVisible());
    QTRY_VERIFY(progress.value() >= 2);
    QCOMPARE(progress.maximum(), 40.0);
    find<QPushButton>(QStringLiteral("progressAbortButton"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.controller->isRunning(), 5000);
    QTRY_COMPARE(find<QLabel>(QStringLiteral("progressInfo"))->toolTip(),
                 LocalizedStrings::shared().text(QStringLiteral("NormalInfoRenamingAborted")));
    QCOMPARE(progress.value(), 0.0);
    int untouched = 0;
    for (const QString& file : files)
        untouched += QFile::exists(file) ? 1 : 0;
    QVERIFY2(untouched > 0 && untouched < 40, qPrintable(QString::number(untouched)));
    // The window closes on its timer; a plain start stays.
    QTRY_VERIFY(!progress.isVisible());
    QVERIFY(!bench.desktop->quitting());
}

void TestDesktopApplication::alertsJoinOneAnother()
{
    Bench bench;
    const QStringList files = bench.makeCard(3);
    bench.fileSystem.fail(FaultyFileSystem::RenameNoReplace, 1, EACCES);
    bench.fileSystem.fail(FaultyFileSystem::RenameNoReplace, 2, EACCES);
    bench.startPlainly();
    bench.desktop->openPaths({bench.card()});
    QTRY_VERIFY(!bench.controller->isRunning());
    AlertPanel& alerts = bench.desktop->alertPanel();
    QTRY_VERIFY(alerts.isVisible());
    QCOMPARE(alerts.messages().size(), 2);
    QCOMPARE(find<QLabel>(QStringLiteral("alertMessage"))->text(), alerts.messages().first());
    QCOMPARE(find<QListWidget>(QStringLiteral("alertList"))->count(), 1);
    QVERIFY(find<QLabel>(QStringLiteral("alertMoreLabel"))->isVisible());
    int alertWindows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        alertWindows += top->isVisible() && qobject_cast<AlertPanel*>(top) ? 1 : 0;
    QCOMPARE(alertWindows, 1);

    find<QPushButton>(QStringLiteral("alertOkButton"))->click();
    QVERIFY(!alerts.isVisible());
    // A new alert starts afresh, its message exactly as sent.
    const QString percent = QStringLiteral("%1 of 100% done: %n");
    bench.desktop->status().showAlertPanel(percent);
    QVERIFY(alerts.isVisible());
    QCOMPARE(find<QLabel>(QStringLiteral("alertMessage"))->text(), percent);
    QVERIFY(!find<QLabel>(QStringLiteral("alertMoreLabel"))->isVisible());
}

void TestDesktopApplication::quitWhileTheRunWaitsForAnAnswer()
{
    Bench bench;
    const QStringList files = bench.makeCard(2);
    bench.startPlainly(true);
    bench.desktop->openPaths({bench.card()});
    QTRY_VERIFY(bench.controller->ciwController().opened());
    QVERIFY(bench.controller->isRunning());
    bench.desktop->quit();
    QVERIFY(!bench.controller->isRunning());
    for (const QString& file : files)
        QVERIFY(QFile::exists(file));
}

// The person answers each file in the window: an edited name, don't
// rename, a corrected date, then rename-all for the rest.
void TestDesktopApplication::confirmWindowAnswersEachFile()
{
    Bench bench;
    bench.makeCard(5);
    bench.startPlainly(true);
    bench.desktop->openPaths({bench.card()});
    CIWWindow& window = bench.desktop->ciwWindow();

    QVERIFY(showing(bench, QStringLiteral("IMG_0000.JPG")));
    QVERIFY(window.isVisible());
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("newNameField"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("edited.jpg"));
    QCOMPARE(bench.controller->ciwController().proposedFileName(), QStringLiteral("edited.jpg"));
    QTest::keyClick(name, Qt::Key_Return);

    QVERIFY(showing(bench, QStringLiteral("IMG_0001.JPG")));
    QTest::keyClick(&window, Qt::Key_Escape);

    QVERIFY(showing(bench, QStringLiteral("IMG_0002.JPG")));
    const QString proposed = bench.controller->ciwController().proposedFileName();
    window.findChild<QCheckBox*>(QStringLiteral("correctionEnableCheckBox"))->click();
    auto* hours = window.findChild<QSpinBox*>(QStringLiteral("correctionHoursSpin"));
    hours->stepUp();
    const QString corrected = bench.controller->ciwController().proposedFileName();
    QVERIFY2(corrected != proposed, qPrintable(corrected));
    button(window, "renameButton")->click();

    QVERIFY(showing(bench, QStringLiteral("IMG_0003.JPG")));
    button(window, "renameAllButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.controller->isRunning(), 5000);

    const QStringList card = tree(bench.card());
    QVERIFY2(card.contains(QStringLiteral("edited.jpg")), qPrintable(card.join(u',')));
    QVERIFY(card.contains(QStringLiteral("IMG_0001.JPG")));
    QVERIFY(card.contains(corrected));
    QVERIFY(!card.contains(QStringLiteral("IMG_0003.JPG")) && !card.contains(QStringLiteral("IMG_0004.JPG")));
    QCOMPARE(card.size(), 5);
    QTRY_VERIFY(!window.isVisible());
}

void TestDesktopApplication::confirmWindowAbortKeepsEveryName()
{
    Bench bench;
    bench.makeCard(3);
    const QStringList before = tree(bench.card());
    bench.startPlainly(true);
    bench.desktop->openPaths({bench.card()});
    QVERIFY(showing(bench, QStringLiteral("IMG_0000.JPG")));
    button(bench.desktop->ciwWindow(), "abortButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.controller->isRunning(), 5000);
    QCOMPARE(tree(bench.card()), before);
}

// With the folder name asked for, the folder window names the dated folder
// the files go to; its abort makes no folder and moves nothing.
void TestDesktopApplication::folderWindowNamesTheDatedFolder()
{
    Bench bench;
    bench.makeCard(2);
    const QString download = bench.dir.filePath(QStringLiteral("download"));
    QDir().mkpath(download);
    bench.startPlainly();
    bench.controller->setDownloadDestinationFolder(download);
    bench.controller->setDownloadOptions(2);
    bench.controller->setDownloadPrefixSuffixType(1);
    FIWWindow& window = bench.desktop->fiwWindow();

    bench.desktop->openPaths({bench.card()});
    QTRY_VERIFY(window.isVisible());
    button(window, "abortButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.controller->isRunning(), 5000);
    QVERIFY(tree(download, true).isEmpty());
    QCOMPARE(tree(bench.card()).size(), 2);

    bench.desktop->openPaths({bench.card()});
    QTRY_VERIFY(window.isVisible());
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("nameField"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Holiday"));
    QTest::keyClick(name, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!bench.controller->isRunning(), 5000);
    QVERIFY(tree(bench.card()).isEmpty());
    QCOMPARE(tree(download + QStringLiteral("/Holiday")).size(), 2);
}

void TestDesktopApplication::secondStartHandsItsPathsOver()
{
    Bench bench;
    bench.makeCard(2);
    bench.startPlainly();
    const QString folder = bench.dir.filePath(QStringLiteral("runtime"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    SingleInstance first(QStringLiteral("lumenscribe-test"), folder);
    QCOMPARE(first.start({}, QDir::currentPath()), SingleInstance::Role::Primary);
    connect(&first, &SingleInstance::pathsReceived, bench.desktop.get(), &DesktopApplication::openPaths);

    // The later start runs on a thread of its own, as another process would.
    SingleInstance::Role role = SingleInstance::Role::Alone;
    std::thread second([&] {
        SingleInstance instance(QStringLiteral("lumenscribe-test"), folder);
        role = instance.start({QStringLiteral("card")}, bench.dir.path());
    });
    QTRY_VERIFY_WITH_TIMEOUT(
        tree(bench.card()).size() == 2 && !tree(bench.card()).contains(QStringLiteral("IMG_0000.JPG")), 5000);
    second.join();
    QCOMPARE(role, SingleInstance::Role::HandedOver);
}

QTEST_MAIN(TestDesktopApplication)
#include "tst_desktopapplication.moc"
