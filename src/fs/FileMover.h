// Moves one file of the rename run to its new path, never replacing
// anything, not even in a race, then gives it the creator code and date
// the settings ask for. It tells what happened to each step; what to say
// about it is the caller's business.
#pragma once

#include "fs/FileSystem.h"
#include "platform/Instant.h"

#include <QString>
#include <QStringList>

namespace lumenscribe {

struct MoveOptions
{
    bool fileCreatorIDChange = false;
    quint32 fileCreatorID = 0; // four characters, the first in the top byte
};

// What became of each step of a move: no error, or the errno of its failure.
struct MoveOutcome
{
    std::error_code moveError;
    std::error_code creatorCodeError;
    std::error_code creationDateError;

    // The file now lies at the target (an attribute may still have failed).
    bool moved() const { return !moveError; }
    // The first failure of any step, no error when every step succeeded.
    std::error_code firstError() const
    {
        return moveError ? moveError : creatorCodeError ? creatorCodeError : creationDateError;
    }
};

class FileMover
{
public:
    explicit FileMover(FileSystem& fileSystem = FileSystem::real());

    // Moves one file to target, never replacing anything, then sets the
    // attributes; an attribute that fails leaves the moved file where it is.
    MoveOutcome moveFile(const QString& source, const QString& target, OptionalInstant creationDate,
                         const MoveOptions& options);

    // Copies source to target and leaves the source as it is, never
    // replacing anything, then sets the attributes on the copy.
    MoveOutcome copyFile(const QString& source, const QString& target, OptionalInstant creationDate,
                         const MoveOptions& options);

    // The move alone: no error, or the errno of the failed step with the source
    // left where it was and nothing new at target.
    std::error_code move(const QString& source, const QString& target);
    // The copy alone: made under a temporary name, synced, then given its
    // name, so that the target holds a whole copy or nothing new. A link is
    // copied as the file it leads to.
    std::error_code copy(const QString& source, const QString& target);
    // The classic creator code, in the FinderInfo that other systems read.
    std::error_code setCreatorCode(const QString& path, quint32 creator);
    // Linux cannot set a birth time; the modification time stands in for it.
    std::error_code setCreationDate(const QString& path, Instant date);

    // The temporary name a copy to target is made under.
    static QString temporaryPathFor(const QString& target);
    enum class Resolve
    {
        Finish,   // a run carries an interrupted move through: the source goes
        TakeBack, // undo takes it back: the copy at target goes
    };
    // Mends a move from source to target cut short by a kill: drops the
    // leftover temporary copies of either way, and when a copy was complete
    // but the source still stands, on another device, with the same size,
    // time and bytes, drops one of the two. True when it dropped one.
    bool resolveInterrupted(const QString& source, const QString& target, Resolve resolve);
    // Drops the temporary copy a copy to target cut short may have left.
    void dropLeftover(const QString& target);

private:
    std::error_code placeWithoutReplacing(const QString& from, const QString& to);
    std::error_code linkThenUnlink(const QString& from, const QString& to);
    std::error_code replacePlaceholder(const QString& from, const QString& to);
    std::error_code copyAcross(const QString& source, const QString& target, const FileStatus& from);
    std::error_code placeCopy(const QString& source, const QString& target, const FileStatus& from);
    MoveOutcome withAttributes(std::error_code error, const QString& target, OptionalInstant creationDate,
                               const MoveOptions& options);
    std::error_code createTemporary(const QString& path, int& fd);
    std::error_code copyAttributes(const QString& source, const QString& target);
    std::error_code copyContents(int input, int output);
    std::error_code writeAll(int fd, const char* data, qint64 size);
    std::error_code finishTemporary(const QString& source, const QString& path, int fd, const FileStatus& from,
                                    std::error_code error);
    std::error_code commitAcross(const QString& source, const QString& target, const FileStatus& from);
    std::error_code unchangedSince(const QString& source, const FileStatus& from);
    std::error_code syncFolder(const QString& folder);
    bool sameBytes(const QString& one, const QString& other);

    FileSystem& m_fileSystem;
};

} // namespace lumenscribe
