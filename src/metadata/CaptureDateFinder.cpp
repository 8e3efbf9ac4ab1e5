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

CaptureDateFinder::Result CaptureDateFinder::fromFile(const FileSource& file)
{
    ExifAccess reader;
    reader.setDatesOnly(true);
    reader.readExifInformationFromSource(file);
    if (const ExifDate* date = reader.evaluateCreationDate())
        return {date->date(), QStringLiteral("file"), reader.creationDateKey()};
    return {};
}

CaptureDateFinder::Result CaptureDateFinder::search(const QString& path,
                                                    const std::function<bool(const QString&)>& mayExist,
                                                    NativePath::Look look, const FileSource* file)
{
    ExifAccess reader;
    reader.setDatesOnly(true);
    for (const QString& extension : {QStringLiteral("thm"), QStringLiteral("THM")}) {
        const QString candidate = companionPath(path, extension);
        if (candidate == path || (mayExist && !mayExist(candidate)) || NativePath::fileType(candidate) != S_IFREG)
            continue;
        // Looked at just now, by its type.
        reader.readExifInformationFromFile(candidate, NativePath::Look::AlreadyDone);
        if (const ExifDate* date = reader.evaluateCreationDate())
            return {date->date(), extension, reader.creationDateKey()};
    }
    if (file)
        return fromFile(*file);
    reader.readExifInformationFromFile(path, look);
    if (const ExifDate* date = reader.evaluateCreationDate())
        return {date->date(), QStringLiteral("file"), reader.creationDateKey()};
    return {};
}

} // namespace lumenscribe
