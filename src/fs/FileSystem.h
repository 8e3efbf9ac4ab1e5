// Every file-system operation of the rename run goes through this seam, so
// that a test can make any single call fail with the errno a real disk
// gives (a full disk, a read-only card, a second file system).
#pragma once

#include "platform/NameProbe.h"
#include "platform/NativePath.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cerrno>
#include <optional>
#include <system_error>

namespace lumenscribe {

struct FileTime
{
    qint64 seconds = 0;
    qint32 nanoseconds = 0;

    friend bool operator==(const FileTime&, const FileTime&) = default;
};

struct FileStatus
{
    quint32 mode = 0; // type and permission bits as st_mode has them
    qint64 size = 0;
    quint64 device = 0;
    quint64 inode = 0;
    quint32 owner = 0; // user id
    quint32 group = 0;
    FileTime accessTime;
    FileTime modificationTime;

    bool isRegularFile() const;
    bool isFolder() const;
    quint32 permissions() const { return mode & 07777u; }
};

class FileSystem : public NameProbe
{
public:
    enum class Links
    {
        Keep,
        Follow
    };

    virtual ~FileSystem() = default;

    // The machine's own file system.
    static FileSystem& real();

    // Paths travel as QString but a file name is bytes: names that are not
    // UTF-8 (a card written by an old camera, a Latin-1 share) must come back
    // to the same bytes, which QFile::encodeName cannot promise. Bytes that
    // are not UTF-8 become the lone surrogates U+DC80..U+DCFF and go back.
    static QByteArray encodePath(const QString& path);
    static QString decodePath(const QByteArray& path);

    // An errno value as the operations answer it: in the generic category,
    // and no error at all for 0.
    static std::error_code errorFrom(int errnoValue)
    {
        return errnoValue ? std::error_code(errnoValue, std::generic_category()) : std::error_code();
    }
    // errno as it stands after a failed call.
    static std::error_code lastError() { return errorFrom(errno); }

    // Each operation answers no error, or the errno value of its failure as
    // errorFrom makes it; none changes errno's meaning, so the caller can
    // tell EXDEV from EEXIST.
    virtual std::error_code status(const QString& path, FileStatus& status, Links links = Links::Keep) = 0;
    // Renames, or fails with EEXIST when anything lies at `to`, atomically.
    // EINVAL or ENOSYS: this file system cannot promise that.
    virtual std::error_code renameNoReplace(const QString& from, const QString& to) = 0;
    virtual std::error_code link(const QString& existing, const QString& newPath) = 0;
    // rename(2): replaces whatever lies at `to`. Only for a name the caller
    // has just reserved for itself.
    virtual std::error_code rename(const QString& from, const QString& to) = 0;
    virtual std::error_code unlink(const QString& path) = 0;

    // open(2) flags and mode; the descriptor is valid only when no error is answered.
    virtual std::error_code open(const QString& path, int flags, quint32 mode, int& fd) = 0;
    // count is 0 at the end of the file.
    virtual std::error_code read(int fd, char* buffer, qint64 size, qint64& count) = 0;
    // May write fewer bytes than asked, as write(2) may.
    virtual std::error_code write(int fd, const char* data, qint64 size, qint64& count) = 0;
    virtual std::error_code fsync(int fd) = 0;
    // The descriptor is released whatever is answered.
    virtual std::error_code close(int fd) = 0;

    // Extended attributes of the file a link points to. A missing attribute
    // answers ENODATA.
    virtual std::error_code getAttribute(const QString& path, const QByteArray& name, QByteArray& value) = 0;
    virtual std::error_code setAttribute(const QString& path, const QByteArray& name, const QByteArray& value) = 0;
    // A time left out stays as it is.
    virtual std::error_code setTimes(const QString& path, std::optional<FileTime> access,
                                     std::optional<FileTime> modification) = 0;
    // The names of the file's extended attributes.
    virtual std::error_code listAttributes(const QString& path, QList<QByteArray>& names) = 0;
    virtual std::error_code chmod(const QString& path, quint32 mode) = 0;
    virtual std::error_code changeOwner(const QString& path, quint32 owner, quint32 group) = 0;
    virtual std::error_code mkdir(const QString& path, quint32 mode) = 0;
    virtual std::error_code rmdir(const QString& path) = 0;
    // Entries of the folder, without "." and "..", in no particular order.
    // The types come with the listing, so a walk need not look at each file.
    virtual std::error_code listFolder(const QString& path, QList<FolderEntry>& entries) = 0;
    // The names alone.
    std::error_code listFolder(const QString& path, QStringList& names);
    // Moves the file to the user's trash and tells where it went; ENOTSUP
    // when the platform has no trash for that volume.
    virtual std::error_code moveToTrash(const QString& path, QString& trashedPath) = 0;

    // A file system that only writes its changes down (a dry run): bytes
    // cannot be copied through it.
    virtual bool plansOnly() const { return false; }

    // True when anything, even a dangling link, lies at the path.
    bool exists(const QString& path);

    // Name making's questions, asked of this file system.
    bool nameTaken(const QString& path) override { return exists(path); }
    OptionalInstant creationDate(const QString& path) override;
};

} // namespace lumenscribe
