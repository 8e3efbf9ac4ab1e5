// The folders a run was pointed at, held open. A path below one of them is
// reached from that folder one name at a time, never through a link: a
// folder swapped for a link while the run goes on leads nowhere, instead of
// leading the run into another part of the disk. The open folders also spare
// the kernel the walk along the whole path for every call.
//
// Anchors belong to the thread that set them (the run's thread); every other
// thread, and every path outside the anchored folders, resolves as before.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace lumenscribe {

class FolderAnchors
{
public:
    // A folder descriptor and a name in it, ready for the *at() calls.
    struct Resolved
    {
        int folder = -100; // AT_FDCWD: the name is the whole path
        QByteArray name;
        int error = 0; // when not 0, nothing may be done with the path
    };

    // Anchors the folders for as long as it lives, on this thread.
    class Scope
    {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        FolderAnchors* m_outer;
    };

    // This thread's anchors; null outside a scope.
    static FolderAnchors* current();
    // Holds the folder open as a root. Links in the folder's own path are
    // followed: that path is what the person chose. Answers 0 or errno.
    int anchor(const QString& folder);
    // The path as a folder descriptor and a name in it. A path under no
    // anchor comes back whole, against the current directory.
    Resolved resolve(const QString& path);
    // Resolves through this thread's anchors where there are any.
    static Resolved at(const QString& path);

    FolderAnchors() = default;
    ~FolderAnchors();
    FolderAnchors(const FolderAnchors&) = delete;
    FolderAnchors& operator=(const FolderAnchors&) = delete;

private:
    // Descriptors of anchored roots and of the folders opened below them,
    // by path; a run touches few folders, but a bound keeps a walk of a
    // large tree within the process's descriptor limit.
    static constexpr qsizetype kMaxOpenFolders = 256;

    int folderDescriptor(const QString& folder, int& error);
    int openBelow(const QString& root, int rootFd, const QString& folder, int& error);
    void forgetOpenedFolders();

    QHash<QString, int> m_roots;
    QHash<QString, int> m_opened;
    QString m_lastFolder;
    int m_lastFd = -1;
};

} // namespace lumenscribe
