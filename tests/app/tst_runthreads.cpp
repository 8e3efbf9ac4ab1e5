// The run on its worker thread and a front end on the application's thread,
// joined by the Qt bridge, as the desktop application joins them: calls keep
// their order and two-way calls block; the person may change and delete
// styles and settings while a run goes on; quitting never deadlocks.
#include "RunBench.h"
#include "TestFiles.h"
#include "controllers/StatusBridge.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <mutex>
#include <thread>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

// Records every call with the thread it ran on.
class RecordingTarget : public StatusProxy
{
public:
    void showAlertPanel(const QString& message) override { record(QStringLiteral("alert ") + message); }
    void closeFIW() override { record(QStringLiteral("closeFIW")); }
    void openFIW() override { record(QStringLiteral("openFIW")); }
    void ciwWithFile(const QString& file, const QString&, Instant) override { record(QStringLiteral("file ") + file); }
    void closeCIW() override { record(QStringLiteral("closeCIW")); }
    void openCIW() override { record(QStringLiteral("openCIW")); }
    QString fiwMakeFolderName() override
    {
        record(QStringLiteral("folderName"));
        return QStringLiteral("/made/by/the/window");
    }
    void refreshCounters() override { record(QStringLiteral("refreshCounters")); }
    void makeInfoWindowCloseTimer() override { record(QStringLiteral("closeTimer")); }
    void setNIWDoubleValue(double value) override { record(QStringLiteral("value %1").arg(value)); }
    void setNIWMaxValue(double value) override { record(QStringLiteral("max %1").arg(value)); }
    void setNIWInfo(const QString& text) override { record(QStringLiteral("info ") + text); }

    QStringList calls() const
    {
        const std::lock_guard lock(m_mutex);
        return m_calls;
    }
    bool allOnThread(QThread* thread) const
    {
        const std::lock_guard lock(m_mutex);
        return std::all_of(m_threads.begin(), m_threads.end(), [thread](QThread* t) { return t == thread; });
    }

private:
    void record(const QString& call)
    {
        const std::lock_guard lock(m_mutex);
        m_calls.append(call);
        m_threads.append(QThread::currentThread());
    }

    mutable std::mutex m_mutex;
    QStringList m_calls;
    QList<QThread*> m_threads;
};

} // namespace

class TestRunThreads : public QObject
{
    Q_OBJECT

private slots:
    void bridgeKeepsOrderAndBlocksForTwoWayCalls();
    void bridgeCarriesAFloodInOrder();
    void quitWhileTheRunWaitsInATwoWayCall();
    void quitWhileTheRunWaitsForAnAnswer();
    void stylesAndSettingsChangedDuringARunApplyToTheNext();
};

void TestRunThreads::bridgeKeepsOrderAndBlocksForTwoWayCalls()
{
    RecordingTarget target;
    StatusBridge bridge(target);
    std::atomic<bool> done{false};
    QString folder;
    qsizetype seenAfterTwoWay = -1;
    std::thread worker([&] {
        bridge.openCIW();
        bridge.ciwWithFile(QStringLiteral("a.jpg"), QString(), 0);
        bridge.setNIWInfo(QStringLiteral("two-way"));
        // A two-way call has been carried out when it returns.
        seenAfterTwoWay = target.calls().size();
        folder = bridge.fiwMakeFolderName();
        bridge.showAlertPanel(QStringLiteral("last"));
        done = true;
    });
    bridge.serveUntil([&] { return done.load(); });
    worker.join();
    QCOMPARE(target.calls(), (QStringList{"openCIW", "file a.jpg", "info two-way", "folderName", "alert last"}));
    QCOMPARE(seenAfterTwoWay, 3);
    QCOMPARE(folder, QStringLiteral("/made/by/the/window"));
    QVERIFY(target.allOnThread(QThread::currentThread()));

    // Called on its own thread, a two-way call is carried out at once.
    QCOMPARE(bridge.fiwMakeFolderName(), QStringLiteral("/made/by/the/window"));
    bridge.shutdown();
    bridge.setNIWInfo(QStringLiteral("dropped"));
    bridge.showAlertPanel(QStringLiteral("dropped"));
    QCoreApplication::processEvents();
    QCOMPARE(target.calls().size(), 6);
}

void TestRunThreads::bridgeCarriesAFloodInOrder()
{
    RecordingTarget target;
    StatusBridge bridge(target);
    constexpr int kCalls = 20000;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < kCalls; ++i) {
            if (i % 1000 == 999)
                bridge.setNIWDoubleValue(i);
            else
                bridge.showAlertPanel(QString::number(i));
        }
        done = true;
    });
    bridge.serveUntil([&] { return done.load(); });
    worker.join();
    const QStringList calls = target.calls();
    QCOMPARE(calls.size(), kCalls);
    for (int i = 0; i < kCalls; ++i) {
        const QString expected = i % 1000 == 999 ? QStringLiteral("value %1").arg(i) : "alert " + QString::number(i);
        QCOMPARE(calls.at(i), expected);
    }
}

// The application's thread is busy (not serving) while the run blocks in a
// progress call; the quit that follows carries that call out and ends the
// run instead of waiting for it for ever.
void TestRunThreads::quitWhileTheRunWaitsInATwoWayCall()
{
    RunBench bench;
    for (int i = 0; i < 20; ++i)
        copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/%1.jpg").arg(i));
    StatusBridge bridge(*bench.frontEnd);
    bench.controller->setStatusBridge(&bridge);
    bench.controller->applicationOpenFiles({bench.card()});
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the run is blocked in its first two-way call
    QVERIFY(bench.controller->isRunning());
    QElapsedTimer timer;
    timer.start();
    bench.controller->applicationShouldTerminate();
    QVERIFY(timer.elapsed() < 10000);
    QVERIFY(!bench.controller->isRunning());
    QVERIFY(bench.frontEnd->ended);
    bench.controller->setStatusBridge(nullptr);
}

// The person walked away from the confirm window; quitting answers abort.
void TestRunThreads::quitWhileTheRunWaitsForAnAnswer()
{
    RunBench bench;
    copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/a.jpg"));
    bench.controller->setConfirmEachFile(true);
    bool shown = false;
    class Silent : public ScriptedFrontEnd
    {
    public:
        using ScriptedFrontEnd::ScriptedFrontEnd;
        bool* shown = nullptr;
        void askFile(const QString&) override { *shown = true; }
    } frontEnd(*bench.controller);
    frontEnd.shown = &shown;
    StatusBridge bridge(frontEnd);
    bench.controller->setStatusBridge(&bridge);
    bench.controller->applicationOpenFiles({bench.card()});
    bridge.serveUntil([&] { return shown; });
    bench.controller->applicationShouldTerminate();
    QVERIFY(!bench.controller->isRunning());
    QCOMPARE(tree(bench.card()), QStringList{"a.jpg"});
    bench.controller->setStatusBridge(nullptr);
}

// While the first file is on show, the person deletes the style the run
// uses and changes the prefix; the run goes on with what it started with,
// and the next run takes the changes.
void TestRunThreads::stylesAndSettingsChangedDuringARunApplyToTheNext()
{
    RunBench bench;
    MainController& controller = *bench.controller;
    for (int i = 1; i <= 3; ++i)
        copyData(QStringLiteral("Canon1DmkIII.jpg"), bench.card() + QStringLiteral("/%1.jpg").arg(i));
    NameGenerator* style = controller.fileNameGenerators().addGenerator();
    style->setFormatString(QStringLiteral("%Ptrip-%Q%F"));
    controller.setNamingStyle(controller.fileNameGenerators().count() - 1);
    controller.setPrefixSuffixType(2);
    controller.setPrefixString(QStringLiteral("old-"));
    controller.setConfirmEachFile(true);
    controller.setFileSeqCounter(1);
    bench.frontEnd->ciwAnswers = {3}; // rename all
    bench.frontEnd->onShow = [&](const QString&) {
        QVERIFY(QThread::currentThread() == QCoreApplication::instance()->thread());
        controller.fileNameGenerators().deleteCurrentGenerator();
        controller.setPrefixString(QStringLiteral("new-"));
    };
    StatusBridge bridge(*bench.frontEnd);
    controller.setStatusBridge(&bridge);
    bench.runOn({bench.card()});
    QCOMPARE(tree(bench.card()), (QStringList{"old-trip-1.jpg", "old-trip-2.jpg", "old-trip-3.jpg"}));

    // The next run goes by the style now current and the new prefix.
    controller.setNamingStyle(controller.fileNameGenerators().indexOfCurrentGenerator());
    bench.frontEnd->onShow = nullptr;
    bench.frontEnd->ciwAnswers = {3};
    copyData(QStringLiteral("exiv2-nikon-d70.jpg"), bench.card() + QStringLiteral("/4.jpg"));
    bench.runOn({bench.card() + QStringLiteral("/4.jpg")});
    const QStringList names = tree(bench.card());
    QCOMPARE(names.size(), 4);
    QCOMPARE(names.filter(QStringLiteral("trip")).size(), 3);
    QCOMPARE(names.filter(QStringLiteral("new-")).size(), 1);
    controller.setStatusBridge(nullptr);
}

QTEST_GUILESS_MAIN(TestRunThreads)
#include "tst_runthreads.moc"
