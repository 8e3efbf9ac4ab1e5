// The addresses the About and donation panels open: a support mail whose
// subject names the product and its short version, the product's web page,
// and a donation page in the language of the installed translation.
#pragma once

#include <QUrl>

namespace lumenscribe {

class OutsideLinks
{
public:
    static QUrl supportMail(const QString& shortVersion);
    static QUrl supportMail() { return supportMail(QStringLiteral(LUMENSCRIBE_VERSION)); }
    static QUrl website();
    // `languageCode` is the donation site's code ("US", "DE").
    static QUrl donation(const QString& languageCode);
    // With the code the installed translation gives.
    static QUrl donation();
};

} // namespace lumenscribe
