// The main window's logic without the window: the names-first plan and its
// hand-over to the real run, the undo of the last run, and the one-run lock
// the desktop application's runs take.
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/MainWindowController.h"
#include "journal/RunLock.h"
#include "platform/Translations.h"

#include <QSignalSpy>
#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

class RecordingMainView : public MainWindowView
{
public:
    void showStyles(const QList<StylePopUpItem>& files, int fileItem, const QList<StylePopUpItem>&, int) override
    {
        fileItems = files;
        currentFileItem = fileItem;
    }
    void showDropAction(const QString& text) override { dropAction = text; }
    void showNames(bool isShown, const QList<FileReport>& shownRows, bool) override
    {
        shown = isShown;
        rows = shownRows;
    }
    void showUndo(const QString& text, bool enabled) override
    {
        undoText = text;
        undoEnabled = enabled;
    }

    QList<StylePopUpItem> fileItems;
    int currentFileItem = -1;
    QString dropAction;
    bool shown = false;
    QList<FileReport> rows;
    QString undoText;
    bool undoEnabled = false;
};

} // namespace

class TestMainWindowController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Translations::install(QStringLiteral("en"))); }
    void namesFirstPlansThenRenamesAsShown();
    void undoOfferCountsAndPutsBack();
    void lockHeldElsewhereStopsRunAndUndo();
    void dropActionFollowsTheSettings();
    void namesFirstShowsEveryMemberAndTheShift();

private:
    static void makeCard(const RunBench& bench)
    {
        copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/IMG_0001.JPG"));
        copyData(QStringLiteral("exiv2-nikon-d70.jpg"), bench.card() + QStringLiteral("/DSC_0002.JPG"));
    }
    static QStringList targets(const QList<FileReport>& rows)
    {
        QStringList names;
        for (const FileReport& row : rows)
            names.append(QFileInfo(row.target).fileName());
        names.sort();
        return names;
    }
};

void TestMainWindowController::namesFirstPlansThenRenamesAsShown()
{
    RunBench bench;
    makeCard(bench);
    const QStringList before = tree(bench.card());
    bench.controller->setShowNamesFirst(true);
    MainWindowController window(*bench.controller);
    RecordingMainView view;
    window.setView(&view);

    QCOMPARE(window.open({bench.card()}), MainWindowController::Opened::Planned);
    QSignalSpy planned(&window.namesPreview(), &NamesPreview::planned);
    QVERIFY(planned.wait(5000) || !window.namesPreview().planning());
    QTRY_COMPARE(view.rows.size(), 2);
    QVERIFY(view.shown);
    const QStringList firstPlan = targets(view.rows);
    QVERIFY2(!firstPlan.contains(QString()), qPrintable(firstPlan.join(u',')));
    for (const FileReport& row : view.rows)
        QVERIFY2(!MainWindowController::dateText(row).isEmpty(), qPrintable(row.source));
    // Planning touched nothing and wrote no journal.
    QCOMPARE(tree(bench.card()), before);
    QVERIFY(tree(bench.journals()).isEmpty());

    // Another style: the table follows.
    const int other = bench.controller->namingStyle() == 0 ? 1 : 0;
    window.fileStyleChosen(StylePopUp::popUpIndexFromGeneratorIndex(bench.controller->fileNameGenerators(), other));
    QTRY_VERIFY(!view.rows.isEmpty() && targets(view.rows) != firstPlan);
    const QStringList secondPlan = targets(view.rows);

    window.renameShown();
    QVERIFY(!view.shown);
    bench.controller->waitForRun();
    QCOMPARE(tree(bench.card()), secondPlan);
}

void TestMainWindowController::undoOfferCountsAndPutsBack()
{
    RunBench bench;
    makeCard(bench);
    const QStringList before = tree(bench.card());
    bench.controller->setRunLockPath(bench.path(QStringLiteral("run.lock")));
    MainWindowController window(*bench.controller);
    RecordingMainView view;
    window.setView(&view);
    QVERIFY(!window.undoOffer().available());
    QVERIFY(!view.undoEnabled);

    QCOMPARE(window.open({bench.card()}), MainWindowController::Opened::Started);
    bench.controller->waitForRun();
    QVERIFY(tree(bench.card()) != before);
    window.refresh();
    QVERIFY(view.undoEnabled);
    const MainWindowController::UndoOffer offer = window.undoOffer();
    QCOMPARE(offer.files, 2);
    QCOMPARE(window.undoSummary().files, 2);
    QVERIFY(window.undoQuestion(offer).contains(QLatin1String("2")));

    const MainWindowController::UndoResult result = window.undoLastRun(offer);
    QCOMPARE(result.outcome, MainWindowController::UndoOutcome::Done);
    QCOMPARE(result.restored, 2);
    QCOMPARE(tree(bench.card()), before);
    QVERIFY(!window.undoOffer().available());
    QVERIFY(!view.undoEnabled);
}

// Another process's run (here: a lock taken on another descriptor) keeps the
// desktop application's run and undo from starting; nothing moves.
void TestMainWindowController::lockHeldElsewhereStopsRunAndUndo()
{
    RunBench bench;
    makeCard(bench);
    const QString lockPath = bench.path(QStringLiteral("run.lock"));
    bench.controller->setRunLockPath(lockPath);
    MainWindowController window(*bench.controller);

    QCOMPARE(window.open({bench.card()}), MainWindowController::Opened::Started);
    bench.controller->waitForRun();
    const QStringList renamed = tree(bench.card());
    const MainWindowController::UndoOffer offer = window.undoOffer();
    QCOMPARE(offer.files, 2);

    RunLock other(lockPath);
    QCOMPARE(other.tryTake(), RunLock::State::Taken);
    QCOMPARE(window.undoLastRun(offer).outcome, MainWindowController::UndoOutcome::Locked);
    QCOMPARE(tree(bench.card()), renamed);

    copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/IMG_0003.JPG"));
    window.open({bench.card() + QStringLiteral("/IMG_0003.JPG")});
    bench.controller->waitForRun();
    QVERIFY(tree(bench.card()).contains(QStringLiteral("IMG_0003.JPG")));
    QCOMPARE(bench.frontEnd->alerts.size(), 1);
    QVERIFY2(bench.frontEnd->alerts.first().contains(QString::number(QCoreApplication::applicationPid())),
             qPrintable(bench.frontEnd->alerts.first()));
    QCOMPARE(bench.controller->toOpenCount(), 0);

    other.release();
    QCOMPARE(window.undoLastRun(offer).outcome, MainWindowController::UndoOutcome::Done);
}

// The line under the drop area says where a drop goes and whether the
// originals stay, and follows each change of those settings.
void TestMainWindowController::dropActionFollowsTheSettings()
{
    RunBench bench;
    MainWindowController window(*bench.controller);
    RecordingMainView view;
    window.setView(&view);
    bench.controller->setDownloadDestinationFolder(QStringLiteral("/photos"));
    bench.controller->setDownloadOptions(int(DownloadOption::ByDayFolders));
    QCOMPARE(view.dropAction, QStringLiteral("Dropped files are moved into folders by capture day in /photos."));
    bench.controller->setCopyInsteadOfMoving(true);
    QCOMPARE(view.dropAction, QStringLiteral("Dropped files are copied into folders by capture day in /photos."));
    bench.controller->setDownloadOptions(int(DownloadOption::InPlace));
    QCOMPARE(view.dropAction, QStringLiteral("Dropped files are copied beside themselves under their new names."));
}

// A pair named as one group is two rows of the table, with one base name;
// a shifted date says so.
void TestMainWindowController::namesFirstShowsEveryMemberAndTheShift()
{
    RunBench bench;
    copyData(QStringLiteral("P1000244.JPG"), bench.card() + QStringLiteral("/P1000244.JPG"));
    copyData(QStringLiteral("P1000244.MOV"), bench.card() + QStringLiteral("/P1000244.MOV"));
    bench.controller->setShowNamesFirst(true);
    bench.controller->setTimeShift(QStringLiteral("+1h"));
    MainWindowController window(*bench.controller);
    RecordingMainView view;
    window.setView(&view);
    QCOMPARE(window.open({bench.card()}), MainWindowController::Opened::Planned);
    QTRY_COMPARE(view.rows.size(), 2);
    QCOMPARE(targets(view.rows), (QStringList{"2023-10-21_11-20-01.jpg", "2023-10-21_11-20-01.mov"}));
    for (const FileReport& row : view.rows)
        QCOMPARE(MainWindowController::dateText(row), QStringLiteral("2023-10-21 11:20:01 (shifted +1h)"));
}

QTEST_GUILESS_MAIN(TestMainWindowController)
#include "tst_mainwindowcontroller.moc"
