#include "controllers/UpdateCheck.h"

#include <QCoreApplication>

namespace lumenscribe {

namespace {

const char* const kWebVersionFileUrl = "https://lumenscribe.github.io/versions/Lumenscribe.txt";

} // namespace

QString UpdateCheck::versionFileUrl()
{
    const QString configured = qEnvironmentVariable("LUMENSCRIBE_VERSION_URL");
    return configured.isEmpty() ? QString::fromLatin1(kWebVersionFileUrl) : configured;
}

QString UpdateCheck::thisVersion()
{
    return QStringLiteral(LUMENSCRIBE_FULL_VERSION);
}

UpdateCheck::Panel UpdateCheck::decide(const std::optional<QString>& webVersion, const QString& thisVersion)
{
    if (!webVersion || thisVersion.isEmpty())
        return Panel::NetworkUnreachable;
    return *webVersion == thisVersion ? Panel::NoUpdate : Panel::UpdateAvailable;
}

UpdateCheck::Message UpdateCheck::message(const std::optional<QString>& webVersion, const QString& thisVersion)
{
    switch (decide(webVersion, thisVersion)) {
    case Panel::NetworkUnreachable:
        //% "Problem"
        return {Panel::NetworkUnreachable,
                qtTrId("UpdateNetworkUnreachableTitle"),
                //% "Network not reachable!"
                qtTrId("UpdateNetworkUnreachableText"),
                //% "Ok"
                qtTrId("UpdateNetworkUnreachableOk"),
                {}};
    case Panel::NoUpdate:
        //% "No Update"
        return {Panel::NoUpdate,
                qtTrId("UpdateNoUpdateAvailableTitle"),
                //% "Currently up-to-date!"
                qtTrId("UpdateNoUpdateAvailableText"),
                //% "Ok"
                qtTrId("UpdateNoUpdateAvailableOk"),
                {}};
    case Panel::UpdateAvailable:
        break;
    }
    // Both versions are shown as they are, a line break in the file included.
    //% "New Version"
    return {Panel::UpdateAvailable, qtTrId("UpdateWebUpdateAvailableTitle"),
            //% "Web: %1 / This: %2 -> Visit web site?"
            qtTrId("UpdateWebUpdateAvailableText").arg(*webVersion, thisVersion),
            //% "Yes"
            qtTrId("UpdateWebUpdateAvailableYes"),
            //% "No"
            qtTrId("UpdateWebUpdateAvailableNo")};
}

} // namespace lumenscribe
