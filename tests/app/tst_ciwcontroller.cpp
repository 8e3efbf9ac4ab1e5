// The confirmation windows' logic: the name check, the prefix and suffix
// choice, the date correction and the wait for an answer.
#include "TestDates.h"
#include "controllers/CIWController.h"
#include "controllers/FIWController.h"
#include "controllers/MainController.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

using namespace lumenscribe;
using lumenscribe::test::localInstant;

namespace {

// Records what the window would show.
class RecordingView : public CIWView
{
public:
    QString newName;
    QString info;
    bool renameEnabled = false;
    QString prefix;
    bool prefixEnabled = false;
    bool suffixEnabled = false;
    Focus focus = Focus::NewName;
    int selectionLength = -1;
    std::array<int, 6> correction{};
    QString difference;

    void openWindow() override {}
    void closeWindow() override {}
    void showOldName(const QString&) override {}
    void showNewName(const QString& name) override { newName = name; }
    void showInfo(const QString& text) override { info = text; }
    void setRenameButtonsEnabled(bool enabled) override { renameEnabled = enabled; }
    void showPrefixSuffix(const QString& p, bool pe, const QString&, bool se) override
    {
        prefix = p;
        prefixEnabled = pe;
        suffixEnabled = se;
    }
    void setFocus(Focus f, int, int length) override
    {
        focus = f;
        selectionLength = length;
    }
    void showCorrection(const std::array<int, 6>& fields, const QString&, const QString& diff) override
    {
        correction = fields;
        difference = diff;
    }
    void showFile(const QString&) override {}
};

} // namespace

class TestCIWController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void nameCheck_data();
    void nameCheck();
    void prefixSuffixChoice_data();
    void prefixSuffixChoice();
    void proposedNameAndSelection();
    void editingRechecksWithoutRemaking();
    void typedTextNeverLeavesTheFolder();
    void correctionHoldsForLaterFiles();
    void waitAnswersAbortOnTermination();
    void answerGivenBeforeTheWaitIsKept();
    void answerCountsOnlyForItsOwnQuestion();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainController> m_controller;
    RecordingView m_view;
};

void TestCIWController::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_controller = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_controller->ciwController().setView(&m_view);
    QFile(m_dir->filePath(QStringLiteral("taken.jpg"))).open(QIODevice::WriteOnly);
}

void TestCIWController::nameCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<int>("result");
    QTest::newRow("empty") << "" << 1u << 1;
    QTest::newRow("31 units with the alert") << QString(31, u'a') << 1u << 0;
    QTest::newRow("32 units with the alert") << QString(32, u'a') << 1u << 2;
    QTest::newRow("32 units without it") << QString(32, u'a') << 0u << 0;
    QTest::newRow("taken") << "taken.jpg" << 0u << 3;
    QTest::newRow("more than 255 bytes") << QString(128, QChar(0xe4)) << 0u << 2;
    QTest::newRow("path over 2047 bytes") << QString(200, u'a') + u'/' + QString(1900, u'b') << 0u << 2;
    QTest::newRow("a slash") << "../a.jpg" << 0u << 4;
    QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b.jpg") << 0u << 4;
    QTest::newRow("dot") << "." << 0u << 4;
    QTest::newRow("dot dot") << ".." << 0u << 4;
}

void TestCIWController::nameCheck()
{
    QFETCH(QString, name);
    QFETCH(unsigned, flags);
    QFETCH(int, result);
    QCOMPARE(CIWController::checkFileName(name, m_dir->path(), flags), result);
}

void TestCIWController::prefixSuffixChoice_data()
{
    QTest::addColumn<int>("windowIndex");
    QTest::addColumn<int>("appType");
    QTest::addColumn<QString>("name");
    QTest::newRow("0: none") << 0 << 4 << "x.jpg";
    QTest::newRow("1 as the application, prefix and suffix") << 1 << 4 << "AxB.jpg";
    QTest::newRow("1 as the application, ask gives none") << 1 << 1 << "x.jpg";
    QTest::newRow("1 as the application, suffix") << 1 << 3 << "xB.jpg";
    QTest::newRow("2: the window's prefix") << 2 << 0 << "wx.jpg";
    QTest::newRow("3: the window's suffix") << 3 << 0 << "xv.jpg";
    QTest::newRow("4: both of the window's") << 4 << 2 << "wxv.jpg";
}

void TestCIWController::prefixSuffixChoice()
{
    QFETCH(int, windowIndex);
    QFETCH(int, appType);
    QFETCH(QString, name);
    m_controller->fileNameGenerators().addGenerator()->setFormatString(QStringLiteral("%Px%S%F"));
    m_controller->setNamingStyle(7);
    m_controller->setPrefixString(QStringLiteral("A"));
    m_controller->setSuffixString(QStringLiteral("B"));
    m_controller->setPrefixSuffixType(appType);
    CIWController& ciw = m_controller->ciwController();
    ciw.setPrefix(QStringLiteral("w"));
    ciw.setSuffix(QStringLiteral("v"));
    ciw.setPrefixSuffixType(windowIndex);
    ciw.open();
    ciw.processFile(m_dir->filePath(QStringLiteral("IMG.JPG")), m_dir->path(), 0);
    QCOMPARE(ciw.proposedFileName(), name);
    QCOMPARE(m_view.prefixEnabled, windowIndex == 2 || windowIndex == 4);
    QCOMPARE(m_view.suffixEnabled, windowIndex > 2);
}

void TestCIWController::proposedNameAndSelection()
{
    CIWController& ciw = m_controller->ciwController();
    ciw.setPrefixSuffixType(0);
    ciw.open();
    ciw.processFile(m_dir->filePath(QStringLiteral("IMG.JPG")), m_dir->path(), localInstant(2010, 1, 2, 3, 4, 5));
    QCOMPARE(m_view.newName, QStringLiteral("2010-01-02_03-04-05.jpg"));
    QCOMPARE(m_view.focus, CIWView::Focus::NewName);
    QCOMPARE(m_view.selectionLength, 19); // the base name, without ".jpg"
    QVERIFY(m_view.renameEnabled);
    QCOMPARE(ciw.newFileName(), m_dir->filePath(QStringLiteral("2010-01-02_03-04-05.jpg")));
    ciw.presuffixPopUpChange(3);
    QCOMPARE(m_view.focus, CIWView::Focus::Suffix);
}

void TestCIWController::editingRechecksWithoutRemaking()
{
    CIWController& ciw = m_controller->ciwController();
    ciw.open();
    ciw.processFile(m_dir->filePath(QStringLiteral("IMG.JPG")), m_dir->path(), 0);
    ciw.newNameTextFieldChange(QStringLiteral("taken.jpg"));
    QCOMPARE(ciw.lastCheckResult(), int(CIWController::NameExists));
    QVERIFY(!m_view.renameEnabled);
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("taken.jpg"));
    QCOMPARE(ciw.newFileName(), m_dir->filePath(QStringLiteral("taken.jpg")));
    ciw.newNameTextFieldChange(QString());
    QCOMPARE(ciw.lastCheckResult(), int(CIWController::NameEmpty));
    ciw.resetNameButtonClick();
    QCOMPARE(ciw.lastCheckResult(), int(CIWController::NameOk));
}

void TestCIWController::correctionHoldsForLaterFiles()
{
    CIWController& ciw = m_controller->ciwController();
    const Instant taken = localInstant(2010, 6, 1, 12, 0, 0);
    QCOMPARE(ciw.correctDate(taken), taken); // off until switched on
    ciw.open();
    ciw.processFile(m_dir->filePath(QStringLiteral("a.jpg")), m_dir->path(), taken);
    ciw.correctionEnableCheckBoxClick(true);
    ciw.correctionStepperChange({2010, 6, 1, 11, 0, 0}); // the camera was an hour fast
    QCOMPARE(ciw.correctionInterval(), -3600);
    QVERIFY(m_view.difference.startsWith(QStringLiteral("- 3600 ")));
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("2010-06-01_11-00-00.jpg"));

    // The next file, and later runs, keep the correction.
    const Instant next = localInstant(2010, 6, 2, 9, 30, 0);
    QCOMPARE(ciw.correctDate(next), next - 3600);
    ciw.open();
    ciw.processFile(m_dir->filePath(QStringLiteral("b.jpg")), m_dir->path(), next);
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("2010-06-02_08-30-00.jpg"));
    QCOMPARE(m_view.correction, (std::array<int, 6>{2010, 6, 2, 8, 30, 0}));

    ciw.correctionSetFileDateTimeButonClick();
    QCOMPARE(ciw.correctionInterval(), 0);
    ciw.correctionEnableCheckBoxClick(false);
    QCOMPARE(ciw.correctDate(next), next);
}

void TestCIWController::waitAnswersAbortOnTermination()
{
    CIWController& ciw = m_controller->ciwController();
    const quint64 ticket = ciw.prepareForAnswer();
    std::thread quitter([&ciw] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        ciw.terminateNow();
    });
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ciw.threadWaitForModal(ticket).code, int(CIWController::Abort));
    quitter.join();
    QVERIFY(timer.elapsed() < 2000);
    // Once set, every later wait answers abort at once.
    const quint64 later = ciw.prepareForAnswer();
    ciw.processFile(m_dir->filePath(QStringLiteral("IMG.JPG")), m_dir->path(), 0);
    ciw.renameButtonClick();
    QCOMPARE(ciw.threadWaitForModal(later).code, int(CIWController::Abort));
}

void TestCIWController::answerGivenBeforeTheWaitIsKept()
{
    CIWController& ciw = m_controller->ciwController();
    const quint64 ticket = ciw.prepareForAnswer();
    ciw.processFile(m_dir->filePath(QStringLiteral("IMG.JPG")), m_dir->path(), localInstant(2010, 1, 2, 3, 4, 5));
    QVERIFY(ciw.renameAllButtonClick()); // a front end that answers at once
    const ModalAnswer::Reply reply = ciw.threadWaitForModal(ticket);
    QCOMPARE(reply.code, int(CIWController::RenameAll));
    QCOMPARE(reply.proposal.path, m_dir->filePath(QStringLiteral("2010-01-02_03-04-05.jpg")));
}

// A second click on the window still showing the previous file reaches the
// run after it has moved on to ask about the next: it must not count for
// the next file, and the path that comes with the answer is the next file's.
void TestCIWController::answerCountsOnlyForItsOwnQuestion()
{
    CIWController& ciw = m_controller->ciwController();
    const quint64 first = ciw.prepareForAnswer();
    ciw.processFile(m_dir->filePath(QStringLiteral("a.jpg")), m_dir->path(), localInstant(2010, 1, 2, 3, 4, 5));
    QVERIFY(ciw.renameButtonClick());
    QVERIFY(!ciw.renameButtonClick()); // answered already
    QCOMPARE(ciw.threadWaitForModal(first).code, int(CIWController::Rename));

    const quint64 second = ciw.prepareForAnswer(); // the run asks; the window shows a.jpg still
    QVERIFY(!ciw.renameAllButtonClick());
    QVERIFY(!ciw.abortButtonClick());
    ciw.processFile(m_dir->filePath(QStringLiteral("b.jpg")), m_dir->path(), localInstant(2011, 1, 2, 3, 4, 5));
    QVERIFY(ciw.dontRenameButtonClick());
    const ModalAnswer::Reply reply = ciw.threadWaitForModal(second);
    QCOMPARE(reply.code, int(CIWController::DontRename));
    QCOMPARE(reply.proposal.path, m_dir->filePath(QStringLiteral("2011-01-02_03-04-05.jpg")));

    FIWController& fiw = m_controller->fiwController();
    const quint64 folderQuestion = fiw.prepareForAnswer();
    QVERIFY(!fiw.okButtonClick()); // nothing on show yet
    fiw.openWithPath(m_dir->path(), localInstant(2004, 1, 1, 0, 0, 0));
    QVERIFY(fiw.okButtonClick());
    QCOMPARE(fiw.threadWaitForModal(folderQuestion).code, int(FIWController::Ok));
}

// A prefix, suffix or name typed with "/" in it stays a name in the folder
// the run chose; "." and ".." are refused.
void TestCIWController::typedTextNeverLeavesTheFolder()
{
    m_controller->fileNameGenerators().addGenerator()->setFormatString(QStringLiteral("%Px%S%F"));
    m_controller->setNamingStyle(7);
    CIWController& ciw = m_controller->ciwController();
    ciw.open();
    ciw.processFile(m_dir->filePath(QStringLiteral("IMG_1.JPG")), m_dir->path(), localInstant(2004, 1, 1, 0, 0, 0));
    ciw.presuffixPopUpChange(4);
    ciw.prefixTextFieldChange(QStringLiteral("../../"));
    ciw.suffixTextFieldChange(QStringLiteral("/etc") + QChar(0));
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("..-..-x-etc-.jpg"));
    QCOMPARE(ciw.lastCheckResult(), int(CIWController::NameOk));

    ciw.newNameTextFieldChange(QStringLiteral("../evil.jpg"));
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("..-evil.jpg"));
    QCOMPARE(ciw.newFileName(), m_dir->filePath(QStringLiteral("..-evil.jpg")));
    ciw.newNameTextFieldChange(QStringLiteral(".."));
    QCOMPARE(ciw.lastCheckResult(), int(CIWController::NameNotAcceptable));
    QVERIFY(!m_view.renameEnabled);
    QVERIFY(m_view.info.contains(QStringLiteral("not acceptable")));

    // The application's own prefix, as "--prefix" or "config set" gives it.
    m_controller->setPrefixString(QStringLiteral("a/b"));
    m_controller->setPrefixSuffixType(2);
    ciw.presuffixPopUpChange(1);
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("a-bx.jpg"));

    // The folder-name window: its prefix and a typed name.
    FIWController& fiw = m_controller->fiwController();
    fiw.openWithPath(m_dir->path(), localInstant(2004, 1, 1, 0, 0, 0));
    fiw.presuffixPopUpChange(2);
    fiw.prefixTextFieldChange(QStringLiteral("../"));
    QVERIFY2(fiw.proposedFolderName().startsWith(QStringLiteral("..-")), qPrintable(fiw.proposedFolderName()));
    fiw.nameTextFieldChange(QStringLiteral("../../elsewhere"));
    QCOMPARE(fiw.newFolderName(), m_dir->filePath(QStringLiteral("..-..-elsewhere")));
    fiw.nameTextFieldChange(QStringLiteral("."));
    QCOMPARE(fiw.lastCheckResult(), int(CIWController::NameNotAcceptable));
}

QTEST_GUILESS_MAIN(TestCIWController)
#include "tst_ciwcontroller.moc"
