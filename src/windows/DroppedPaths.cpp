#include "windows/DroppedPaths.h"

#include <QMimeData>
#include <QUrl>

namespace lumenscribe {

bool DroppedPaths::hasLocalPaths(const QMimeData* mime)
{
    return !localPaths(mime).isEmpty();
}

QStringList DroppedPaths::localPaths(const QMimeData* mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace lumenscribe
