#include "platform/FileProbe.h"

#include "platform/FolderAnchors.h"
#include "platform/NativePath.h"

#include <QDateTime>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace lumenscribe {

namespace {

class DiskProbe : public NameProbe
{
public:
    bool nameTaken(const QString& path) override { return FileProbe::exists(path); }
    OptionalInstant creationDate(const QString& path) override { return FileProbe::creationDate(path); }
};

} // namespace

NameProbe& FileProbe::disk()
{
    static DiskProbe probe;
    return probe;
}

bool FileProbe::exists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const FolderAnchors::Resolved file = FolderAnchors::at(path);
    if (file.error)
        return file.folder != AT_FDCWD && file.error != ENOENT; // a folder in the way: taken
    struct stat info
    {
    };
    return ::fstatat(file.folder, file.name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

OptionalInstant FileProbe::creationDate(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
#if defined(Q_OS_LINUX)
    // QFileInfo would turn bytes that are not UTF-8 into U+FFFD and look at
    // another path; statx sees the name as it is on disk.
    const FolderAnchors::Resolved file = FolderAnchors::at(path);
    if (file.error)
        return std::nullopt;
    struct statx info
    {
    };
    if (::statx(file.folder, file.name.constData(), 0, STATX_MTIME | STATX_BTIME, &info) != 0)
        return std::nullopt;
    const auto milliseconds = [](const statx_timestamp& t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000; };
    qint64 ms = milliseconds(info.stx_mtime);
    if (info.stx_mask & STATX_BTIME)
        ms = std::min(ms, milliseconds(info.stx_btime));
    return ms / 1000.0;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const QDateTime birth = info.birthTime();
#if defined(Q_OS_MACOS) || defined(Q_OS_WIN)
    if (birth.isValid())
        return birth.toMSecsSinceEpoch() / 1000.0;
    return std::nullopt;
#else
    const QDateTime modified = info.lastModified();
    if (!modified.isValid())
        return birth.isValid() ? std::optional(birth.toMSecsSinceEpoch() / 1000.0) : std::nullopt;
    qint64 ms = modified.toMSecsSinceEpoch();
    if (birth.isValid())
        ms = std::min(ms, birth.toMSecsSinceEpoch());
    return ms / 1000.0;
#endif
#endif
}

} // namespace lumenscribe
