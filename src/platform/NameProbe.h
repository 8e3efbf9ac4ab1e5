// The questions name making asks of a file system: is anything at this
// path, and when was the file made. Naming asks them through this interface
// alone, so a run can answer from the file system it works on (a failing
// one in tests, a planned one in a dry run).
#pragma once

#include "platform/Instant.h"

#include <QString>

namespace lumenscribe {

class NameProbe
{
public:
    virtual ~NameProbe() = default;

    // True when anything at all is at the path: a file, a folder, or a
    // symbolic link even when it leads nowhere (renaming onto it would still
    // replace it).
    virtual bool nameTaken(const QString& path) = 0;
    // The moment the file was made, or none when the path cannot be read.
    virtual OptionalInstant creationDate(const QString& path) = 0;
};

} // namespace lumenscribe
