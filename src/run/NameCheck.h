// The checks a new name passes before a file or folder gets it, shared by
// the run and the two confirmation windows.
#pragma once

#include "platform/NameProbe.h"

#include <QString>

namespace lumenscribe {

class NameCheck
{
public:
    // The numbers are those the windows have always shown.
    // NotAcceptable: "/" or NUL in it, or "." or "..", a name that would
    // leave its folder or cannot be a name at all.
    enum Result
    {
        Ok = 0,
        Empty = 1,
        TooLong = 2,
        Exists = 3,
        NotAcceptable = 4
    };
    // Longest path handed to the run, in UTF-8 bytes.
    static constexpr int kMaxPathBytes = 2047;

    // Every check, including whether the name is taken in its folder, as
    // `probe` sees it.
    static Result check(const QString& name, const QString& path, unsigned flags, NameProbe& probe);
    // Every check but that one, for a name just seen free at path.
    static Result checkFree(const QString& name, const QString& path, unsigned flags);
    // The classic 31-unit limit, checked only when bit 0 of the flags is set.
    static bool exceedsClassicLength(const QString& name, unsigned flags);
};

} // namespace lumenscribe
