// Hands an outside address (mail, web page, donation page) to the desktop.
// A test puts a hook in its place and sees the addresses without anything
// being opened.
#pragma once

#include <QUrl>
#include <functional>

namespace lumenscribe {

class LinkOpener
{
public:
    using Hook = std::function<void(const QUrl&)>;

    // Nothing is reported when the desktop cannot open the address.
    static void open(const QUrl& url);
    // An empty hook gives the desktop back.
    static void setHook(Hook hook);
};

} // namespace lumenscribe
