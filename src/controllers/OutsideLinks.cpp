#include "controllers/OutsideLinks.h"

#include <QCoreApplication>

namespace lumenscribe {

namespace {

const char* const kProductName = "Lumenscribe";
const char* const kSupportAddress = "support@lumenscribe.example";
const char* const kPaymentAddress = "donate@lumenscribe.example";
const char* const kWebsite = "https://lumenscribe.github.io/";
const char* const kDonationSite = "https://www.paypal.com/xclick/";

} // namespace

QUrl OutsideLinks::supportMail(const QString& shortVersion)
{
    const QString product = QString::fromLatin1(kProductName);
    return QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kSupportAddress) + QStringLiteral("?subject=") +
                product + QStringLiteral("%20") + QString::fromLatin1(QUrl::toPercentEncoding(shortVersion)));
}

QUrl OutsideLinks::website()
{
    return QUrl(QString::fromLatin1(kWebsite) + QStringLiteral("?location=mac/") +
                QString::fromLatin1(kProductName).toLower());
}

QUrl OutsideLinks::donation(const QString& languageCode)
{
    // The parameters follow the path directly, without a question mark, as
    // the donation site's classic address has them.
    return QUrl(QString::fromLatin1(kDonationSite) + QStringLiteral("lc=") +
                QString::fromLatin1(QUrl::toPercentEncoding(languageCode)) + QStringLiteral("&business=") +
                QString::fromLatin1(kPaymentAddress) + QStringLiteral("&item_name=") +
                QString::fromLatin1(kProductName));
}

QUrl OutsideLinks::donation()
{
    //% "US"
    return donation(qtTrId("PayPal_LC_Identifier"));
}

} // namespace lumenscribe
