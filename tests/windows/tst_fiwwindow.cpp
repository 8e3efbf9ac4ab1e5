// The folder-name window driven as a run drives it: it proposes the dated
// folder's name, the person edits or confirms it, and OK or abort reaches
// the run with the path on show.
#include "TestDates.h"
#include "controllers/FIWController.h"
#include "controllers/MainController.h"
#include "windows/FIWWindow.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe;
using lumenscribe::test::localInstant;

class TestFIWWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void takenNameAndEditing();
    void prefixAndSuffix();

private:
    template <typename T> T* find(const char* name) const
    {
        T* widget = m_window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    quint64 present();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainController> m_main;
    std::unique_ptr<FIWWindow> m_window;
};

void TestFIWWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_main = std::make_unique<MainController>(PreferencesStore(m_dir->filePath(QStringLiteral("s.json"))));
    m_main->fiwController().setPrefixSuffixType(0);
    m_window = std::make_unique<FIWWindow>(m_main->fiwController());
}

void TestFIWWindow::cleanup()
{
    m_window.reset();
    m_main.reset();
    m_dir.reset();
}

quint64 TestFIWWindow::present()
{
    FIWController& fiw = m_main->fiwController();
    const quint64 ticket = fiw.prepareForAnswer();
    fiw.openWithPath(m_dir->path(), localInstant(2004, 3, 4, 5, 6, 7));
    return ticket;
}

void TestFIWWindow::answers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("OK button") << "ok" << int(FIWController::Ok);
    QTest::newRow("Enter") << "enter" << int(FIWController::Ok);
    QTest::newRow("abort button") << "abort" << int(FIWController::Abort);
    QTest::newRow("Escape aborts") << "escape" << int(FIWController::Abort);
    QTest::newRow("the title bar's close aborts") << "close" << int(FIWController::Abort);
}

void TestFIWWindow::answers()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    const quint64 ticket = present();
    QVERIFY(m_window->isVisible());
    auto* name = find<QLineEdit>("nameField");
    const QString proposed = m_main->fiwController().proposedFolderName();
    QVERIFY(!proposed.isEmpty());
    QCOMPARE(name->text(), proposed);
    QCOMPARE(m_window->focusWidget(), name);
    if (how == QLatin1String("ok"))
        QTest::mouseClick(find<QPushButton>("okButton"), Qt::LeftButton);
    else if (how == QLatin1String("abort"))
        QTest::mouseClick(find<QPushButton>("abortButton"), Qt::LeftButton);
    else if (how == QLatin1String("enter"))
        QTest::keyClick(name, Qt::Key_Return);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(name, Qt::Key_Escape);
    else
        m_window->close();
    QVERIFY(!find<QPushButton>("abortButton")->isEnabled()); // answered
    const ModalAnswer::Reply reply = m_main->fiwController().threadWaitForModal(ticket);
    QCOMPARE(reply.code, answer);
    QCOMPARE(reply.proposal.path, QDir(m_dir->path()).filePath(proposed));
    m_main->fiwController().close();
    QVERIFY(!m_window->isVisible());
}

void TestFIWWindow::takenNameAndEditing()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("taken")));
    const quint64 ticket = present();
    const QString proposed = m_main->fiwController().proposedFolderName();
    auto* ok = find<QPushButton>("okButton");
    auto* name = find<QLineEdit>("nameField");
    QVERIFY(ok->isEnabled());
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("taken"));
    QCOMPARE(m_main->fiwController().lastCheckResult(), 3);
    QVERIFY(!ok->isEnabled());
    QVERIFY(!find<QLabel>("infoLabel")->text().isEmpty());
    QTest::keyClick(name, Qt::Key_Return); // no answer while OK is off
    QVERIFY(find<QPushButton>("abortButton")->isEnabled());
    QTest::keyClicks(name, QStringLiteral("b"));
    QCOMPARE(m_main->fiwController().proposedFolderName(), QStringLiteral("takenb"));
    QVERIFY(ok->isEnabled());
    QTest::mouseClick(find<QPushButton>("resetNameButton"), Qt::LeftButton);
    QCOMPARE(name->text(), proposed);
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, QStringLiteral("-2"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(m_main->fiwController().threadWaitForModal(ticket).proposal.path,
             QDir(m_dir->path()).filePath(proposed + QStringLiteral("-2")));
}

void TestFIWWindow::prefixAndSuffix()
{
    present();
    const QString plain = m_main->fiwController().proposedFolderName();
    auto* prefix = find<QLineEdit>("prefixField");
    auto* suffix = find<QLineEdit>("suffixField");
    QVERIFY(!prefix->isEnabled() && !suffix->isEnabled());
    auto* popUp = find<QComboBox>("presuffixPopUp");
    popUp->setCurrentIndex(3);
    emit popUp->activated(3);
    QVERIFY(!prefix->isEnabled() && suffix->isEnabled());
    QTest::keyClicks(suffix, QStringLiteral("-trip"));
    // Remade on every keystroke.
    QCOMPARE(find<QLineEdit>("nameField")->text(), plain + QStringLiteral("-trip"));
    QCOMPARE(m_main->fiwController().suffix(), QStringLiteral("-trip"));
}

QTEST_MAIN(TestFIWWindow)
#include "tst_fiwwindow.moc"
