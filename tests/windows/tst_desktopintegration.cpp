// The desktop's side of the application: taskbar progress over the launcher
// API and the light or dark palette from the settings portal, each against a
// private bus with stand-ins for the dock and the portal, and without a bus.
#include "windows/DesktopAppearance.h"
#include "windows/TaskbarProgress.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>
#include <QThread>
#include <atomic>

using namespace lumenscribe;
using namespace std::chrono_literals;

namespace {
const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString ColorSchemeKey = QStringLiteral("color-scheme");

QDBusConnection noBus()
{
    return QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nobus"));
}

bool isDark()
{
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}
} // namespace

// What a dock hears.
class LauncherListener : public QObject
{
    Q_OBJECT

public:
    QList<std::pair<QString, QVariantMap>> updates;

public slots:
    void update(const QString& appUri, const QVariantMap& properties) { updates.append({appUri, properties}); }
};

// A settings portal as xdg-desktop-portal 1.15 and later answers it; with
// readOne false, as older ones do: Read only, the value in a second variant.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    std::atomic<uint> scheme = 1;

public slots:
    QDBusVariant Read(const QString& group, const QString& key)
    {
        return QDBusVariant(QVariant::fromValue(ReadOne(group, key)));
    }
    QDBusVariant ReadOne(const QString& group, const QString& key)
    {
        return QDBusVariant(group == AppearanceGroup && key == ColorSchemeKey ? QVariant(uint(scheme)) : QVariant());
    }
};

class OldFakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public slots:
    QDBusVariant Read(const QString&, const QString&) { return QDBusVariant(QVariant::fromValue(QDBusVariant(2u))); }
};

class TestDesktopIntegration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void taskbarProgressWithoutABus();
    void taskbarProgressSignalsTheDock();
    void colorSchemeOverride_data();
    void colorSchemeOverride();
    void colorSchemeFromThePortal();
    void colorSchemeFromAnOlderPortal();
    void followsThePortalWhileRunning();

private:
    QDBusConnection privateBus(const QString& name);

    QProcess m_daemon;
    QString m_address;
    QString m_originalStyle;
};

void TestDesktopIntegration::initTestCase()
{
    m_originalStyle = QApplication::style()->name();
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return;
    m_daemon.start(daemon,
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (m_daemon.waitForStarted() && m_daemon.waitForReadyRead(10000))
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
}

void TestDesktopIntegration::cleanupTestCase()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
}

void TestDesktopIntegration::init()
{
    qunsetenv("LUMENSCRIBE_COLOR_SCHEME");
    QApplication::setStyle(m_originalStyle);
    QApplication::setPalette(QApplication::style()->standardPalette());
}

QDBusConnection TestDesktopIntegration::privateBus(const QString& name)
{
    if (m_address.isEmpty())
        return noBus();
    return QDBusConnection::connectToBus(m_address, name);
}

void TestDesktopIntegration::taskbarProgressWithoutABus()
{
    TaskbarProgress progress(noBus(), QStringLiteral("io.github.lumenscribe.Lumenscribe"));
    QVERIFY(!progress.isAvailable());
    progress.setProgress(3, 10);
    progress.setProgress(0, 0);
    progress.hide();
    QCOMPARE(progress.appUri(), QStringLiteral("application://io.github.lumenscribe.Lumenscribe.desktop"));
}

void TestDesktopIntegration::taskbarProgressSignalsTheDock()
{
    if (m_address.isEmpty())
        QSKIP("no dbus-daemon to run a private bus");
    QDBusConnection dock = privateBus(QStringLiteral("dock"));
    LauncherListener listener;
    QVERIFY(dock.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                         QStringLiteral("Update"), &listener, SLOT(update(QString, QVariantMap))));
    auto progress =
        std::make_unique<TaskbarProgress>(privateBus(QStringLiteral("app")), QStringLiteral("io.github.x.Y"));
    QVERIFY(progress->isAvailable());

    progress->setProgress(0, 400);
    QTRY_COMPARE(listener.updates.size(), 1);
    QCOMPARE(listener.updates.at(0).first, QStringLiteral("application://io.github.x.Y.desktop"));
    QCOMPARE(listener.updates.at(0).second.value(QStringLiteral("progress")).toDouble(), 0.0);
    QCOMPARE(listener.updates.at(0).second.value(QStringLiteral("progress-visible")).toBool(), true);

    // A file every 2 ms for most of a second: about ten updates, the last one exact.
    QElapsedTimer clock;
    clock.start();
    for (int file = 1; file <= 400; ++file) {
        progress->setProgress(file, 400);
        QTest::qWait(2);
    }
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(int(2 * TaskbarProgress::MinInterval.count()));
    const qsizetype sent = listener.updates.size() - 1;
    QVERIFY2(sent <= elapsed / TaskbarProgress::MinInterval.count() + 2, qPrintable(QString::number(sent)));
    QVERIFY(sent >= 2);
    QCOMPARE(listener.updates.last().second.value(QStringLiteral("progress")).toDouble(), 1.0);

    // Gone with its window, it takes the bar away.
    progress.reset();
    QTRY_COMPARE(listener.updates.last().second.value(QStringLiteral("progress-visible")).toBool(), false);
}

void TestDesktopIntegration::colorSchemeOverride_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("dark");
    QTest::newRow("dark") << QByteArray("dark") << true;
    QTest::newRow("Dark, spaced") << QByteArray(" Dark ") << true;
    QTest::newRow("light") << QByteArray("light") << false;
    // Neither word: the desktop decides, and offscreen it is light.
    QTest::newRow("unknown") << QByteArray("purple") << false;
}

void TestDesktopIntegration::colorSchemeOverride()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, dark);
    qputenv("LUMENSCRIBE_COLOR_SCHEME", value);
    DesktopAppearance appearance(noBus());
    QCOMPARE(appearance.scheme(), dark ? DesktopAppearance::Scheme::Dark : DesktopAppearance::Scheme::Light);
    appearance.apply();
    QCOMPARE(isDark(), dark);
    if (dark)
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
}

void TestDesktopIntegration::colorSchemeFromThePortal()
{
    if (m_address.isEmpty())
        QSKIP("no dbus-daemon to run a private bus");
    QDBusConnection portalBus = privateBus(QStringLiteral("portal"));
    FakePortal portal;
    // Answered from a thread of its own, as the real portal is another process.
    QThread thread;
    portal.moveToThread(&thread);
    thread.start();
    QVERIFY(portalBus.registerService(PortalService));
    QVERIFY(portalBus.registerObject(PortalPath, &portal, QDBusConnection::ExportAllSlots));
    const QDBusConnection app = privateBus(QStringLiteral("app"));
    QCOMPARE(DesktopAppearance::fromPortal(app), DesktopAppearance::Scheme::Dark);
    portal.scheme = 2;
    QCOMPARE(DesktopAppearance::fromPortal(app), DesktopAppearance::Scheme::Light);
    // No preference: the palette decides.
    portal.scheme = 0;
    QCOMPARE(DesktopAppearance::fromPortal(app), std::nullopt);
    portalBus.unregisterObject(PortalPath);
    portalBus.unregisterService(PortalService);
    thread.quit();
    thread.wait();
    // No portal at all.
    QCOMPARE(DesktopAppearance::fromPortal(app), std::nullopt);
}

void TestDesktopIntegration::colorSchemeFromAnOlderPortal()
{
    if (m_address.isEmpty())
        QSKIP("no dbus-daemon to run a private bus");
    QDBusConnection portalBus = privateBus(QStringLiteral("oldportal"));
    OldFakePortal portal;
    QThread thread;
    portal.moveToThread(&thread);
    thread.start();
    QVERIFY(portalBus.registerService(PortalService));
    QVERIFY(portalBus.registerObject(PortalPath, &portal, QDBusConnection::ExportAllSlots));
    QCOMPARE(DesktopAppearance::fromPortal(privateBus(QStringLiteral("app"))), DesktopAppearance::Scheme::Light);
    portalBus.unregisterObject(PortalPath);
    portalBus.unregisterService(PortalService);
    thread.quit();
    thread.wait();
}

void TestDesktopIntegration::followsThePortalWhileRunning()
{
    if (m_address.isEmpty())
        QSKIP("no dbus-daemon to run a private bus");
    QDBusConnection portalBus = privateBus(QStringLiteral("liveportal"));
    FakePortal portal;
    QThread thread;
    portal.moveToThread(&thread);
    thread.start();
    QVERIFY(portalBus.registerService(PortalService));
    QVERIFY(portalBus.registerObject(PortalPath, &portal, QDBusConnection::ExportAllSlots));

    DesktopAppearance appearance(privateBus(QStringLiteral("app")));
    QSignalSpy changed(&appearance, &DesktopAppearance::schemeChanged);
    appearance.apply();
    QVERIFY(isDark());

    const auto announce = [&](uint scheme) {
        QDBusMessage signal =
            QDBusMessage::createSignal(PortalPath, SettingsInterface, QStringLiteral("SettingChanged"));
        signal << AppearanceGroup << ColorSchemeKey << QVariant::fromValue(QDBusVariant(scheme));
        QVERIFY(portalBus.send(signal));
    };
    announce(2);
    QTRY_COMPARE(changed.count(), 1);
    QVERIFY(!isDark());
    announce(1);
    QTRY_COMPARE(changed.count(), 2);
    QVERIFY(isDark());

    portalBus.unregisterObject(PortalPath);
    portalBus.unregisterService(PortalService);
    thread.quit();
    thread.wait();
}

QTEST_MAIN(TestDesktopIntegration)
#include "tst_desktopintegration.moc"
