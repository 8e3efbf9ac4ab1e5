#include "fs/TrashCan.h"

#include "fs/FileSystem.h"
#include "platform/PathNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumenscribe {

QString TrashCan::homeTrash()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Trash");
}

std::error_code TrashCan::moveToTrash(const QString& path, QString& trashedPath)
{
    m_problem.clear();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    FileStatus status;
    if (const std::error_code error = m_fileSystem.status(absolute, status))
        return error;
    QString trash;
    if (const std::error_code error = trashFor(absolute, status.device, trash))
        return error;
    QString name;
    if (const std::error_code error = reserveName(trash, absolute, name))
        return error;
    const QString target = trash + QStringLiteral("/files/") + name;
    if (const std::error_code error = m_fileSystem.renameNoReplace(absolute, target)) {
        m_fileSystem.unlink(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        return error;
    }
    trashedPath = target;
    return {};
}

std::error_code TrashCan::trashFor(const QString& path, quint64 device, QString& trash)
{
    const QString home = homeTrash();
    QDir().mkpath(PathNames::folderOf(home));
    FileStatus homeFolder;
    if (!m_fileSystem.status(PathNames::folderOf(home), homeFolder, FileSystem::Links::Follow) &&
        homeFolder.device == device) {
        trash = home;
        const std::error_code error = prepareTrash(home, device, false);
        if (error != std::errc::not_supported)
            return error;
    }
    return volumeTrash(topDirectory(path, device), device, trash);
}

// The volume's shared ".Trash" first, when it is what the freedesktop.org
// trash asks for (a sticky folder, no link); else the user's own
// ".Trash-$uid".
std::error_code TrashCan::volumeTrash(const QString& top, quint64 device, QString& trash)
{
    FileStatus shared;
    if (!m_fileSystem.status(top + QStringLiteral("/.Trash"), shared) && shared.isFolder() && (shared.mode & S_ISVTX)) {
        trash = top + QStringLiteral("/.Trash/%1").arg(::getuid());
        const std::error_code error = prepareTrash(trash, device, false);
        if (error != std::errc::not_supported)
            return error;
    }
    trash = top + QStringLiteral("/.Trash-%1").arg(::getuid());
    return prepareTrash(trash, device, true);
}

std::error_code TrashCan::ownFolder(const QString& path, bool privateMode)
{
    FileStatus status;
    if (const std::error_code error = m_fileSystem.status(path, status, FileSystem::Links::Keep))
        return error;
    if (!status.isFolder() || status.owner != ::getuid())
        return TrashError::NotOwnTrash;
    if (privateMode && (status.permissions() & 0777) != 0700)
        return TrashError::NotOwnTrash;
    return {};
}

// Makes what is missing of the trash and checks what is there. A trash is
// only usable on the file's own file system: moving a photo into it must be
// a rename, never a copy.
std::error_code TrashCan::prepareTrash(const QString& trash, quint64 device, bool privateMode)
{
    for (const QString& sub : {QString(), QStringLiteral("/files"), QStringLiteral("/info")}) {
        const QString folder = trash + sub;
        std::error_code check = ownFolder(folder, sub.isEmpty() && privateMode);
        if (check == std::errc::no_such_file_or_directory) {
            const std::error_code error = m_fileSystem.mkdir(folder, 0700);
            if (error && error != std::errc::file_exists)
                return std::make_error_code(std::errc::not_supported);
            check = ownFolder(folder, sub.isEmpty() && privateMode);
        }
        if (check && check != TrashError::NotOwnTrash)
            return check;
        if (check == TrashError::NotOwnTrash) {
            m_problem = QStringLiteral("%1 is not the user's own trash folder (a link, another user's, or open to "
                                       "others), so nothing is put there")
                            .arg(folder);
            return TrashError::NotOwnTrash;
        }
    }
    FileStatus status;
    if (m_fileSystem.status(trash + QStringLiteral("/files"), status) || status.device != device)
        return std::make_error_code(std::errc::not_supported);
    return {};
}

QString TrashCan::topDirectory(const QString& path, quint64 device)
{
    QString top = PathNames::folderOf(path);
    for (;;) {
        const QString parent = PathNames::folderOf(top);
        FileStatus status;
        if (parent == top || m_fileSystem.status(parent, status) || status.device != device)
            return top;
        top = parent;
    }
}

std::error_code TrashCan::reserveName(const QString& trash, const QString& path, QString& name)
{
    const QString base = PathNames::lastComponent(path);
    const QByteArray note = "[Trash Info]\nPath=" + QUrl::toPercentEncoding(path, "/") +
                            "\nDeletionDate=" + QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1() + "\n";
    for (int n = 1; n < 10000; ++n) {
        name = n == 1 ? base
                      : PathNames::withoutExtension(base) + QStringLiteral(" %1").arg(n) +
                            (PathNames::extension(base).isEmpty() ? QString() : u'.' + PathNames::extension(base));
        if (m_fileSystem.exists(trash + QStringLiteral("/files/") + name))
            continue;
        const QString notePath = trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo");
        removeStaleNote(notePath);
        int fd = -1;
        const std::error_code error = m_fileSystem.open(notePath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600, fd);
        if (error == std::errc::file_exists)
            continue;
        if (error)
            return error;
        qint64 written = 0;
        std::error_code writeError = m_fileSystem.write(fd, note.constData(), note.size(), written);
        if (!writeError && written != note.size())
            writeError = std::make_error_code(std::errc::no_space_on_device);
        const std::error_code closeError = m_fileSystem.close(fd);
        if (!writeError)
            writeError = closeError;
        // An empty or cut note would stand for a file that never came.
        if (writeError)
            m_fileSystem.unlink(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        return writeError;
    }
    return std::make_error_code(std::errc::file_exists);
}

// An empty note without its file was left by a step that failed before it
// could write the note (a crash, a full disk). A minute old, it is no longer
// one that another process is about to fill.
void TrashCan::removeStaleNote(const QString& notePath)
{
    FileStatus status;
    if (!m_fileSystem.status(notePath, status) && status.isRegularFile() && status.size == 0 &&
        QDateTime::currentSecsSinceEpoch() - status.modificationTime.seconds >= 60)
        m_fileSystem.unlink(notePath);
}

QString TrashCan::findTrashed(const QString& originalPath)
{
    const QString absolute = QFileInfo(originalPath).absoluteFilePath();
    QString found = findIn(homeTrash(), absolute);
    FileStatus folder;
    if (found.isEmpty() && !m_fileSystem.status(PathNames::folderOf(absolute), folder)) {
        const QString top = topDirectory(absolute, folder.device);
        found = findIn(top + QStringLiteral("/.Trash/%1").arg(::getuid()), absolute);
        if (found.isEmpty())
            found = findIn(top + QStringLiteral("/.Trash-%1").arg(::getuid()), absolute);
    }
    return found;
}

QString TrashCan::findIn(const QString& trash, const QString& originalPath)
{
    QStringList notes;
    if (m_fileSystem.listFolder(trash + QStringLiteral("/info"), notes))
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
        if (!m_fileSystem.status(notePath, status) && m_fileSystem.exists(candidate) &&
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
