#include "fs/FileSystem.h"

#include "platform/FileProbe.h"
#include "platform/NativePath.h"

#include <sys/stat.h>

namespace lumenscribe {

bool FileStatus::isRegularFile() const
{
    return S_ISREG(mode);
}

bool FileStatus::isFolder() const
{
    return S_ISDIR(mode);
}

QString FileSystem::decodePath(const QByteArray& path)
{
    return NativePath::decode(path);
}

QByteArray FileSystem::encodePath(const QString& path)
{
    return NativePath::encode(path);
}

std::error_code FileSystem::listFolder(const QString& path, QStringList& names)
{
    QList<FolderEntry> entries;
    const std::error_code error = listFolder(path, entries);
    names.clear();
    names.reserve(entries.size());
    for (FolderEntry& entry : entries)
        names.append(std::move(entry.name));
    return error;
}

// Linux keeps the birth time apart from what status() answers.
OptionalInstant FileSystem::creationDate(const QString& path)
{
    return FileProbe::creationDate(path);
}

bool FileSystem::exists(const QString& path)
{
    FileStatus ignored;
    return !status(path, ignored, Links::Keep);
}

} // namespace lumenscribe
