#include "platform/NativePath.h"

#include "platform/FolderAnchors.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumenscribe {

namespace {

// A byte that is not part of well-formed UTF-8 stands in the text as this
// plus the byte (0x80..0xFF, so U+DC80..U+DCFF).
constexpr char16_t kEscapeBase = 0xDC00;

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `bytes`, 0 when there is
// none (overlong forms, surrogates and code points past U+10FFFF included:
// they would not encode back to the same bytes).
int decodeSequence(const uchar* bytes, qsizetype available, char32_t& codePoint)
{
    const uchar lead = bytes[0];
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (available < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(bytes[i]))
            return 0;
        codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || surrogate || codePoint > 0x10FFFF)
        return 0;
    return length;
}

void appendUtf8(QByteArray& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.append(char(codePoint));
    } else if (codePoint < 0x800) {
        out.append(char(0xC0 | (codePoint >> 6)));
        out.append(char(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.append(char(0xE0 | (codePoint >> 12)));
        out.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
        out.append(char(0x80 | (codePoint & 0x3F)));
    } else {
        out.append(char(0xF0 | (codePoint >> 18)));
        out.append(char(0x80 | ((codePoint >> 12) & 0x3F)));
        out.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
        out.append(char(0x80 | (codePoint & 0x3F)));
    }
}

// The path as the *at() calls take it. A path with a zero byte in it would
// reach the system cut short and name another file; nothing on disk can
// have such a name, so it answers ENOENT.
int resolve(const QString& path, FolderAnchors::Resolved& out)
{
    out = FolderAnchors::at(path);
    if (out.error == EINVAL && out.folder == AT_FDCWD)
        return ENOENT;
    return out.error;
}

// Reading a photo's header to name it is not using the photo: its access
// time stays as it was, which also spares the file system an inode update
// per photo. Only the owner may ask that; after the first refusal the
// process stops asking, so files of others cost no second open each.
std::atomic<bool> s_askNoAtime{true};

int openWithoutAtime(const FolderAnchors::Resolved& file, int flags)
{
#ifdef O_NOATIME
    if (s_askNoAtime.load(std::memory_order_relaxed)) {
        const int fd = ::openat(file.folder, file.name.constData(), flags | O_NOATIME);
        if (fd >= 0 || errno != EPERM)
            return fd;
        s_askNoAtime.store(false, std::memory_order_relaxed);
    }
#endif
    return ::openat(file.folder, file.name.constData(), flags);
}

int closeAndAnswer(int fd, int answer)
{
    ::close(fd);
    return answer;
}

// Opens without blocking and looks again through the descriptor, so that a
// name swapped for a FIFO or device in between comes back closed. O_NONBLOCK
// stays: a regular file ignores it, and where a file system does not, the
// reader clears it on its first EAGAIN.
int openRegular(const FolderAnchors::Resolved& file, int extraFlags, int& fd, quint64* size,
                struct stat* known = nullptr)
{
    int opened = -1;
    do
        opened = openWithoutAtime(file, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | extraFlags);
    while (opened < 0 && errno == EINTR);
    if (opened < 0)
        return errno;
    struct stat own
    {
    };
    struct stat& info = known ? *known : own;
    if (::fstat(opened, &info) != 0)
        return closeAndAnswer(opened, errno);
    if (!S_ISREG(info.st_mode))
        return closeAndAnswer(opened, NativePath::NotRegularFile);
    fd = opened;
    if (size)
        *size = quint64(std::max<off_t>(info.st_size, 0));
    return 0;
}

// The listing's type as st_mode bits; 0 where the file system left it out.
quint32 typeOf(unsigned char type)
{
    switch (type) {
    case DT_REG:
        return S_IFREG;
    case DT_DIR:
        return S_IFDIR;
    case DT_LNK:
        return S_IFLNK;
    case DT_FIFO:
        return S_IFIFO;
    case DT_CHR:
        return S_IFCHR;
    case DT_BLK:
        return S_IFBLK;
    case DT_SOCK:
        return S_IFSOCK;
    default:
        return 0;
    }
}

} // namespace

QString NativePath::decode(const QByteArray& path)
{
    if (QtPrivate::isAscii(QLatin1StringView(path)))
        return QString::fromLatin1(path);
    QString out;
    out.reserve(path.size());
    const auto* bytes = reinterpret_cast<const uchar*>(path.constData());
    for (qsizetype i = 0; i < path.size();) {
        char32_t codePoint = 0;
        const int length = decodeSequence(bytes + i, path.size() - i, codePoint);
        if (length == 0) {
            out.append(QChar(char16_t(kEscapeBase + bytes[i])));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(codePoint)) {
            out.append(QChar(QChar::highSurrogate(codePoint)));
            out.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            out.append(QChar(char16_t(codePoint)));
        }
        i += length;
    }
    return out;
}

QByteArray NativePath::encode(const QString& path)
{
    // Camera names are ASCII, and every call of a run encodes its paths.
    if (QtPrivate::isAscii(QStringView(path)))
        return path.toLatin1();
    QByteArray out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < path.size() && QChar::isLowSurrogate(path.at(i + 1).unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(unit, path.at(i + 1).unicode()));
            ++i;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            out.append(char(unit - kEscapeBase));
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(out, QChar::ReplacementCharacter);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

int NativePath::openPlainFile(const QString& path, int& fd, quint64& size, struct stat* info)
{
    fd = -1;
    FolderAnchors::Resolved file;
    if (const int error = resolve(path, file))
        return error;
    return openRegular(file, O_NOFOLLOW, fd, &size, info);
}

quint32 NativePath::fileType(const QString& path)
{
    FolderAnchors::Resolved file;
    struct stat info
    {
    };
    if (resolve(path, file) != 0 || ::fstatat(file.folder, file.name.constData(), &info, 0) != 0)
        return 0;
    return quint32(info.st_mode & S_IFMT);
}

int NativePath::openForReading(const QString& path, int& fd, Look look, quint64* size)
{
    fd = -1;
    FolderAnchors::Resolved file;
    if (const int error = resolve(path, file))
        return error;
    // Looking first keeps devices closed altogether: opening some of them
    // has effects of its own (a tape rewinds, a watchdog starts).
    struct stat info
    {
    };
    if (look == Look::First) {
        if (::fstatat(file.folder, file.name.constData(), &info, 0) != 0)
            return errno;
        if (!S_ISREG(info.st_mode))
            return NotRegularFile;
    }
    return openRegular(file, 0, fd, size);
}

int NativePath::listFolder(const QString& path, QList<FolderEntry>& entries)
{
    entries.clear();
    FolderAnchors::Resolved file;
    if (const int error = resolve(path, file))
        return error;
    // Below an anchored folder a walk never lists through a link; a path the
    // person gave is listed as given.
    const int noFollow = file.folder == AT_FDCWD ? 0 : O_NOFOLLOW;
    int fd = -1;
    do
        fd = ::openat(file.folder, file.name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | noFollow);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    DIR* folder = ::fdopendir(fd);
    if (!folder) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    int failure = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(folder);
        if (!entry) {
            failure = errno;
            break;
        }
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            entries.append({decode(name), typeOf(entry->d_type)});
    }
    ::closedir(folder);
    if (failure != 0)
        entries.clear();
    return failure;
}

} // namespace lumenscribe
