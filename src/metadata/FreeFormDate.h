// Dates in the free forms that camera movies write where the fixed
// "YYYY:MM:DD HH:MM:SS" form is expected: the C library's asctime form
// ("Sat Jan 15 12:34:56 2005", with or without its line break), year/month/day
// with slashes or dashes, and ISO 8601 with an optional zone.
#pragma once

#include <QByteArrayView>
#include <optional>

namespace lumenscribe {

class FreeFormDate
{
public:
    // The instant the text names: local wall-clock time unless it carries a
    // zone. Nothing for a text it cannot read or with a field out of range.
    static std::optional<double> parse(QByteArrayView text);
};

} // namespace lumenscribe
