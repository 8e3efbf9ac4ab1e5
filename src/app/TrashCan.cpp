#include "app/TrashCan.h"

#include "app/FileSystem.h"
#include "app/PathNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lumenscribe {

QString TrashCan::homeTrash()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Trash");
}

int TrashCan::moveToTrash(const QString& path, QString& trashedPath)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    FileStatus status;
    if (const int error = m_fileSystem.status(absolute, status))
        return error;
    const QString trash = trashFor(absolute, status.device);
    if (trash.isEmpty())
        return ENOTSUP;
    QString name;
    if (const int error = reserveName(trash, absolute, name))
        return error;
    const QString target = trash + QStringLiteral("/files/") + name;
    if (const int error = m_fileSystem.renameNoReplace(absolute, target)) {
        m_fileSystem.unlink(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        return error;
    }
    trashedPath = target;
    return 0;
}

QString TrashCan::trashFor(const QString& path, quint64 device)
{
    const QString home = homeTrash();
    QDir().mkpath(PathNames::folderOf(home));
    if (usableTrash(home, device))
        return home;
    const QString top = topDirectory(path, device);
    const QString own = top + QStringLiteral("/.Trash-%1").arg(::getuid());
    return usableTrash(own, device) ? own : QString();
}

// A trash is only usable on the file's own file system: moving a photo into
// it must be a rename, never a copy.
bool TrashCan::usableTrash(const QString& trash, quint64 device)
{
    for (const QString& sub : {QString(), QStringLiteral("/files"), QStringLiteral("/info")}) {
        const int error = m_fileSystem.mkdir(trash + sub, 0700);
        if (error != 0 && error != EEXIST)
            return false;
    }
    FileStatus status;
    return m_fileSystem.status(trash + QStringLiteral("/files"), status, FileSystem::Links::Keep) == 0 &&
           status.isFolder() && status.device == device;
}

QString TrashCan::topDirectory(const QString& path, quint64 device)
{
    QString top = PathNames::folderOf(path);
    for (;;) {
        const QString parent = PathNames::folderOf(top);
        FileStatus status;
        if (parent == top || m_fileSystem.status(parent, status) != 0 || status.device != device)
            return top;
        top = parent;
    }
}

int TrashCan::reserveName(const QString& trash, const QString& path, QString& name)
{
    const QString base = PathNames::lastComponent(path);
    const QByteArray note = "[Trash Info]\nPath=" + QUrl::toPercentEncoding(path, "/") + "\nDeletionDate=" +
                            QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1() + "\n";
    for (int n = 1; n < 10000; ++n) {
        name = n == 1 ? base : PathNames::withoutExtension(base) + QStringLiteral(" %1").arg(n) +
                                   (PathNames::extension(base).isEmpty() ? QString() : u'.' + PathNames::extension(base));
        if (m_fileSystem.exists(trash + QStringLiteral("/files/") + name))
            continue;
        int fd = -1;
        const int error = m_fileSystem.open(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"),
                                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600, fd);
        if (error == EEXIST)
            continue;
        if (error)
            return error;
        qint64 written = 0;
        const int writeError = m_fileSystem.write(fd, note.constData(), note.size(), written);
        m_fileSystem.close(fd);
        return writeError;
    }
    return EEXIST;
}

QString TrashCan::findTrashed(const QString& originalPath)
{
    const QString absolute = QFileInfo(originalPath).absoluteFilePath();
    QString found = findIn(homeTrash(), absolute);
    FileStatus folder;
    if (found.isEmpty() && m_fileSystem.status(PathNames::folderOf(absolute), folder) == 0) {
        const QString top = topDirectory(absolute, folder.device);
        found = findIn(top + QStringLiteral("/.Trash-%1").arg(::getuid()), absolute);
    }
    return found;
}

QString TrashCan::findIn(const QString& trash, const QString& originalPath)
{
    QStringList notes;
    if (m_fileSystem.listFolder(trash + QStringLiteral("/info"), notes) != 0)
        return QString();
    const QByteArray wanted = "Path=" + QUrl::toPercentEncoding(originalPath, "/");
    QString best;
    FileTime newest;
    for (const QString& note : std::as_const(notes)) {
        if (!note.endsWith(QStringLiteral(".trashinfo")))
            continue;
        const QString notePath = trash + QStringLiteral("/info/") + note;
        QFile file(notePath);
        if (!file.open(QIODevice::ReadOnly) || !file.read(64 * 1024).split('\n').contains(wanted))
            continue;
        const QString candidate = trash + QStringLiteral("/files/") + note.chopped(10);
        FileStatus status;
        if (m_fileSystem.status(notePath, status) == 0 && m_fileSystem.exists(candidate) &&
            (best.isEmpty() || newest.seconds < status.modificationTime.seconds ||
             (newest.seconds == status.modificationTime.seconds &&
              newest.nanoseconds < status.modificationTime.nanoseconds))) {
            best = candidate;
            newest = status.modificationTime;
        }
    }
    return best;
}

} // namespace lumenscribe
