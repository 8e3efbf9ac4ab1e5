#include "metadata/DateText.h"

#include <algorithm>


namespace lumenscribe {

namespace {

// Saturation bounds: atol's overflow is undefined, and a field must leave
// year - 1900 inside int.
constexpr long NumberLimit = 1000000000000000L;
constexpr long FieldLimit = 1000000000L;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int field(QByteArrayView text, qsizetype pos, int minus = 0)
{
    const long value = std::clamp(DateText::readNumber(text, pos), -FieldLimit, FieldLimit);
    return int(value) - minus;
}

} // namespace

long DateText::readNumber(QByteArrayView text, qsizetype pos)
{
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (value < NumberLimit)
            value = value * 10 + (text[pos] - '0');
    }
    return negative ? -value : value;
}

struct tm DateText::makeTimeFromString(QByteArrayView text)
{
    struct tm broken = {};
    broken.tm_year = field(text, 0, 1900);
    broken.tm_mon = field(text, 5, 1);
    broken.tm_mday = field(text, 8);
    broken.tm_hour = field(text, 11);
    broken.tm_min = field(text, 14);
    broken.tm_sec = field(text, 17);
    broken.tm_isdst = -1;
    return broken;
}

bool DateText::isUnset(QByteArrayView text)
{
    return readNumber(text, 0) == 0 && readNumber(text, 5) == 0 && readNumber(text, 8) == 0;
}

std::optional<double> DateText::localInstant(struct tm broken)
{
    broken.tm_isdst = -1;
    // mktime fills in the weekday only when it succeeds; -1 alone is also
    // the valid instant 1969-12-31 23:59:59 UTC.
    broken.tm_wday = -1;
    const time_t seconds = std::mktime(&broken);
    if (seconds == time_t(-1) && broken.tm_wday == -1)
        return std::nullopt;
    // Out-of-range fields roll over, but not into a year no name can show.
    if (broken.tm_year < 1 - 1900 || broken.tm_year > 9999 - 1900)
        return std::nullopt;
    return double(seconds);
}

std::optional<double> DateText::localInstant(QByteArrayView text)
{
    if (isUnset(text))
        return std::nullopt;
    return localInstant(makeTimeFromString(text));
}

} // namespace lumenscribe
