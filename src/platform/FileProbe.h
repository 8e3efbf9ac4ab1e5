// The disk's answers to the questions name making asks: is a name taken,
// and when was a file made.
#pragma once

#include "platform/Instant.h"
#include "platform/NameProbe.h"

#include <QString>

namespace lumenscribe {

class FileProbe
{
public:
    // The machine's own disk as a NameProbe.
    static NameProbe& disk();

    // True when anything at all is at the path: a file, a folder, or a
    // symbolic link even when it leads nowhere (renaming onto it would
    // still replace it).
    static bool exists(const QString& path);

    // The moment the file was made, or none when the path cannot be read.
    // Where the platform keeps a creation date it is used as it is. On Linux
    // it is the earlier of the birth time (where the file system records one)
    // and the modification time: a copy made with its times kept carries the
    // capture moment in its modification time, while its birth time is the
    // moment of copying.
    static OptionalInstant creationDate(const QString& path);
};

} // namespace lumenscribe
