// Turns dropped paths into the files of a batch: folders are walked to any
// depth, names beginning with "." are left out (files inside hidden folders
// are not), and the result is sorted by full path, unit by unit.
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

    // Adds one dropped path: a file as it is, a folder with everything below.
    void add(const QString& path);
    QList<ListedFile> sortedFiles();
    // Folders and files that could not be looked at, so they are not in
    // the batch.
    const QStringList& unreadable() const { return m_unreadable; }

private:
    void walk(const QString& folder);
    void addEntry(const QString& path, quint32 listedType, QStringList& folders);

    FileSystem& m_fileSystem;
    void addFile(const QString& path, bool plain);

    QList<ListedFile> m_files;
    QStringList m_unreadable;
    QSet<std::pair<quint64, quint64>> m_visited;
};

} // namespace lumenscribe
