// Why a path given on the command line cannot be read, in words: the
// commands that read files say so plainly instead of printing no date.
#pragma once

#include "platform/NativePath.h"

#include <QString>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace lumenscribe {

class FileProblem
{
public:
    // Empty when the path is a regular file that can be opened for reading.
    // Opening is the only honest test: permission bits say nothing to root,
    // and a file system mounted without read access says nothing in them.
    static QString forReading(const QString& path)
    {
        int fd = -1;
        const int error = NativePath::openForReading(path, fd);
        if (error == 0) {
            ::close(fd);
            return QString();
        }
        if (error == NativePath::NotRegularFile)
            return notRegular(NativePath::fileType(path));
        return QString::fromLocal8Bit(std::strerror(error));
    }

private:
    static QString notRegular(quint32 type)
    {
        switch (type) {
        case S_IFDIR:
            //% "it is a folder"
            return qtTrId("CliFileIsFolder");
        case S_IFIFO:
            //% "it is a FIFO, not a regular file"
            return qtTrId("CliFileIsFifo");
        case S_IFCHR:
            //% "it is a character device, not a regular file"
            return qtTrId("CliFileIsCharacterDevice");
        case S_IFBLK:
            //% "it is a block device, not a regular file"
            return qtTrId("CliFileIsBlockDevice");
        case S_IFSOCK:
            //% "it is a socket, not a regular file"
            return qtTrId("CliFileIsSocket");
        default:
            //% "it is not a regular file"
            return qtTrId("CliFileNotRegular");
        }
    }
};

} // namespace lumenscribe
