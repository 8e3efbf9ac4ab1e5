// Turns dropped paths into the files of a batch: folders are walked to any
// depth, names beginning with "." are left out, files and folders alike (a
// hidden folder is walked only when it was dropped itself), and the result
// is sorted by full path, unit by unit. The program's own folders and files
// (settings, journals, the trash) and any trash the walk meets are never
// entered: renaming a git repository's objects or a journal would break them.
//
// Symbolic links are never followed into folders, and each folder is read
// once (by device and inode), so a link back up cannot make a loop. Names
// come from the file system as bytes, so names that are not UTF-8 survive.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <utility>

namespace lumenscribe {

class FileSystem;
struct FileStatus;

struct ListedFile
{
    QString path;
    // The walk saw a regular file itself at the path, not a link: the run
    // may open it without looking first (see RenameRun::lookAt).
    bool plain = false;

    friend bool operator<(const ListedFile& a, const ListedFile& b) { return a.path < b.path; }
};

class FolderExpander
{
public:
    explicit FolderExpander(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

    // Paths the walk never takes or enters, wherever it meets them: the
    // program's own files and folders. Matched by identity, not by name, so
    // another spelling of the same folder is left alone too.
    void setOwnPaths(const QStringList& paths);
    // Adds one dropped path: a file as it is, a folder with everything below.
    void add(const QString& path);
    QList<ListedFile> sortedFiles();
    // Folders and files that could not be looked at, so they are not in
    // the batch.
    const QStringList& unreadable() const { return m_unreadable; }

private:
    void walk(const QString& folder);
    void addEntry(const QString& path, quint32 listedType, QStringList& folders);
    bool isOwn(const FileStatus& status) const;
    bool isOwnFile(const QString& path) const;

    FileSystem& m_fileSystem;
    void addFile(const QString& path, bool plain);

    QList<ListedFile> m_files;
    QStringList m_unreadable;
    QSet<std::pair<quint64, quint64>> m_visited;
    QSet<std::pair<quint64, quint64>> m_own;
    QSet<QString> m_ownNames;
};

} // namespace lumenscribe
