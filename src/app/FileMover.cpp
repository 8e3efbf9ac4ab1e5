#include "app/FileMover.h"

#include "app/LocalizedStrings.h"
#include "app/StatusProxy.h"

#include <QRandomGenerator>
#include <cerrno>
#include <cmath>
#include <fcntl.h>

namespace lumenscribe {

namespace {

constexpr qint64 kCopyChunk = 1 << 20;
constexpr int kFinderInfoSize = 32;
constexpr int kCreatorOffset = 4;

const QByteArray& finderInfoName()
{
    static const QByteArray name("user.com.apple.FinderInfo");
    return name;
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

// Begins with "." so that a run never takes a leftover for a photo.
QString temporaryName(const QString& folder)
{
    static constexpr char16_t kAlphabet[] =
        u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = folder + QStringLiteral("/.lumenscribe-");
    for (int i = 0; i < 6; ++i)
        name.append(QChar(kAlphabet[QRandomGenerator::global()->bounded(62)]));
    return name;
}

} // namespace

FileMover::FileMover(FileSystem& fileSystem) : m_fileSystem(fileSystem)
{
}

bool FileMover::moveFile(const QString& source, const QString& target, StatusProxy& proxy,
                         QStringList& processed, OptionalInstant creationDate,
                         const MoveOptions& options)
{
    const LocalizedStrings& strings = LocalizedStrings::shared();
    m_lastError = move(source, target);
    if (m_lastError) {
        proxy.showAlertPanel(
            strings.format(QStringLiteral("AlertPanelFileMove"), {source, target}));
        return false;
    }
    // Each attribute on its own: one may fail while the other succeeds.
    if (options.fileCreatorIDChange) {
        if (const int error = setCreatorCode(target, options.fileCreatorID)) {
            m_lastError = error;
            proxy.showAlertPanel(
                strings.format(QStringLiteral("AlertPanelFileCreatorCodeError"), {target}));
        }
    }
    if (creationDate) {
        if (const int error = setCreationDate(target, *creationDate)) {
            m_lastError = error;
            proxy.showAlertPanel(
                strings.format(QStringLiteral("AlertPanelFileCreationDateError"), {target}));
        }
    }
    processed.append(target);
    return true;
}

int FileMover::move(const QString& source, const QString& target)
{
    // The rename answers for a missing source or a taken target itself; the
    // source is looked at only when it has to be copied.
    const int error = placeWithoutReplacing(source, target);
    if (error != EXDEV)
        return error;
    FileStatus from;
    if (const int statusError = m_fileSystem.status(source, from, FileSystem::Links::Keep))
        return statusError;
    return copyAcross(source, target, from);
}

// No check before the rename: the rename itself refuses a taken target, so
// a file that appears in between is never replaced.
int FileMover::placeWithoutReplacing(const QString& from, const QString& to)
{
    const int error = m_fileSystem.renameNoReplace(from, to);
    if (error == EINVAL || error == ENOSYS)
        return linkThenUnlink(from, to);
    return error;
}

// link() refuses an existing name just as the rename would.
int FileMover::linkThenUnlink(const QString& from, const QString& to)
{
    if (const int error = m_fileSystem.link(from, to))
        return error;
    const int error = m_fileSystem.unlink(from);
    if (error == 0)
        return 0;
    // Undo only while the first name still stands: an unlink that reports
    // failure after all must not cost the file both its names.
    if (m_fileSystem.exists(from)) {
        m_fileSystem.unlink(to);
        return error;
    }
    return 0;
}

int FileMover::copyAcross(const QString& source, const QString& target, const FileStatus& from)
{
    // A link or a folder would arrive as something else; leave it be.
    if (!from.isRegularFile())
        return EXDEV;
    int input = -1;
    if (const int error = m_fileSystem.open(source, O_RDONLY, 0, input))
        return error;
    QString temporary;
    int output = -1;
    int error = createTemporary(folderOf(target), temporary, output);
    if (error == 0)
        error = finishTemporary(temporary, output, from, copyContents(input, output));
    m_fileSystem.close(input);
    if (error == 0)
        error = placeWithoutReplacing(temporary, target);
    if (error) {
        if (!temporary.isEmpty())
            m_fileSystem.unlink(temporary);
        return error;
    }
    return commitAcross(source, target, from);
}

int FileMover::createTemporary(const QString& folder, QString& path, int& fd)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = temporaryName(folder);
        const int error = m_fileSystem.open(path, O_WRONLY | O_CREAT | O_EXCL, 0600, fd);
        if (error != EEXIST) {
            if (error)
                path.clear();
            return error;
        }
    }
    path.clear();
    return EEXIST;
}

int FileMover::copyContents(int input, int output)
{
    QByteArray buffer(kCopyChunk, Qt::Uninitialized);
    for (;;) {
        qint64 count = 0;
        if (const int error = m_fileSystem.read(input, buffer.data(), buffer.size(), count))
            return error;
        if (count == 0)
            return 0;
        if (const int error = writeAll(output, buffer.constData(), count))
            return error;
    }
}

int FileMover::writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        qint64 count = 0;
        if (const int error = m_fileSystem.write(fd, data, size, count))
            return error;
        if (count <= 0)
            return EIO; // no progress and no reason: do not spin
        data += count;
        size -= count;
    }
    return 0;
}

// Closes fd whatever happens. The times go on last, after the final write,
// and everything reaches the disk before the copy may stand for the source.
int FileMover::finishTemporary(const QString& path, int fd, const FileStatus& from, int error)
{
    if (error == 0)
        error = m_fileSystem.chmod(path, from.permissions());
    if (error == 0)
        error = m_fileSystem.setTimes(path, from.accessTime, from.modificationTime);
    if (error == 0)
        error = m_fileSystem.fsync(fd);
    const int closeError = m_fileSystem.close(fd);
    if (error == 0)
        error = closeError;
    if (error == 0) {
        // The source may have grown or shrunk while it was read.
        FileStatus copied;
        error = m_fileSystem.status(path, copied, FileSystem::Links::Keep);
        if (error == 0 && copied.size != from.size)
            error = EIO;
    }
    return error;
}

// The copy lies at target. The source goes only once the copy's name is on
// disk; if it cannot go, the copy goes instead and the move has not happened.
int FileMover::commitAcross(const QString& source, const QString& target, const FileStatus& from)
{
    int error = syncFolder(folderOf(target));
    if (error == 0)
        error = unchangedSince(source, from);
    if (error == 0)
        error = m_fileSystem.unlink(source);
    if (error == 0)
        return 0;
    if (m_fileSystem.exists(source)) {
        m_fileSystem.unlink(target);
        return error;
    }
    return 0;
}

// Something still writing the source (a slow card reader, a download)
// would lose what it wrote after the copy was made.
int FileMover::unchangedSince(const QString& source, const FileStatus& from)
{
    FileStatus now;
    if (const int error = m_fileSystem.status(source, now, FileSystem::Links::Keep))
        return error;
    const bool same = now.device == from.device && now.inode == from.inode &&
                      now.size == from.size && now.modificationTime == from.modificationTime;
    return same ? 0 : EBUSY;
}

int FileMover::syncFolder(const QString& folder)
{
    int fd = -1;
    if (const int error = m_fileSystem.open(folder, O_RDONLY | O_DIRECTORY, 0, fd))
        return error;
    int error = m_fileSystem.fsync(fd);
    m_fileSystem.close(fd);
    // Some file systems cannot sync a folder at all and say so.
    if (error == EINVAL || error == ENOTSUP)
        error = 0;
    return error;
}

int FileMover::setCreatorCode(const QString& path, quint32 creator)
{
    QByteArray info;
    int error = m_fileSystem.getAttribute(path, finderInfoName(), info);
    if (error == ENODATA) {
        info.clear();
        error = 0;
    }
    if (error)
        return error;
    // Keep the type code and Finder flags; a short attribute is mended.
    info = info.leftJustified(kFinderInfoSize, '\0', true);
    for (int i = 0; i < 4; ++i)
        info[kCreatorOffset + i] = char((creator >> (24 - 8 * i)) & 0xFF);
    return m_fileSystem.setAttribute(path, finderInfoName(), info);
}

int FileMover::setCreationDate(const QString& path, Instant date)
{
    const double whole = std::floor(date);
    if (!std::isfinite(whole) || std::fabs(whole) > 9.0e18)
        return EINVAL;
    FileTime time{qint64(whole), qint32(std::lround((date - whole) * 1e9))};
    if (time.nanoseconds >= 1000000000) {
        time.seconds += 1;
        time.nanoseconds = 0;
    }
    return m_fileSystem.setTimes(path, std::nullopt, time);
}

} // namespace lumenscribe
