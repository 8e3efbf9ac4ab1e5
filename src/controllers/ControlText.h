// Numbers read from the text of a control, as the windows need them.
#pragma once

#include <QStringView>
#include <optional>

namespace lumenscribe {

class ControlText
{
public:
    // The leading decimal number of the text (after blanks, with an optional
    // sign), 0 when there is none; held to the range of int.
    static int integerValue(QStringView text);
    // The text as a whole number and nothing else (blanks around it aside),
    // or none, also for a number beyond int: for fields where a stray letter
    // must not become 0.
    static std::optional<int> wholeNumber(QStringView text);
};

} // namespace lumenscribe
