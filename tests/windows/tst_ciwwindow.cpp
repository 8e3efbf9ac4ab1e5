// The confirm-each-file window driven as a run drives it: the run asks,
// the window shows the file, the person answers with the mouse or the
// keyboard, and the answer (with the name on show) reaches the run.
#include "TestDates.h"
#include "controllers/CIWController.h"
#include "controllers/MainController.h"
#include "windows/CIWWindow.h"
#include "windows/PreviewPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe;
using lumenscribe::test::localInstant;

class TestCIWWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonsAnswer_data();
    void buttonsAnswer();
    void keyboardAndTitleBarAnswer_data();
    void keyboardAndTitleBarAnswer();
    void typingRechecksEachKeystroke();
    void focusAndSelection();
    void prefixAndSuffixFields();
    void correctionBox();
    void previewShowsWaitThenPicture();
    void previewOfANonPictureFails();
    void staleDecodeIsDropped();

private:
    template <typename T> T* find(const char* name) const
    {
        T* widget = m_window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QString filePath(const QString& name) const { return m_dir->filePath(name); }
    // The run's side: a question, the window opened and shown the file.
    quint64 present(const QString& name, Instant date = localInstant(2010, 1, 2, 3, 4, 5));
    int answerOf(quint64 ticket);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainController> m_main;
    std::unique_ptr<CIWWindow> m_window;
};

void TestCIWWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_main = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_main->ciwController().setPrefixSuffixType(0);
    m_window = std::make_unique<CIWWindow>(m_main->ciwController());
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(filePath(QStringLiteral("IMG_1.JPG")), "JPEG"));
    QFile text(filePath(QStringLiteral("notes.jpg")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture at all");
}

void TestCIWWindow::cleanup()
{
    m_window.reset();
    m_main.reset();
    m_dir.reset();
}

quint64 TestCIWWindow::present(const QString& name, Instant date)
{
    CIWController& ciw = m_main->ciwController();
    const quint64 ticket = ciw.prepareForAnswer();
    ciw.open();
    ciw.processFile(filePath(name), m_dir->path(), date);
    return ticket;
}

// Only called once the window shows that it took an answer, so the wait
// returns at once.
int TestCIWWindow::answerOf(quint64 ticket)
{
    return m_main->ciwController().threadWaitForModal(ticket).code;
}

void TestCIWWindow::buttonsAnswer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("rename") << "renameButton" << int(CIWController::Rename);
    QTest::newRow("rename all") << "renameAllButton" << int(CIWController::RenameAll);
    QTest::newRow("don't rename") << "dontRenameButton" << int(CIWController::DontRename);
    QTest::newRow("abort") << "abortButton" << int(CIWController::Abort);
}

void TestCIWWindow::buttonsAnswer()
{
    QFETCH(QString, button);
    QFETCH(int, answer);
    const quint64 ticket = present(QStringLiteral("IMG_1.JPG"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(find<QLineEdit>("oldNameField")->text(), QStringLiteral("IMG_1.JPG"));
    QCOMPARE(find<QLineEdit>("newNameField")->text(), QStringLiteral("2010-01-02_03-04-05.jpg"));
    QVERIFY(!find<QLabel>("infoLabel")->text().isEmpty());
    auto* pressed = m_window->findChild<QPushButton*>(button);
    QVERIFY(pressed && pressed->isEnabled());
    QTest::mouseClick(pressed, Qt::LeftButton);
    // Answered: nothing more to click until the run shows the next file.
    for (const char* name : {"renameButton", "renameAllButton", "dontRenameButton", "abortButton"})
        QVERIFY2(!find<QPushButton>(name)->isEnabled(), name);
    const ModalAnswer::Reply reply = m_main->ciwController().threadWaitForModal(ticket);
    QCOMPARE(reply.code, answer);
    QCOMPARE(reply.proposal.path, filePath(QStringLiteral("2010-01-02_03-04-05.jpg")));

    // The next file: the buttons answer again.
    const quint64 next = present(QStringLiteral("notes.jpg"), localInstant(2011, 1, 1, 0, 0, 0));
    QVERIFY(find<QPushButton>("renameButton")->isEnabled());
    QTest::mouseClick(find<QPushButton>("dontRenameButton"), Qt::LeftButton);
    QCOMPARE(answerOf(next), int(CIWController::DontRename));
    m_main->ciwController().close();
    QVERIFY(!m_window->isVisible());
}

void TestCIWWindow::keyboardAndTitleBarAnswer_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter renames") << "enter" << int(CIWController::Rename);
    QTest::newRow("Return renames") << "return" << int(CIWController::Rename);
    QTest::newRow("Escape does not rename") << "escape" << int(CIWController::DontRename);
    QTest::newRow("the title bar's close does not rename") << "close" << int(CIWController::DontRename);
}

void TestCIWWindow::keyboardAndTitleBarAnswer()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    const quint64 ticket = present(QStringLiteral("IMG_1.JPG"));
    auto* name = find<QLineEdit>("newNameField");
    if (how == QLatin1String("enter"))
        QTest::keyClick(name, Qt::Key_Enter);
    else if (how == QLatin1String("return"))
        QTest::keyClick(name, Qt::Key_Return);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(name, Qt::Key_Escape);
    else
        m_window->close();
    QVERIFY(!find<QPushButton>("dontRenameButton")->isEnabled());
    QCOMPARE(answerOf(ticket), answer);
    // The window stays until the run closes it or shows the next file.
    QVERIFY(m_window->isVisible());
    QVERIFY(m_main->ciwController().opened());

    // With nothing on show, closing is just closing.
    m_main->ciwController().close();
    m_window->show();
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
}

void TestCIWWindow::typingRechecksEachKeystroke()
{
    QFile(filePath(QStringLiteral("taken.jpg"))).open(QIODevice::WriteOnly);
    const quint64 ticket = present(QStringLiteral("IMG_1.JPG"));
    CIWController& ciw = m_main->ciwController();
    auto* name = find<QLineEdit>("newNameField");
    auto* rename = find<QPushButton>("renameButton");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(ciw.lastCheckResult(), int(CIWController::NameEmpty));
    QVERIFY(!rename->isEnabled());
    QVERIFY(!find<QPushButton>("renameAllButton")->isEnabled());
    QTest::keyClicks(name, QStringLiteral("taken.jpg"));
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("taken.jpg"));
    QCOMPARE(ciw.lastCheckResult(), int(CIWController::NameExists));
    QVERIFY(!rename->isEnabled());
    QTest::keyClick(name, Qt::Key_Enter); // the default button is off: no answer
    QVERIFY(find<QPushButton>("dontRenameButton")->isEnabled());
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(ciw.proposedFileName(), QStringLiteral("taken.jp"));
    QVERIFY(rename->isEnabled());
    // Typing never remade the name from the style; the reset button does.
    QTest::mouseClick(find<QPushButton>("resetNameButton"), Qt::LeftButton);
    QCOMPARE(name->text(), QStringLiteral("2010-01-02_03-04-05.jpg"));
    QTest::keyClicks(name, QStringLiteral("x"));
    QTest::keyClick(name, Qt::Key_Return);
    const ModalAnswer::Reply reply = ciw.threadWaitForModal(ticket);
    QCOMPARE(reply.code, int(CIWController::Rename));
    QCOMPARE(reply.proposal.path, filePath(QStringLiteral("x.jpg"))); // the base name was selected, and overtyped
}

void TestCIWWindow::focusAndSelection()
{
    present(QStringLiteral("IMG_1.JPG"));
    auto* name = find<QLineEdit>("newNameField");
    QCOMPARE(m_window->focusWidget(), name);
    QCOMPARE(name->selectedText(), QStringLiteral("2010-01-02_03-04-05"));
    // The pop-up chosen by keyboard: suffix only puts the focus in its field.
    auto* popUp = find<QComboBox>("presuffixPopUp");
    popUp->setFocus();
    popUp->setCurrentIndex(2);
    QTest::keyClick(popUp, Qt::Key_Down);
    QCOMPARE(m_main->ciwController().prefixSuffixType(), 3);
    QCOMPARE(m_window->focusWidget(), find<QLineEdit>("suffixField"));
    // Every label names the field it stands for.
    for (QLabel* label : m_window->findChildren<QLabel*>()) {
        if (label->text().contains(u'&'))
            QVERIFY2(label->buddy(), qPrintable(label->text()));
    }
}

void TestCIWWindow::prefixAndSuffixFields()
{
    m_main->fileNameGenerators().addGenerator()->setFormatString(QStringLiteral("%Px%S%F"));
    m_main->setNamingStyle(7);
    m_main->setPrefixString(QStringLiteral("A"));
    m_main->setSuffixString(QStringLiteral("B"));
    m_main->setPrefixSuffixType(4);
    m_main->ciwController().setPrefixSuffixType(1);
    present(QStringLiteral("IMG_1.JPG"));
    auto* prefix = find<QLineEdit>("prefixField");
    auto* suffix = find<QLineEdit>("suffixField");
    auto* name = find<QLineEdit>("newNameField");
    // As in the preferences: their strings, not editable here.
    QCOMPARE(find<QComboBox>("presuffixPopUp")->currentIndex(), 1);
    QCOMPARE(name->text(), QStringLiteral("AxB.jpg"));
    QVERIFY(!prefix->isEnabled());
    QCOMPARE(prefix->text(), QStringLiteral("A"));

    auto* popUp = find<QComboBox>("presuffixPopUp");
    popUp->setCurrentIndex(2);
    emit popUp->activated(2);
    QVERIFY(prefix->isEnabled());
    QVERIFY(!suffix->isEnabled());
    QCOMPARE(m_window->focusWidget(), prefix);
    QTest::keyClicks(prefix, QStringLiteral("p"));
    QCOMPARE(name->text(), QStringLiteral("px.jpg")); // remade on the keystroke
    QTest::keyClicks(prefix, QStringLiteral("q"));
    QCOMPARE(name->text(), QStringLiteral("pqx.jpg"));
    QCOMPARE(m_main->ciwController().prefix(), QStringLiteral("pq"));
    popUp->setCurrentIndex(4);
    emit popUp->activated(4);
    QVERIFY(prefix->isEnabled() && suffix->isEnabled());
    QTest::keyClicks(suffix, QStringLiteral("s"));
    QCOMPARE(name->text(), QStringLiteral("pqxs.jpg"));
}

void TestCIWWindow::correctionBox()
{
    present(QStringLiteral("IMG_1.JPG"), localInstant(2010, 6, 1, 12, 0, 0));
    auto* enable = find<QCheckBox>("correctionEnableCheckBox");
    QWidget* box = find<QWidget>("correctionBox");
    QVERIFY(!enable->isChecked());
    QVERIFY(!box->isVisible());
    const int shortHeight = m_window->height();
    QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(4, enable->height() / 2));
    QVERIFY(box->isVisible());
    QVERIFY(m_window->height() > shortHeight);
    QVERIFY(m_main->ciwController().correctionEnabled());

    auto* hours = find<QSpinBox>("correctionHoursSpin");
    QCOMPARE(hours->value(), 12);
    hours->stepDown(); // the camera was an hour fast
    QCOMPARE(m_main->ciwController().correctionInterval(), -3600);
    QCOMPARE(find<QLineEdit>("newNameField")->text(), QStringLiteral("2010-06-01_11-00-00.jpg"));
    QVERIFY(find<QLabel>("correctionDifferenceLabel")->text().startsWith(QStringLiteral("- 3600")));
    QVERIFY(find<QLabel>("correctionFileDateLabel")->text().startsWith(QStringLiteral("2010-06-01   12:00:00")));
    // A step past the end of a field carries into the next one.
    auto* seconds = find<QSpinBox>("correctionSecondsSpin");
    seconds->setValue(59);
    seconds->stepUp();
    QCOMPARE(seconds->value(), 0);
    QCOMPARE(find<QSpinBox>("correctionMinutesSpin")->value(), 1);

    QTest::mouseClick(find<QPushButton>("correctionSetFileDateButton"), Qt::LeftButton);
    QCOMPARE(m_main->ciwController().correctionInterval(), 0);
    QCOMPARE(hours->value(), 12);
    QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(4, enable->height() / 2));
    QVERIFY(!box->isVisible());
    QCOMPARE(m_window->height(), shortHeight);
}

void TestCIWWindow::previewShowsWaitThenPicture()
{
    auto* panel = m_window->previewPanel();
    present(QStringLiteral("IMG_1.JPG"));
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->state(), PreviewPanel::State::Empty); // not decoded while hidden
    const int narrowWidth = m_window->width();
    QSignalSpy states(panel, &PreviewPanel::stateChanged);
    auto* check = find<QCheckBox>("showPreviewCheckBox");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    QVERIFY(panel->isVisible());
    QVERIFY(m_window->width() > narrowWidth);
    QVERIFY(m_main->ciwController().showsPreview());
    QTRY_COMPARE(panel->state(), PreviewPanel::State::Picture);
    QCOMPARE(states.first().first().value<PreviewPanel::State>(), PreviewPanel::State::Waiting);
    const QPixmap shown = find<QLabel>("previewImage")->pixmap();
    QVERIFY(!shown.isNull());
    QVERIFY(shown.width() <= PreviewPanel::PictureSize.width());

    // Closing the window keeps the wish for later files; the box turns it off.
    m_main->ciwController().close();
    QVERIFY(m_main->ciwController().showsPreview());
    present(QStringLiteral("IMG_1.JPG"));
    QVERIFY(check->isChecked());
    QTRY_COMPARE(panel->state(), PreviewPanel::State::Picture);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    QVERIFY(!panel->isVisible());
    QVERIFY(!m_main->ciwController().showsPreview());
}

void TestCIWWindow::previewOfANonPictureFails()
{
    m_main->ciwController().setShowPreview(true);
    present(QStringLiteral("notes.jpg"));
    auto* panel = m_window->previewPanel();
    QCOMPARE(panel->state(), PreviewPanel::State::Waiting);
    QTRY_COMPARE(panel->state(), PreviewPanel::State::LoadError);
    QVERIFY(!find<QLabel>("previewImage")->pixmap().isNull());
    // The window stays usable.
    QVERIFY(find<QPushButton>("dontRenameButton")->isEnabled());
    // A movie without a THM picture beside it shows a movie, not an error.
    QFile(filePath(QStringLiteral("clip.mp4"))).open(QIODevice::WriteOnly);
    present(QStringLiteral("clip.mp4"));
    QTRY_COMPARE(panel->state(), PreviewPanel::State::Movie);
}

// The person moves on before the first file has decoded: its picture must
// not land on the second file.
void TestCIWWindow::staleDecodeIsDropped()
{
    QSemaphore firstMayFinish;
    auto* panel = m_window->previewPanel();
    panel->setLoader([&](const QString& path, QSize) {
        const bool first = path.endsWith(QLatin1String("notes.jpg"));
        if (first)
            firstMayFinish.acquire();
        QImage image(first ? 10 : 20, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        return PreviewLoader::Result{PreviewLoader::Kind::Picture, image};
    });
    m_main->ciwController().setShowPreview(true);
    const quint64 first = present(QStringLiteral("notes.jpg"));
    QTest::mouseClick(find<QPushButton>("renameButton"), Qt::LeftButton);
    QCOMPARE(answerOf(first), int(CIWController::Rename));
    QSignalSpy states(panel, &PreviewPanel::stateChanged);
    present(QStringLiteral("IMG_1.JPG"));
    firstMayFinish.release();
    QTRY_COMPARE(panel->state(), PreviewPanel::State::Picture);
    QTest::qWait(50);
    QCOMPARE(find<QLabel>("previewImage")->pixmap().width(), 20);
    QCOMPARE(states.count(), 1); // straight to the second file's picture
    QCOMPARE(panel->path(), filePath(QStringLiteral("IMG_1.JPG")));
}

QTEST_MAIN(TestCIWWindow)
#include "tst_ciwwindow.moc"
