// Date texts laid out as "YYYY:MM:DD HH:MM:SS" (any separators), read as the
// machine's local wall-clock time.
#pragma once

#include <QByteArrayView>

#include <ctime>
#include <optional>

namespace lumenscribe {

class DateText
{
public:
    // The number at each fixed position, read as atol does; a field with no
    // digit is 0, and no range is checked (mktime normalises).
    static struct tm makeTimeFromString(QByteArrayView text);
    // A clock that was never set: year, month and day all 0 or without digits.
    static bool isUnset(QByteArrayView text);
    // The instant of the text's local wall-clock time; nothing for an unset
    // date, one that mktime cannot represent, or one outside the years 1-9999.
    static std::optional<double> localInstant(QByteArrayView text);
    // mktime with the system deciding daylight saving.
    static std::optional<double> localInstant(struct tm broken);
    // atol over the bytes from pos on, saturating instead of overflowing.
    static long readNumber(QByteArrayView text, qsizetype pos);
};

} // namespace lumenscribe
