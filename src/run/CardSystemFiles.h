// Files a camera, a printer kiosk or Windows keeps on a card for itself:
// the print order in the MISC folder ("AUTPRINT.MRK" and its other ".MRK"
// files), ".CTG" catalogues of the DCIM folders, "Thumbs.db" and
// "desktop.ini". Renamed or deleted, they break the card's print orders and
// the camera's own index, so a run never touches them.
#pragma once

#include <QString>

namespace lumenscribe {

class CardSystemFiles
{
public:
    // By name, in any letter case.
    static bool isSystemFile(const QString& path);
};

} // namespace lumenscribe
