// The folders of the download folder named by each file's own capture day,
// such as "2024/2024-05-06": made as a file first needs them, each written
// down before it is made so that undo removes it once it is empty again. A
// folder already there is used as it is; nothing ever leads out of the
// download folder.
#pragma once

#include "fs/FileSystem.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace lumenscribe {

class DayFolders
{
public:
    DayFolders(FileSystem& fileSystem, const QString& root, unsigned nameCheckFlags);

    const QString& root() const { return m_root; }
    // The folder a "/"-separated name made by the folder style stands for,
    // or empty when a part is empty, "." or "..", or fails the name check.
    QString folderFor(const QString& relative) const;
    // Makes every missing folder from the root down to `folder` (one that
    // folderFor gave). `writeDown` is asked before each is made; when it
    // answers false nothing more is made. The folders made are appended to
    // `made`, the outermost first.
    std::error_code make(const QString& folder, const std::function<bool(const QString&)>& writeDown,
                         QStringList& made);
    // Removes the folders of `made` that are empty again, the innermost first.
    void removeEmpty(const QStringList& made);

private:
    FileSystem& m_fileSystem;
    QString m_root;
    unsigned m_flags = 0;
};

} // namespace lumenscribe
