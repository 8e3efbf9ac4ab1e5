#include "run/CopyProgress.h"

#include <QCoreApplication>

namespace lumenscribe {

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1);
}

} // namespace

void CopyProgress::start(FileSystem& fileSystem, const QList<ListedFile>& batch)
{
    m_files = int(batch.size());
    m_total = 0;
    m_done = 0;
    for (const ListedFile& file : batch) {
        FileStatus status;
        if (!fileSystem.status(file.path, status, FileSystem::Links::Follow) && status.isRegularFile())
            m_total += status.size;
    }
}

void CopyProgress::copied(qint64 bytes)
{
    if (bytes > 0)
        m_done += bytes;
}

QString CopyProgress::text(int fileNumber) const
{
    //% "%1 of %2 files, %3 MB of %4 MB"
    return qtTrId("NormalInfoCopyProgress")
        .arg(QString::number(fileNumber), QString::number(m_files), megabytes(m_done), megabytes(m_total));
}

} // namespace lumenscribe
