#include "metadata/CaptureDateFinder.h"

#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifDictionary.h"
#include "metadata/ExifString.h"
#include "metadata/FileSource.h"
#include "metadata/XmpReader.h"
#include "platform/NativePath.h"

#include <QDir>
#include <sys/stat.h>

namespace lumenscribe {

namespace {

using Result = CaptureDateFinder::Result;

CaptureDateFinder::Result resultOf(const ExifAccess& reader, const QString& source, const QString& companion = {})
{
    const ExifDate* date = reader.evaluateCreationDate();
    if (!date)
        return {};
    Result result{date->date(),
                  source,
                  reader.creationDateKey(),
                  companion,
                  date->utcOffsetMinutes(),
                  date->timeUnknown(),
                  date->subSeconds(),
                  date->storedAsInstant(),
                  {}};
    if (const auto* model = reader.exifDict().get<ExifString>(QStringLiteral("Model")))
        result.model = model->string().trimmed();
    return result;
}

} // namespace

QString CaptureDateFinder::companionPath(const QString& path, const QString& extension)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString stem = dot > slash + 1 ? path.left(dot) : path;
    return stem + u'.' + extension;
}

CaptureDateFinder::Result CaptureDateFinder::find(const QString& path,
                                                  const std::function<bool(const QString&)>& mayExist,
                                                  NativePath::Look look, bool withModel)
{
    return search(path, mayExist, look, nullptr, withModel);
}

CaptureDateFinder::Result CaptureDateFinder::find(const QString& path,
                                                  const std::function<bool(const QString&)>& mayExist,
                                                  const FileSource& file, bool withModel)
{
    return search(path, mayExist, NativePath::Look::AlreadyDone, &file, withModel);
}

CaptureDateFinder::Result CaptureDateFinder::fromFile(const FileSource& file, bool withModel)
{
    ExifAccess reader;
    reader.setDatesOnly(true);
    reader.setWithModel(withModel);
    reader.readExifInformationFromSource(file);
    return resultOf(reader, QStringLiteral("file"));
}

CaptureDateFinder::Result CaptureDateFinder::search(const QString& path,
                                                    const std::function<bool(const QString&)>& mayExist,
                                                    NativePath::Look look, const FileSource* file, bool withModel)
{
    ExifAccess reader;
    reader.setDatesOnly(true);
    reader.setWithModel(withModel);
    for (const QString& extension : {QStringLiteral("thm"), QStringLiteral("THM")}) {
        const QString candidate = companionPath(path, extension);
        if (candidate == path || (mayExist && !mayExist(candidate)) || NativePath::fileType(candidate) != S_IFREG)
            continue;
        // Looked at just now, by its type.
        reader.readExifInformationFromFile(candidate, NativePath::Look::AlreadyDone);
        if (reader.evaluateCreationDate())
            return resultOf(reader, extension, candidate);
    }
    Result result;
    if (file) {
        result = fromFile(*file, withModel);
    } else {
        reader.readExifInformationFromFile(path, look);
        result = resultOf(reader, QStringLiteral("file"));
    }
    if (result.date)
        return result;
    if (const QString sidecar = sidecarPath(path, mayExist); !sidecar.isEmpty())
        return fromSidecar(path, sidecar);
    return {};
}

QString CaptureDateFinder::sidecarPath(const QString& path, const std::function<bool(const QString&)>& mayExist)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = slash >= 0 ? path.left(slash + 1) : QString();
    const QString name = path.mid(slash + 1);
    const QString stem = companionPath(name, QString()).chopped(1);
    const QString wanted[] = {stem + QStringLiteral(".xmp"), name + QStringLiteral(".xmp")};
    // Asked only for a file without a date of its own, so one listing of
    // the folder is affordable; it finds the sidecar in any letter case.
    const QStringList names =
        QDir(folder.isEmpty() ? QStringLiteral(".") : folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& candidate : wanted) {
        for (const QString& entry : names) {
            if (entry.compare(candidate, Qt::CaseInsensitive) != 0 || entry == name)
                continue;
            const QString full = folder + entry;
            if ((!mayExist || mayExist(full)) && NativePath::fileType(full) == S_IFREG)
                return full;
        }
    }
    return {};
}

CaptureDateFinder::Result CaptureDateFinder::fromSidecar(const QString& path, const QString& sidecar)
{
    const FileSource file(sidecar);
    if (!file.isOpen())
        return {};
    const ByteReader whole(file);
    const auto packet = whole.bytesAt(0, std::min<quint64>(file.size(), XmpReader::MaxPacket));
    ExifDictionary dictionary;
    dictionary.setDatesOnly(true);
    const QString property = packet ? XmpReader::readDate(dictionary, *packet) : QString();
    const auto* date = dictionary.get<ExifDate>(QStringLiteral("DateTimeOriginal"));
    if (property.isEmpty() || !date)
        return {};
    // Named as a companion is: by what follows the photo's stem.
    const qsizetype stemLength = companionPath(path, QString()).size() - 1;
    const QString source = sidecar.mid(stemLength + 1);
    return {date->date(),       source, property, sidecar, date->utcOffsetMinutes(), date->timeUnknown(),
            date->subSeconds(), false,  {}};
}

} // namespace lumenscribe
