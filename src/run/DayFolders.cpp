#include "run/DayFolders.h"

#include "platform/PathNames.h"
#include "run/NameCheck.h"

namespace lumenscribe {

DayFolders::DayFolders(FileSystem& fileSystem, const QString& root, unsigned nameCheckFlags)
    : m_fileSystem(fileSystem), m_root(root), m_flags(nameCheckFlags)
{
}

// Each part passes the checks a single folder name passes, so that "."
// and ".." can never walk out of the root.
QString DayFolders::folderFor(const QString& relative) const
{
    if (relative.isEmpty())
        return {};
    QString folder = m_root;
    for (const QString& part : relative.split(u'/')) {
        if (NameCheck::checkFree(part, folder, m_flags) != NameCheck::Ok)
            return {};
        folder = PathNames::join(folder, part);
    }
    return folder;
}

// Only real folders are gone into: a link there could lead anywhere.
std::error_code DayFolders::make(const QString& folder, const std::function<bool(const QString&)>& writeDown,
                                 QStringList& made)
{
    // Only folders below the root are made: a name typed in the confirm
    // window may point beside it ("/photos2" is not below "/photos").
    const QString below = m_root.endsWith(u'/') ? m_root : m_root + u'/';
    if (!folder.startsWith(below) || folder.size() == below.size())
        return {};
    QString path = m_root;
    for (const QString& part : QStringView(folder).sliced(below.size()).toString().split(u'/', Qt::SkipEmptyParts)) {
        path = PathNames::join(path, part);
        FileStatus status;
        std::error_code error = m_fileSystem.status(path, status, FileSystem::Links::Keep);
        if (!error) {
            if (!status.isFolder())
                return std::make_error_code(std::errc::not_a_directory);
            continue;
        }
        if (error != std::errc::no_such_file_or_directory)
            return error;
        if (!writeDown(path))
            return std::make_error_code(std::errc::operation_canceled);
        error = m_fileSystem.mkdir(path, 0777);
        if (error == std::errc::file_exists && !m_fileSystem.status(path, status, FileSystem::Links::Keep) &&
            status.isFolder())
            continue; // made by someone else meanwhile: used as it is
        if (error)
            return error;
        made.append(path);
    }
    return {};
}

void DayFolders::removeEmpty(const QStringList& made)
{
    for (auto it = made.crbegin(); it != made.crend(); ++it)
        m_fileSystem.rmdir(*it); // refused when anything is in it
}

} // namespace lumenscribe
