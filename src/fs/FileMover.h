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

// What became of each step of a move: 0, or the errno of its failure.
struct MoveOutcome
{
    int moveError = 0;
    int creatorCodeError = 0;
    int creationDateError = 0;

    // The file now lies at the target (an attribute may still have failed).
    bool moved() const { return moveError == 0; }
    // The first failure of any step, 0 when every step succeeded.
    int firstError() const { return moveError ? moveError : creatorCodeError ? creatorCodeError : creationDateError; }
};

class FileMover
{
public:
    explicit FileMover(FileSystem& fileSystem = FileSystem::real());

    // Moves one file to target, never replacing anything, then sets the
    // attributes; an attribute that fails leaves the moved file where it is.
    MoveOutcome moveFile(const QString& source, const QString& target, OptionalInstant creationDate,
                         const MoveOptions& options);

    // The move alone: 0, or the errno of the failed step with the source
    // left where it was and nothing new at target.
    int move(const QString& source, const QString& target);
    // The classic creator code, in the FinderInfo that other systems read.
    int setCreatorCode(const QString& path, quint32 creator);
    // Linux cannot set a birth time; the modification time stands in for it.
    int setCreationDate(const QString& path, Instant date);

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

private:
    int placeWithoutReplacing(const QString& from, const QString& to);
    int linkThenUnlink(const QString& from, const QString& to);
    int replacePlaceholder(const QString& from, const QString& to);
    int copyAcross(const QString& source, const QString& target, const FileStatus& from);
    int createTemporary(const QString& path, int& fd);
    int copyAttributes(const QString& source, const QString& target);
    int copyContents(int input, int output);
    int writeAll(int fd, const char* data, qint64 size);
    int finishTemporary(const QString& source, const QString& path, int fd, const FileStatus& from, int error);
    int commitAcross(const QString& source, const QString& target, const FileStatus& from);
    int unchangedSince(const QString& source, const FileStatus& from);
    int syncFolder(const QString& folder);
    bool sameBytes(const QString& one, const QString& other);

    FileSystem& m_fileSystem;
};

} // namespace lumenscribe
