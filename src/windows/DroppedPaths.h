// The local files and folders in a drop or a paste; anything else (web
// addresses, text) is left out.
#pragma once

#include <QStringList>

class QMimeData;

namespace lumenscribe {

class DroppedPaths
{
public:
    static bool hasLocalPaths(const QMimeData* mime);
    static QStringList localPaths(const QMimeData* mime);
};

} // namespace lumenscribe
