// The bytes behind a path. Paths travel as QString, but on Linux a file name
// is bytes: a card written by an old camera or a Latin-1 share holds names
// that are not UTF-8, and QFile::encodeName turns those bytes into U+FFFD
// for good. Here each byte that is not part of well-formed UTF-8 becomes a
// lone surrogate U+DC80..U+DCFF and goes back to the same byte, so every
// name survives the round trip. The system calls that take such paths live
// here too, so that no caller is tempted back to the lossy conversion.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct stat;

namespace lumenscribe {

struct FolderEntry
{
    QString name;
    // The type bits (S_IFMT) the listing gave, or 0 where the file system
    // leaves them out and only a status call can tell.
    quint32 type = 0;
};

class NativePath
{
public:
    static QByteArray encode(const QString& path);
    static QString decode(const QByteArray& path);

    // Answered by openForReading for anything but a regular file (a folder,
    // FIFO, device or socket). Not an errno value: those are positive.
    static constexpr int NotRegularFile = -1;

    // Whether openForReading looks at the path before it opens it. A caller
    // that has just looked (and found a regular file) may spare the look:
    // the descriptor is still checked, so a swap in between is caught.
    enum class Look
    {
        First,
        AlreadyDone
    };

    // Opens a regular file for reading and answers 0 with the descriptor in
    // fd (and its size in *size, when asked), else an errno value or
    // NotRegularFile. A FIFO or device is never opened in a way that can
    // wait for a writer or a medium: the path is looked at first, opened
    // without blocking, and looked at again through the descriptor in case
    // it was swapped in between. Links are followed.
    static int openForReading(const QString& path, int& fd, Look look = Look::First, quint64* size = nullptr);
    // Opens a file that a folder listing showed as a regular file, without
    // looking first: links are not followed (a name that became a link
    // answers ELOOP), and the descriptor is checked, so anything that is
    // no longer a plain regular file answers NotRegularFile, closed.
    // `info`, when given, receives what the descriptor tells of the file.
    static int openPlainFile(const QString& path, int& fd, quint64& size, struct stat* info = nullptr);
    // The file type bits (S_IFMT) of what lies at the path, links followed;
    // 0 when nothing can be found there.
    static quint32 fileType(const QString& path);

    // Entries of the folder, names as decode() gives them, without "." and
    // "..", in no particular order, with the types the listing tells.
    // Answers 0 or the errno value of the failure (and then no entries).
    static int listFolder(const QString& path, QList<FolderEntry>& entries);
};

} // namespace lumenscribe
