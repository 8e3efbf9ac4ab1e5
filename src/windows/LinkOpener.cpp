#include "windows/LinkOpener.h"

#include <QDesktopServices>

namespace lumenscribe {

namespace {

LinkOpener::Hook& hook()
{
    static LinkOpener::Hook instance;
    return instance;
}

} // namespace

void LinkOpener::open(const QUrl& url)
{
    if (hook())
        hook()(url);
    else
        QDesktopServices::openUrl(url);
}

void LinkOpener::setHook(Hook newHook)
{
    hook() = std::move(newHook);
}

} // namespace lumenscribe
