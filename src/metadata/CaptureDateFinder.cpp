#include "metadata/CaptureDateFinder.h"

#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/FileSource.h"
#include "naming/NativePath.h"

#include <sys/stat.h>

namespace lumenscribe {

QString CaptureDateFinder::companionPath(const QString& path, const QString& extension)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString stem = dot > slash + 1 ? path.left(dot) : path;
    return stem + u'.' + extension;
}

CaptureDateFinder::Result CaptureDateFinder::find(const QString& path,
                                                  const std::function<bool(const QString&)>& mayExist,
                                                  NativePath::Look look)
{
    return search(path, mayExist, look, nullptr);
}

CaptureDateFinder::Result CaptureDateFinder::find(const QString& path,
                                                  const std::function<bool(const QString&)>& mayExist,
                                                  const FileSource& file)
{
    return search(path, mayExist, NativePath::Look::AlreadyDone, &file);
}

CaptureDateFinder::Result CaptureDateFinder::search(const QString& path,
                                                    const std::function<bool(const QString&)>& mayExist,
                                                    NativePath::Look look, const FileSource* file)
{
    const QString candidates[][2] = {{companionPath(path, QStringLiteral("thm")), QStringLiteral("thm")},
                                     {companionPath(path, QStringLiteral("THM")), QStringLiteral("THM")},
                                     {path, QStringLiteral("file")}};
    ExifAccess reader;
    reader.setDatesOnly(true);
    for (const auto& [candidate, source] : candidates) {
        const bool itself = source == u"file";
        if (!itself && (candidate == path || (mayExist && !mayExist(candidate)) ||
                        NativePath::fileType(candidate) != S_IFREG))
            continue;
        if (itself && file) {
            reader.readExifInformationFromSource(*file);
        } else {
            // A companion was looked at just now, by its type.
            reader.readExifInformationFromFile(candidate, itself ? look : NativePath::Look::AlreadyDone);
        }
        if (const ExifDate* date = reader.evaluateCreationDate())
            return {date->date(), source, reader.creationDateKey()};
    }
    return {};
}

} // namespace lumenscribe
