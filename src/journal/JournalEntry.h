// One line of a run's journal: a step the run was about to take, or what
// became of it. Lines are JSON objects; a path that is not UTF-8 is kept as
// its bytes in base64, so every file can be found again.
#pragma once

#include "fs/FileSystem.h"

#include <QJsonObject>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace lumenscribe {

struct JournalEntry
{
    enum class Kind
    {
        Begin,      // the run started: its dropped paths
        MakeFolder, // about to create the dated folder `to`
        Move,       // about to move `from` to `to` (a file of `size` bytes)
        Trash,      // about to move `from` to the trash
        Trashed,    // `from` is now in the trash at `to`
        Removed,    // `from` was deleted outright: no trash for its volume
        End,        // the run ended
        Undone,     // the run was taken back, every step of it
        Moved,      // the move from `from` to `to` happened: the file at `to`
        Restored,   // undo took the step from `from` to `to` back
        Copy,       // about to copy `from` to `to` (a file of `size` bytes); `from` stays
        Copied,     // the copy from `from` to `to` was made: the file at `to`
        Uncopied,   // undo moved the copy `from` to the trash at `to`
    };

    // Which file a step was about: device, inode, size and modification
    // time. Lines written by older versions have none.
    struct Identity
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        FileTime modificationTime;

        static Identity of(const FileStatus& status);
        friend bool operator==(const Identity&, const Identity&) = default;
    };

    Kind kind = Kind::Begin;
    QString from;
    QString to;
    qint64 size = -1;
    qint64 time = 0; // seconds since 1970, for Begin, End and Undone
    QString paths;   // Begin: the dropped paths, one per line
    // Begin: the run's time shift ("+1h") and its shifts per camera model
    // ("MODEL=SHIFT", one per line); empty for none, as in older journals.
    QString shift;
    QString shiftByModel;
    std::optional<Identity> identity;

    QByteArray toLine() const;
    // None for a line that cannot be read, such as a last line cut short by
    // the program being killed while writing it.
    static std::optional<JournalEntry> fromLine(const QByteArray& line);

    static QJsonValue pathValue(const QString& path);
    static std::optional<QString> pathFrom(const QJsonValue& value);
};

} // namespace lumenscribe
