// The freedesktop.org trash, done by hand: Qt's own moveToTrash sends files
// into a folder relative to the working directory when the home trash does
// not exist yet, and then reports that relative path.
//
// A file goes to the home trash ($XDG_DATA_HOME/Trash) when it lies on the
// same file system, else to "$topdir/.Trash-$uid" of its own volume. Its
// name in the trash is reserved by creating the ".trashinfo" note first
// (O_EXCL), then the file is renamed in without replacing anything.
#pragma once

#include <QString>

namespace lumenscribe {

class FileSystem;

class TrashCan
{
public:
    explicit TrashCan(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

    // 0 and the file's path in the trash, ENOTSUP when its volume has no
    // usable trash, or the errno of the failed step with the file untouched.
    int moveToTrash(const QString& path, QString& trashedPath);

    static QString homeTrash();
    // Where a file that went to the trash from `originalPath` lies now, by
    // the trash's own notes (the newest when there are several); empty if
    // it is not there. For a run stopped before it wrote down where.
    QString findTrashed(const QString& originalPath);

private:
    QString trashFor(const QString& path, quint64 device);
    bool usableTrash(const QString& trash, quint64 device);
    QString topDirectory(const QString& path, quint64 device);
    int reserveName(const QString& trash, const QString& path, QString& name);
    QString findIn(const QString& trash, const QString& originalPath);

    FileSystem& m_fileSystem;
};

} // namespace lumenscribe
