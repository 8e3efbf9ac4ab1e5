// A temporary folder that can be removed even when names in it are not
// UTF-8: QTemporaryDir removes through QDir, which loses such names and
// leaves them behind.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <ftw.h>
#include <stdio.h>

namespace lumenscribe::test {

class ScratchFolder
{
public:
    ScratchFolder() { m_dir.setAutoRemove(false); }
    ~ScratchFolder()
    {
        const auto remove = [](const char* path, const struct stat*, int, struct FTW*) {
            ::remove(path);
            return 0;
        };
        ::nftw(raw().constData(), remove, 16, FTW_DEPTH | FTW_PHYS);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // The folder's path as bytes, for building names that are not UTF-8.
    QByteArray raw() const { return QFile::encodeName(m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

} // namespace lumenscribe::test
