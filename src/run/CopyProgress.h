// What a copying run tells while it goes: files and bytes, such as
// "3 of 120 files, 41.2 MB of 1630.0 MB". The sizes come from one look at
// each file of the batch, a small price beside copying its bytes.
#pragma once

#include "fs/FileSystem.h"
#include "run/FolderExpander.h"

#include <QList>
#include <QString>

namespace lumenscribe {

class CopyProgress
{
public:
    void start(FileSystem& fileSystem, const QList<ListedFile>& batch);
    void copied(qint64 bytes);
    QString text(int fileNumber) const;
    qint64 bytesDone() const { return m_done; }
    qint64 bytesTotal() const { return m_total; }

private:
    int m_files = 0;
    qint64 m_total = 0;
    qint64 m_done = 0;
};

} // namespace lumenscribe
