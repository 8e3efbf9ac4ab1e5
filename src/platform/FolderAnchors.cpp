#include "platform/FolderAnchors.h"

#include "platform/NativePath.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lumenscribe {

namespace {

thread_local FolderAnchors* t_current = nullptr;

int openFolderAt(int parent, const QByteArray& name, int flags)
{
    int fd = -1;
    do
        fd = ::openat(parent, name.constData(), flags | O_DIRECTORY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// A name that would step out of its folder or stand for the folder itself.
bool isStep(QStringView name)
{
    return name.isEmpty() || name == u"." || name == u"..";
}

FolderAnchors::Resolved whole(const QString& path)
{
    FolderAnchors::Resolved out;
    out.folder = AT_FDCWD;
    out.name = NativePath::encode(path);
    // A path holding a NUL would reach the kernel cut short and name
    // another file.
    if (out.name.isEmpty() || out.name.contains('\0'))
        out.error = EINVAL;
    return out;
}

bool isBelow(const QString& path, const QString& folder)
{
    if (folder == u"/")
        return path.size() > 1 && path.startsWith(u'/');
    return path.size() > folder.size() && path.startsWith(folder) && path.at(folder.size()) == u'/';
}

} // namespace

FolderAnchors::Scope::Scope() : m_outer(t_current)
{
    t_current = new FolderAnchors;
}

FolderAnchors::Scope::~Scope()
{
    delete t_current;
    t_current = m_outer;
}

FolderAnchors* FolderAnchors::current()
{
    return t_current;
}

FolderAnchors::~FolderAnchors()
{
    forgetOpenedFolders();
    for (const int fd : std::as_const(m_roots))
        ::close(fd);
}

int FolderAnchors::anchor(const QString& folder)
{
    if (m_roots.contains(folder))
        return 0;
    const Resolved path = whole(folder);
    if (path.error)
        return path.error;
    const int fd = openFolderAt(AT_FDCWD, path.name, O_PATH);
    if (fd < 0)
        return errno;
    m_roots.insert(folder, fd);
    return 0;
}

FolderAnchors::Resolved FolderAnchors::at(const QString& path)
{
    return t_current ? t_current->resolve(path) : whole(path);
}

FolderAnchors::Resolved FolderAnchors::resolve(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0 || m_roots.isEmpty())
        return whole(path);
    const QString folder = slash == 0 ? QStringLiteral("/") : path.first(slash);
    int error = 0;
    const int fd = folderDescriptor(folder, error);
    if (fd < 0 && error == 0)
        return whole(path); // under no anchor
    Resolved out;
    out.folder = -1;
    out.error = error;
    const QStringView name = QStringView(path).sliced(slash + 1);
    if (!error && isStep(name))
        out.error = EINVAL;
    if (out.error)
        return out;
    out.folder = fd;
    out.name = NativePath::encode(name.toString());
    if (out.name.contains('\0'))
        out.error = EINVAL;
    return out;
}

// The folder's descriptor, or -1: with error 0 when the folder lies under no
// anchor, else with the errno of the step that failed.
int FolderAnchors::folderDescriptor(const QString& folder, int& error)
{
    if (m_lastFd >= 0 && folder == m_lastFolder)
        return m_lastFd;
    int fd = m_roots.value(folder, -1);
    if (fd < 0)
        fd = m_opened.value(folder, -1);
    if (fd < 0) {
        QString root;
        for (auto it = m_roots.cbegin(); it != m_roots.cend(); ++it) {
            if (it.key().size() > root.size() && isBelow(folder, it.key()))
                root = it.key();
        }
        if (root.isEmpty())
            return -1;
        fd = openBelow(root, m_roots.value(root), folder, error);
        if (fd < 0)
            return -1;
    }
    m_lastFolder = folder;
    m_lastFd = fd;
    return fd;
}

// Opens each folder from the root down, none through a link.
int FolderAnchors::openBelow(const QString& root, int rootFd, const QString& folder, int& error)
{
    if (m_opened.size() >= kMaxOpenFolders)
        forgetOpenedFolders();
    int parent = rootFd;
    qsizetype start = root == u"/" ? 1 : root.size() + 1;
    while (start <= folder.size()) {
        qsizetype end = folder.indexOf(u'/', start);
        if (end < 0)
            end = folder.size();
        const QString here = folder.first(end);
        const QStringView name = QStringView(folder).sliced(start, end - start);
        int fd = m_opened.value(here, -1);
        if (fd < 0) {
            if (isStep(name)) {
                error = EINVAL;
                return -1;
            }
            fd = openFolderAt(parent, NativePath::encode(name.toString()), O_PATH | O_NOFOLLOW);
            if (fd < 0) {
                // A link in the way shows as "not a folder".
                error = errno;
                return -1;
            }
            m_opened.insert(here, fd);
        }
        parent = fd;
        start = end + 1;
    }
    return parent;
}

void FolderAnchors::forgetOpenedFolders()
{
    for (const int fd : std::as_const(m_opened))
        ::close(fd);
    m_opened.clear();
    m_lastFd = -1;
    m_lastFolder.clear();
}

} // namespace lumenscribe
