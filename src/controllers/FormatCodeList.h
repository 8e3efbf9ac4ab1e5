// The %-codes of a naming style's format, for the editor's code picker and
// the format field: each code with what it stands for and what it writes for
// the example date, where the codes and the plain text lie in a format, and
// what is wrong with a format a person is typing.
#pragma once

#include "platform/Instant.h"

#include <QList>
#include <QString>

namespace lumenscribe {

class NameGenerator;

class FormatCodeList
{
public:
    struct Code
    {
        QString code;        // as typed, e.g. "%Y"
        QString description; // translated
        bool filesOnly = false;
    };
    // A stretch of a format: a code (with its digit selector) or plain text.
    struct Span
    {
        int start = 0;
        int length = 0;
        bool isCode = false;
        bool operator==(const Span&) const = default;
    };
    enum class Problem
    {
        None,
        EmptyName,
        NoFileTypeSuffix,
    };

    // The codes a style of this kind understands, in the order a person
    // builds a name: date, time, counters, the old name, the substrings.
    static QList<Code> codes(bool folderStyle);
    // What `code` alone writes with the settings of `style` for `date` and
    // the example file name; the style itself is not touched.
    static QString expand(const NameGenerator& style, const QString& code, Instant date,
                          const QString& exampleFileName);
    // Splits a format as the name maker reads it.
    static QList<Span> spans(const QString& format);
    // A file style without %F loses the file type; a format that writes
    // nothing makes no name at all.
    static Problem problem(const NameGenerator& style, const QString& example);
    static QString problemText(Problem problem);
};

} // namespace lumenscribe
