#include "naming/FileProbe.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace lumenscribe {

namespace {

thread_local FileProbe::PlannedChanges* t_plannedChanges = nullptr;

} // namespace

void FileProbe::setPlannedChanges(PlannedChanges* changes)
{
    t_plannedChanges = changes;
}

bool FileProbe::exists(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (t_plannedChanges) {
        if (t_plannedChanges->added.contains(path))
            return true;
        if (t_plannedChanges->removed.contains(path))
            return false;
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat info{};
    return ::lstat(native.constData(), &info) == 0;
}

OptionalInstant FileProbe::creationDate(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
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
}

} // namespace lumenscribe
