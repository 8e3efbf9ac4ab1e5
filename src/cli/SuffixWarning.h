// A file format without %F makes names without the file type suffix: the
// photo loses its extension. Allowed, but worth a word before it happens.
#pragma once

#include <QString>

namespace lumenscribe {

class SuffixWarning
{
public:
    // Whether the format writes the file type suffix; "%%F" is a literal.
    static bool writesSuffix(const QString& format);
    // The warning for a format that does not, or the empty string.
    static QString forFormat(const QString& format);
};

} // namespace lumenscribe
