// The freedesktop.org trash, done by hand: Qt's own moveToTrash sends files
// into a folder relative to the working directory when the home trash does
// not exist yet, and then reports that relative path.
//
// A file goes to the home trash ($XDG_DATA_HOME/Trash) when it lies on the
// same file system, else to the trash of its own volume: "$topdir/.Trash/$uid"
// under a sticky ".Trash" that is no link, or "$topdir/.Trash-$uid". Its
// name in the trash is reserved by creating the ".trashinfo" note first
// (O_EXCL), then the file is renamed in without replacing anything.
//
// A trash folder is only the user's own when it is a real folder (no link)
// owned by the user; ".Trash-$uid" must also be closed to others (0700).
// Another user could otherwise read, or swap out, what is thrown away.
#pragma once

#include "fs/TrashError.h"

#include <QString>
#include <system_error>

namespace lumenscribe {

class FileSystem;

class TrashCan
{
public:
    explicit TrashCan(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

    // No error and the file's path in the trash, ENOTSUP when its volume has
    // no trash and none can be made, TrashError::NotOwnTrash when the trash
    // folder there is not the user's own, or the errno of the failed step;
    // the file is untouched unless no error is answered.
    std::error_code moveToTrash(const QString& path, QString& trashedPath);
    // Why the last moveToTrash failed, for the person.
    const QString& problem() const { return m_problem; }

    static QString homeTrash();
    // Where a file that went to the trash from `originalPath` lies now, by
    // the trash's own notes (the newest when there are several); empty if
    // it is not there. For a run stopped before it wrote down where.
    QString findTrashed(const QString& originalPath);

private:
    std::error_code trashFor(const QString& path, quint64 device, QString& trash);
    std::error_code volumeTrash(const QString& top, quint64 device, QString& trash);
    // No error when the folder at path is the user's own, ENOENT when there
    // is none, TrashError::NotOwnTrash, or the errno of looking.
    std::error_code ownFolder(const QString& path, bool privateMode);
    std::error_code prepareTrash(const QString& trash, quint64 device, bool privateMode);
    QString topDirectory(const QString& path, quint64 device);
    std::error_code reserveName(const QString& trash, const QString& path, QString& name);
    void removeStaleNote(const QString& notePath);
    QString findIn(const QString& trash, const QString& originalPath);

    FileSystem& m_fileSystem;
    QString m_problem;
};

} // namespace lumenscribe
