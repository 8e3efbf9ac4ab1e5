#include "fs/FileMover.h"

#include <QCryptographicHash>
#include <cmath>
#include <cstring>
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

// The volume cannot hold owners, modes or attributes (FAT, some shares),
// or the process may not give them: the photo itself is unharmed.
bool cannotKeep(std::error_code error)
{
    return error == std::errc::operation_not_permitted || error == std::errc::not_supported ||
           error == std::errc::operation_not_supported || error == std::errc::function_not_supported;
}

} // namespace

FileMover::FileMover(FileSystem& fileSystem) : m_fileSystem(fileSystem)
{
}

// Begins with "." so that a run never takes a leftover for a photo. Named
// after the target, so that the journal's line for the move, written
// before the copy starts, also names the copy a kill may leave.
QString FileMover::temporaryPathFor(const QString& target)
{
    const QByteArray hash =
        QCryptographicHash::hash(FileSystem::encodePath(target), QCryptographicHash::Sha1).toHex().left(16);
    return folderOf(target) + QStringLiteral("/.lumenscribe-") + QString::fromLatin1(hash);
}

MoveOutcome FileMover::moveFile(const QString& source, const QString& target, OptionalInstant creationDate,
                                const MoveOptions& options)
{
    return withAttributes(move(source, target), target, creationDate, options);
}

MoveOutcome FileMover::copyFile(const QString& source, const QString& target, OptionalInstant creationDate,
                                const MoveOptions& options)
{
    return withAttributes(copy(source, target), target, creationDate, options);
}

MoveOutcome FileMover::withAttributes(std::error_code error, const QString& target, OptionalInstant creationDate,
                                      const MoveOptions& options)
{
    MoveOutcome outcome;
    outcome.moveError = error;
    if (outcome.moveError)
        return outcome;
    // Each attribute on its own: one may fail while the other succeeds.
    if (options.fileCreatorIDChange)
        outcome.creatorCodeError = setCreatorCode(target, options.fileCreatorID);
    if (creationDate)
        outcome.creationDateError = setCreationDate(target, *creationDate);
    return outcome;
}

std::error_code FileMover::move(const QString& source, const QString& target)
{
    // The rename answers for a missing source or a taken target itself; the
    // source is looked at only when it has to be copied.
    const std::error_code error = placeWithoutReplacing(source, target);
    if (error != std::errc::cross_device_link)
        return error;
    FileStatus from;
    if (const std::error_code statusError = m_fileSystem.status(source, from, FileSystem::Links::Keep))
        return statusError;
    return copyAcross(source, target, from);
}

// No check before the rename: the rename itself refuses a taken target, so
// a file that appears in between is never replaced.
std::error_code FileMover::placeWithoutReplacing(const QString& from, const QString& to)
{
    const std::error_code error = m_fileSystem.renameNoReplace(from, to);
    if (error == std::errc::invalid_argument || error == std::errc::function_not_supported)
        return linkThenUnlink(from, to);
    return error;
}

// link() refuses an existing name just as the rename would. FAT and exFAT
// through FUSE, and some shares, have neither that rename nor links.
std::error_code FileMover::linkThenUnlink(const QString& from, const QString& to)
{
    if (const std::error_code error = m_fileSystem.link(from, to)) {
        if (error == std::errc::operation_not_permitted || error == std::errc::function_not_supported ||
            error == std::errc::not_supported || error == std::errc::operation_not_supported)
            return replacePlaceholder(from, to);
        return error;
    }
    const std::error_code error = m_fileSystem.unlink(from);
    if (!error)
        return {};
    // Undo only while the first name still stands: an unlink that reports
    // failure after all must not cost the file both its names.
    if (m_fileSystem.exists(from)) {
        m_fileSystem.unlink(to);
        return error;
    }
    return {};
}

// The name is claimed with an exclusive create, which refuses a taken name
// (on a volume that folds case, also one differing only in case); the plain
// rename then replaces only that empty placeholder of our own.
std::error_code FileMover::replacePlaceholder(const QString& from, const QString& to)
{
    FileStatus source;
    if (const std::error_code error = m_fileSystem.status(from, source))
        return error;
    int fd = -1;
    if (const std::error_code error = m_fileSystem.open(to, O_WRONLY | O_CREAT | O_EXCL, 0600, fd))
        return error;
    FileStatus placeholder;
    std::error_code error = m_fileSystem.status(to, placeholder);
    const std::error_code closeError = m_fileSystem.close(fd);
    if (!error)
        error = closeError;
    // Anything else there by now was put there by someone else: keep it.
    FileStatus now;
    if (!error && (m_fileSystem.status(to, now) || now.inode != placeholder.inode || now.size != 0))
        return std::make_error_code(std::errc::file_exists);
    if (!error)
        error = m_fileSystem.rename(from, to);
    if (error && !m_fileSystem.status(to, now) && now.inode == placeholder.inode && now.size == 0 &&
        m_fileSystem.exists(from))
        m_fileSystem.unlink(to);
    return error;
}

std::error_code FileMover::copyAcross(const QString& source, const QString& target, const FileStatus& from)
{
    // A link or a folder would arrive as something else; leave it be.
    if (!from.isRegularFile())
        return std::make_error_code(std::errc::cross_device_link);
    if (const std::error_code error = placeCopy(source, target, from))
        return error;
    return commitAcross(source, target, from);
}

// A copy is a move to another disk without the source's removal: the same
// temporary name, the same sync, the same rename that replaces nothing.
std::error_code FileMover::copy(const QString& source, const QString& target)
{
    FileStatus from;
    if (const std::error_code error = m_fileSystem.status(source, from, FileSystem::Links::Follow))
        return error;
    if (!from.isRegularFile())
        return std::make_error_code(std::errc::invalid_argument);
    // A plan writes no bytes: a second name stands for the copy.
    if (m_fileSystem.plansOnly())
        return m_fileSystem.link(source, target);
    if (const std::error_code error = placeCopy(source, target, from))
        return error;
    // A name that may not last is not reported as a copy made.
    if (const std::error_code error = syncFolder(folderOf(target))) {
        m_fileSystem.unlink(target);
        return error;
    }
    return {};
}

std::error_code FileMover::placeCopy(const QString& source, const QString& target, const FileStatus& from)
{
    int input = -1;
    if (const std::error_code error = m_fileSystem.open(source, O_RDONLY, 0, input))
        return error;
    const QString temporary = temporaryPathFor(target);
    int output = -1;
    std::error_code error = createTemporary(temporary, output);
    const bool created = !error;
    if (created)
        error = finishTemporary(source, temporary, output, from, copyContents(input, output));
    m_fileSystem.close(input);
    if (!error)
        error = placeWithoutReplacing(temporary, target);
    if (error && created)
        m_fileSystem.unlink(temporary);
    return error;
}

// A file under this name is the leftover of a copy to the same target cut
// short: never the only copy of anything, as the source goes only after the
// copy has its final name.
std::error_code FileMover::createTemporary(const QString& path, int& fd)
{
    std::error_code error = m_fileSystem.open(path, O_WRONLY | O_CREAT | O_EXCL, 0600, fd);
    if (error == std::errc::file_exists && !m_fileSystem.unlink(path))
        error = m_fileSystem.open(path, O_WRONLY | O_CREAT | O_EXCL, 0600, fd);
    return error;
}

std::error_code FileMover::copyContents(int input, int output)
{
    QByteArray buffer(kCopyChunk, Qt::Uninitialized);
    for (;;) {
        qint64 count = 0;
        if (const std::error_code error = m_fileSystem.read(input, buffer.data(), buffer.size(), count))
            return error;
        if (count == 0)
            return {};
        if (const std::error_code error = writeAll(output, buffer.constData(), count))
            return error;
    }
}

std::error_code FileMover::writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        qint64 count = 0;
        if (const std::error_code error = m_fileSystem.write(fd, data, size, count))
            return error;
        if (count <= 0)
            return std::make_error_code(std::errc::io_error); // no progress and no reason: do not spin
        data += count;
        size -= count;
    }
    return {};
}

// Closes fd whatever happens. The copy keeps what the file was: its user
// attributes (the creator code among them), owner and group where the
// process may give them, then the mode (a change of owner clears set-id
// bits), and the times last, after the final write. Everything reaches the
// disk before the copy may stand for the source.
std::error_code FileMover::finishTemporary(const QString& source, const QString& path, int fd, const FileStatus& from,
                                           std::error_code error)
{
    if (!error)
        error = copyAttributes(source, path);
    if (!error) {
        error = m_fileSystem.changeOwner(path, from.owner, from.group);
        if (cannotKeep(error))
            error = m_fileSystem.changeOwner(path, quint32(-1), from.group);
        if (cannotKeep(error))
            error = {};
    }
    if (!error) {
        error = m_fileSystem.chmod(path, from.permissions());
        if (cannotKeep(error))
            error = {};
    }
    if (!error)
        error = m_fileSystem.setTimes(path, from.accessTime, from.modificationTime);
    if (!error)
        error = m_fileSystem.fsync(fd);
    const std::error_code closeError = m_fileSystem.close(fd);
    if (!error)
        error = closeError;
    if (!error) {
        // The source may have grown or shrunk while it was read.
        FileStatus copied;
        error = m_fileSystem.status(path, copied, FileSystem::Links::Keep);
        if (!error && copied.size != from.size)
            error = std::make_error_code(std::errc::io_error);
    }
    return error;
}

// Only the user's own attributes: the system's (security labels, access
// lists) belong to the volume they are on.
std::error_code FileMover::copyAttributes(const QString& source, const QString& target)
{
    QList<QByteArray> names;
    std::error_code error = m_fileSystem.listAttributes(source, names);
    if (cannotKeep(error))
        return {};
    for (const QByteArray& name : std::as_const(names)) {
        if (error || !name.startsWith("user."))
            continue;
        QByteArray value;
        error = m_fileSystem.getAttribute(source, name, value);
        if (error == std::errc::no_message_available) {
            error = {}; // removed in between
            continue;
        }
        if (!error)
            error = m_fileSystem.setAttribute(target, name, value);
        if (cannotKeep(error))
            return {}; // the target volume holds none: the creator-code step says so
    }
    return error;
}

// The copy lies at target. The source goes only once the copy's name is on
// disk; if it cannot go, the copy goes instead and the move has not happened.
std::error_code FileMover::commitAcross(const QString& source, const QString& target, const FileStatus& from)
{
    std::error_code error = syncFolder(folderOf(target));
    if (!error)
        error = unchangedSince(source, from);
    if (!error)
        error = m_fileSystem.unlink(source);
    if (!error)
        return {};
    if (m_fileSystem.exists(source)) {
        m_fileSystem.unlink(target);
        return error;
    }
    return {};
}

// Something still writing the source (a slow card reader, a download)
// would lose what it wrote after the copy was made.
std::error_code FileMover::unchangedSince(const QString& source, const FileStatus& from)
{
    FileStatus now;
    if (const std::error_code error = m_fileSystem.status(source, now, FileSystem::Links::Keep))
        return error;
    const bool same = now.device == from.device && now.inode == from.inode && now.size == from.size &&
                      now.modificationTime == from.modificationTime;
    return same ? std::error_code() : std::make_error_code(std::errc::device_or_resource_busy);
}

void FileMover::dropLeftover(const QString& target)
{
    const QString leftover = temporaryPathFor(target);
    FileStatus status;
    if (!m_fileSystem.status(leftover, status) && status.isRegularFile())
        m_fileSystem.unlink(leftover);
}

bool FileMover::resolveInterrupted(const QString& source, const QString& target, Resolve resolve)
{
    dropLeftover(target);
    dropLeftover(source);
    FileStatus from, to;
    if (m_fileSystem.status(source, from) || m_fileSystem.status(target, to))
        return false;
    // On one device the move is a rename and never leaves two names; two
    // files there are not this program's doing.
    if (!from.isRegularFile() || !to.isRegularFile() || from.device == to.device || from.size != to.size ||
        from.modificationTime != to.modificationTime || !sameBytes(source, target))
        return false;
    return !m_fileSystem.unlink(resolve == Resolve::Finish ? source : target);
}

bool FileMover::sameBytes(const QString& one, const QString& other)
{
    int first = -1, second = -1;
    if (m_fileSystem.open(one, O_RDONLY, 0, first))
        return false;
    if (m_fileSystem.open(other, O_RDONLY, 0, second)) {
        m_fileSystem.close(first);
        return false;
    }
    QByteArray a(kCopyChunk, Qt::Uninitialized), b(kCopyChunk, Qt::Uninitialized);
    bool same = true;
    for (;;) {
        qint64 countA = 0, countB = 0;
        if (m_fileSystem.read(first, a.data(), a.size(), countA) ||
            m_fileSystem.read(second, b.data(), countA > 0 ? countA : 1, countB) || countA != countB ||
            std::memcmp(a.constData(), b.constData(), size_t(countA)) != 0) {
            same = false;
            break;
        }
        if (countA == 0)
            break;
    }
    m_fileSystem.close(first);
    m_fileSystem.close(second);
    return same;
}

std::error_code FileMover::syncFolder(const QString& folder)
{
    int fd = -1;
    if (const std::error_code error = m_fileSystem.open(folder, O_RDONLY | O_DIRECTORY, 0, fd))
        return error;
    std::error_code error = m_fileSystem.fsync(fd);
    m_fileSystem.close(fd);
    // Some file systems cannot sync a folder at all and say so.
    if (error == std::errc::invalid_argument || error == std::errc::not_supported)
        error = {};
    return error;
}

std::error_code FileMover::setCreatorCode(const QString& path, quint32 creator)
{
    QByteArray info;
    std::error_code error = m_fileSystem.getAttribute(path, finderInfoName(), info);
    if (error == std::errc::no_message_available) {
        info.clear();
        error = {};
    }
    if (error)
        return error;
    // Keep the type code and Finder flags; a short attribute is mended.
    info = info.leftJustified(kFinderInfoSize, '\0', true);
    for (int i = 0; i < 4; ++i)
        info[kCreatorOffset + i] = char((creator >> (24 - 8 * i)) & 0xFF);
    return m_fileSystem.setAttribute(path, finderInfoName(), info);
}

std::error_code FileMover::setCreationDate(const QString& path, Instant date)
{
    const double whole = std::floor(date);
    if (!std::isfinite(whole) || std::fabs(whole) > 9.0e18)
        return std::make_error_code(std::errc::invalid_argument);
    FileTime time{qint64(whole), qint32(std::lround((date - whole) * 1e9))};
    if (time.nanoseconds >= 1000000000) {
        time.seconds += 1;
        time.nanoseconds = 0;
    }
    return m_fileSystem.setTimes(path, std::nullopt, time);
}

} // namespace lumenscribe
