#include "run/CardSystemFiles.h"

#include "platform/PathNames.h"

namespace lumenscribe {

bool CardSystemFiles::isSystemFile(const QString& path)
{
    const QString name = PathNames::lastComponent(path);
    for (const QStringView fixed : {u"AUTPRINT.MRK", u"Thumbs.db", u"desktop.ini"}) {
        if (name.compare(fixed, Qt::CaseInsensitive) == 0)
            return true;
    }
    if (name.size() > 4 && name.endsWith(u".CTG", Qt::CaseInsensitive))
        return true;
    return name.size() > 4 && name.endsWith(u".MRK", Qt::CaseInsensitive) &&
           PathNames::lastComponent(PathNames::folderOf(path)).compare(u"MISC", Qt::CaseInsensitive) == 0;
}

} // namespace lumenscribe
