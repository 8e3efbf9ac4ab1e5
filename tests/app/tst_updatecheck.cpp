// The update check's verdict and the outside addresses: only exact equality
// of the version texts means up to date, and the mail, web and donation
// addresses carry the product, its version and the translation's language.
#include "controllers/OutsideLinks.h"
#include "controllers/UpdateCheck.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QTest>

using lumenscribe::OutsideLinks;
using lumenscribe::Translations;
using lumenscribe::UpdateCheck;
using Panel = lumenscribe::UpdateCheck::Panel;

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Translations::install(QStringLiteral("en"))); }

    void verdict_data()
    {
        QTest::addColumn<bool>("downloaded");
        QTest::addColumn<QString>("web");
        QTest::addColumn<int>("panel");
        QTest::newRow("equal") << true << QStringLiteral("1.2.0.7") << int(Panel::NoUpdate);
        QTest::newRow("newer") << true << QStringLiteral("1.3.0.9") << int(Panel::UpdateAvailable);
        QTest::newRow("older") << true << QStringLiteral("1.1.0.1") << int(Panel::UpdateAvailable);
        QTest::newRow("line break") << true << QStringLiteral("1.2.0.7\n") << int(Panel::UpdateAvailable);
        QTest::newRow("leading space") << true << QStringLiteral(" 1.2.0.7") << int(Panel::UpdateAvailable);
        QTest::newRow("empty file") << true << QString() << int(Panel::UpdateAvailable);
        QTest::newRow("failed") << false << QString() << int(Panel::NetworkUnreachable);
    }
    void verdict()
    {
        QFETCH(bool, downloaded);
        QFETCH(QString, web);
        QFETCH(int, panel);
        const std::optional<QString> webVersion = downloaded ? std::optional<QString>(web) : std::nullopt;
        QCOMPARE(int(UpdateCheck::decide(webVersion, QStringLiteral("1.2.0.7"))), panel);
        QCOMPARE(int(UpdateCheck::message(webVersion, QStringLiteral("1.2.0.7")).panel), panel);
    }

    void panelTexts()
    {
        const auto unreachable = UpdateCheck::message(std::nullopt, QStringLiteral("1.2"));
        QCOMPARE(unreachable.title, QStringLiteral("Problem"));
        QCOMPARE(unreachable.text, QStringLiteral("Network not reachable!"));
        QCOMPARE(unreachable.acceptButton, QStringLiteral("Ok"));
        QVERIFY(unreachable.rejectButton.isEmpty());

        const auto current = UpdateCheck::message(QStringLiteral("1.2"), QStringLiteral("1.2"));
        QCOMPARE(current.title, QStringLiteral("No Update"));
        QCOMPARE(current.text, QStringLiteral("Currently up-to-date!"));
        QVERIFY(current.rejectButton.isEmpty());

        // The versions go in as they are; a %-code in the file is not expanded.
        const auto update = UpdateCheck::message(QStringLiteral("2.0 %2"), QStringLiteral("1.2"));
        QCOMPARE(update.title, QStringLiteral("New Version"));
        QCOMPARE(update.text, QStringLiteral("Web: 2.0 %2 / This: 1.2 -> Visit web site?"));
        QCOMPARE(update.acceptButton, QStringLiteral("Yes"));
        QCOMPARE(update.rejectButton, QStringLiteral("No"));
    }

    void germanDonationPage()
    {
        QVERIFY(Translations::install(QStringLiteral("de")));
        QCOMPARE(OutsideLinks::donation().toString(), OutsideLinks::donation(QStringLiteral("DE")).toString());
        QVERIFY(Translations::install(QStringLiteral("en")));
    }

    void versionFileAddress()
    {
        qunsetenv("LUMENSCRIBE_VERSION_URL");
        QVERIFY(UpdateCheck::versionFileUrl().startsWith(QStringLiteral("https://")));
        QVERIFY(UpdateCheck::versionFileUrl().endsWith(QStringLiteral("/versions/Lumenscribe.txt")));
        qputenv("LUMENSCRIBE_VERSION_URL", "http://127.0.0.1:1/v.txt");
        QCOMPARE(UpdateCheck::versionFileUrl(), QStringLiteral("http://127.0.0.1:1/v.txt"));
        qunsetenv("LUMENSCRIBE_VERSION_URL");
        // The full version begins with the short one the settings store.
        QVERIFY(UpdateCheck::thisVersion().startsWith(QStringLiteral(LUMENSCRIBE_VERSION)));
    }

    void addresses()
    {
        const QUrl mail = OutsideLinks::supportMail(QStringLiteral("1.2 beta"));
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QVERIFY2(mail.toString(QUrl::FullyEncoded).endsWith(QStringLiteral("?subject=Lumenscribe%201.2%20beta")),
                 qPrintable(mail.toString(QUrl::FullyEncoded)));
        QCOMPARE(mail.query(QUrl::FullyDecoded), QStringLiteral("subject=Lumenscribe 1.2 beta"));
        QVERIFY(OutsideLinks::supportMail().toString().contains(QStringLiteral(LUMENSCRIBE_VERSION)));

        const QUrl web = OutsideLinks::website();
        QVERIFY(web.isValid());
        QCOMPARE(web.query(), QStringLiteral("location=mac/lumenscribe"));

        const QUrl donation = OutsideLinks::donation(QStringLiteral("US"));
        QVERIFY(donation.isValid());
        QCOMPARE(donation.scheme(), QStringLiteral("https"));
        QVERIFY(!donation.hasQuery());
        QVERIFY2(
            donation.path().endsWith(QStringLiteral("/xclick/lc=US&business=") +
                                     donation.path().section(QLatin1Char('='), 2, 2).section(QLatin1Char('&'), 0, 0) +
                                     QStringLiteral("&item_name=Lumenscribe")),
            qPrintable(donation.path()));
        QCOMPARE(OutsideLinks::donation().toString(), donation.toString());
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
