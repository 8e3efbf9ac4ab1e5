// The Help menu's panels on the offscreen platform: the update check against
// a version file served on the loopback interface (equal, different, with a
// line break, missing, no server, a server that never answers), the About
// panel's links handed to a hook instead of the desktop, and the donation
// information with its acknowledge button held back at a first start.
#include "controllers/MainController.h"
#include "controllers/OutsideLinks.h"
#include "controllers/UpdateCheck.h"
#include "platform/Translations.h"
#include "settings/PreferencesStore.h"
#include "windows/AboutWindow.h"
#include "windows/DesktopApplication.h"
#include "windows/DonationWindow.h"
#include "windows/LinkOpener.h"
#include "windows/MainWindow.h"
#include "windows/UpdatePanel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe;

namespace {

// A one-file web server: answers every request with `status` and `body`, or
// not at all when `silent`.
class VersionServer : public QObject
{
public:
    VersionServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++requests;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n") || silent)
                        return;
                    const QByteArray head = "HTTP/1.1 " + QByteArray::number(status) +
                                            (status == 200 ? " OK" : " Not Found") +
                                            "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                                            QByteArray::number(body.size()) + "\r\n\r\n";
                    socket->write(head + body);
                    socket->disconnectFromHost();
                });
            }
        });
        qputenv("LUMENSCRIBE_VERSION_URL", url().toEncoded());
    }
    ~VersionServer() override { qunsetenv("LUMENSCRIBE_VERSION_URL"); }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/versions/Lumenscribe.txt").arg(m_server.serverPort()));
    }
    void close() { m_server.close(); }

    int status = 200;
    QByteArray body;
    bool silent = false;
    int requests = 0;

private:
    QTcpServer m_server;
};

struct Bench
{
    Bench()
    {
        controller = std::make_unique<MainController>(PreferencesStore(dir.filePath(QStringLiteral("s.json"))));
        controller->setJournalFolder(dir.filePath(QStringLiteral("journals")));
        desktop = std::make_unique<DesktopApplication>(*controller);
        controller->setRunLockPath(dir.filePath(QStringLiteral("run.lock")));
        LinkOpener::setHook([this](const QUrl& url) { opened.append(url); });
    }
    ~Bench()
    {
        LinkOpener::setHook({});
        desktop.reset();
        controller.reset();
    }
    // A start after this version has run once: no donation information.
    void startAgain()
    {
        QFile file(dir.filePath(QStringLiteral("s.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"CFBundleShortVersionString": ")" LUMENSCRIBE_VERSION R"("})");
        file.close();
        desktop->start({});
        QVERIFY(!controller->needsDonationInfo());
        QVERIFY(!desktop->donationWindow());
    }
    QAction* action(const char* name) const
    {
        return desktop->mainWindow()->findChild<QAction*>(QString::fromLatin1(name));
    }
    // Gives the menu command and waits for the panel that answers it.
    QMessageBox* checkForUpdates()
    {
        action("checkForUpdatesAction")->trigger();
        if (!QTest::qWaitFor([this] { return desktop->updatePanel().panel() != nullptr; }, 10000))
            return nullptr;
        return desktop->updatePanel().panel();
    }

    QTemporaryDir dir;
    std::unique_ptr<MainController> controller;
    std::unique_ptr<DesktopApplication> desktop;
    QList<QUrl> opened;
};

QPushButton* button(QWidget* panel, const char* name)
{
    return panel->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class TestAboutPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Translations::install(QStringLiteral("en"))); }

    void versionFileAnswers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<QString>("title");
        QTest::newRow("equal") << 200 << QByteArray() << QStringLiteral("No Update");
        QTest::newRow("different") << 200 << QByteArray(".1") << QStringLiteral("New Version");
        QTest::newRow("line break") << 200 << QByteArray("\n") << QStringLiteral("New Version");
        QTest::newRow("missing") << 404 << QByteArray() << QStringLiteral("Problem");
        // No version file is that long: whatever the server sends, it is not read in whole.
        QTest::newRow("oversized") << 200 << QByteArray(100000, 'x') << QStringLiteral("Problem");
    }
    void versionFileAnswers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, suffix);
        QFETCH(QString, title);
        VersionServer server;
        server.status = status;
        server.body = UpdateCheck::thisVersion().toUtf8() + suffix;
        Bench bench;
        bench.startAgain();
        QMessageBox* panel = bench.checkForUpdates();
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), title);
        QVERIFY(panel->isVisible());
        QVERIFY(button(panel, "updateAcceptButton"));
        QCOMPARE(button(panel, "updateRejectButton") != nullptr, title == QStringLiteral("New Version"));
        QCOMPARE(server.requests, 1);
        // The command is back to itself once the answer is in.
        QVERIFY(bench.action("checkForUpdatesAction")->isEnabled());
        QCOMPARE(bench.action("checkForUpdatesAction")->text(), QStringLiteral("Check for &Updates"));
        button(panel, "updateAcceptButton")->click();
        const QList<QUrl> expected =
            title == QStringLiteral("New Version") ? QList<QUrl>{OutsideLinks::website()} : QList<QUrl>{};
        QCOMPARE(bench.opened, expected);
    }

    void answeringNoOpensNothing()
    {
        VersionServer server;
        server.body = "0.0.1";
        Bench bench;
        bench.startAgain();
        QMessageBox* panel = bench.checkForUpdates();
        QVERIFY(panel);
        QCOMPARE(panel->text(),
                 QStringLiteral("Web: 0.0.1 / This: %1 -> Visit web site?").arg(UpdateCheck::thisVersion()));
        button(panel, "updateRejectButton")->click();
        QVERIFY(bench.opened.isEmpty());
    }

    void noServer()
    {
        QUrl url;
        {
            VersionServer gone;
            url = gone.url();
        }
        qputenv("LUMENSCRIBE_VERSION_URL", url.toEncoded());
        Bench bench;
        bench.startAgain();
        QMessageBox* panel = bench.checkForUpdates();
        qunsetenv("LUMENSCRIBE_VERSION_URL");
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("Problem"));
        QCOMPARE(panel->text(), QStringLiteral("Network not reachable!"));
    }

    // A server that takes the request and never answers: the window goes on
    // working, the command says it is checking, a second command starts no
    // second download, and the time-out gives the network panel.
    void silentServerTimesOut()
    {
        VersionServer server;
        server.silent = true;
        Bench bench;
        bench.startAgain();
        bench.desktop->updatePanel().setTimeout(400);
        QAction* command = bench.action("checkForUpdatesAction");
        command->trigger();
        QVERIFY(bench.desktop->updatePanel().checking());
        QVERIFY(!command->isEnabled());
        QCOMPARE(command->text(), QStringLiteral("Checking for Updates…"));
        bench.desktop->checkForUpdates();
        QVERIFY(QTest::qWaitFor([&] { return bench.desktop->updatePanel().panel() != nullptr; }, 5000));
        QCOMPARE(bench.desktop->updatePanel().panel()->windowTitle(), QStringLiteral("Problem"));
        QCOMPARE(server.requests, 1);
        QVERIFY(command->isEnabled());
    }

    void aboutPanel()
    {
        Bench bench;
        bench.startAgain();
        bench.action("aboutAction")->trigger();
        AboutWindow* about = bench.desktop->aboutWindow();
        QVERIFY(about && about->isVisible());
        // The full version, the one the update check compares.
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("versionTextField"))->text(),
                 QStringLiteral("Version ") + UpdateCheck::thisVersion());
        button(about, "mailButton")->click();
        button(about, "websiteButton")->click();
        button(about, "payPalButton")->click();
        QCOMPARE(bench.opened, (QList<QUrl>{OutsideLinks::supportMail(), OutsideLinks::website(),
                                            OutsideLinks::donation(QStringLiteral("US"))}));
        // Asked for again it only comes forward: still the one panel.
        bench.desktop->openAbout();
        QCOMPARE(bench.desktop->aboutWindow(), about);

        // From here the donation information is plain information.
        QSignalSpy preferences(bench.desktop.get(), &DesktopApplication::preferencesRequested);
        button(about, "donationInfoButton")->click();
        DonationWindow* donation = bench.desktop->donationWindow();
        QVERIFY(donation && donation->isVisible());
        QVERIFY(button(donation, "understandButton")->isEnabled());
        QVERIFY(!donation->enableTimer().isActive());
        button(donation, "understandButton")->click();
        QVERIFY(!donation->isVisible());
        QCOMPARE(preferences.count(), 0);
        button(about, "okButton")->click();
        QVERIFY(!about->isVisible());
    }

    // A start with no settings is the first start of this version.
    void firstStartHoldsTheButtonBack()
    {
        Bench bench;
        bench.desktop->start({});
        QVERIFY(bench.controller->needsDonationInfo());
        DonationWindow* donation = bench.desktop->donationWindow();
        QVERIFY(donation && donation->isVisible());
        QPushButton* understand = button(donation, "understandButton");
        QVERIFY(!understand->isEnabled());
        QCOMPARE(donation->enableTimer().interval(), DonationWindow::kEnableDelayMs);
        QVERIFY(donation->enableTimer().remainingTime() > 4000);
        // Neither the button nor Escape nor the close button gets it away.
        QTest::mouseClick(understand, Qt::LeftButton);
        donation->reject();
        donation->close();
        QVERIFY(donation->isVisible());
        // Asked for again while on screen: the running timer is left alone.
        const int timerId = donation->enableTimer().timerId();
        QTest::qWait(150);
        bench.desktop->openDonationInfo(true);
        QCOMPARE(donation->enableTimer().timerId(), timerId);
        QVERIFY(donation->enableTimer().remainingTime() < DonationWindow::kEnableDelayMs - 100);
        QVERIFY(!understand->isEnabled());
    }

    void acknowledgingLeadsToThePreferences()
    {
        DonationWindow donation;
        QSignalSpy preferences(&donation, &DonationWindow::preferencesRequested);
        donation.setEnableDelay(200);
        donation.openDonationInfoPanel(true);
        QPushButton* understand = button(&donation, "understandButton");
        QVERIFY(!understand->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return understand->isEnabled(); }, 3000));
        QVERIFY(!donation.enableTimer().isActive());
        understand->click();
        QVERIFY(!donation.isVisible());
        QCOMPARE(preferences.count(), 1);
        // Opened again from the About panel: acknowledging only hides it.
        donation.openDonationInfoPanel(false);
        QVERIFY(understand->isEnabled());
        understand->click();
        QCOMPARE(preferences.count(), 1);
    }

    void renamingStartShowsNoDonationPanel()
    {
        Bench bench;
        bench.desktop->start({bench.dir.filePath(QStringLiteral("nothing-here"))});
        QVERIFY(!bench.desktop->donationWindow());
    }
};

QTEST_MAIN(TestAboutPanels)
#include "tst_aboutpanels.moc"
