#include "metadata/DateText.h"

#include "platform/LocalTime.h"

#include <QByteArray>
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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool digitsAt(QByteArrayView text, qsizetype pos, qsizetype count)
{
    if (pos + count > text.size())
        return false;
    for (qsizetype i = pos; i < pos + count; ++i) {
        if (!isDigit(text[i]))
            return false;
    }
    return true;
}

bool endsAt(QByteArrayView text, qsizetype pos)
{
    return pos >= text.size() || text[pos] == '\0' || isSpace(text[pos]);
}

// A day ("YYYY:MM:DD") with no digit of a time after it.
bool dayAlone(QByteArrayView text)
{
    if (!digitsAt(text, 0, 4) || !digitsAt(text, 5, 2) || !digitsAt(text, 8, 2) || !endsAt(text, 10))
        return false;
    for (qsizetype pos = 10; pos < text.size() && text[pos] != '\0'; ++pos) {
        if (isDigit(text[pos]))
            return false;
    }
    return true;
}

// "YYYYMMDD..." laid out again as "YYYY:MM:DD..." so that the fixed
// positions hold.
QByteArray spreadCompactDay(QByteArrayView text)
{
    QByteArray spread;
    spread.reserve(text.size() + 2);
    spread.append(text.first(4)).append(':').append(text.sliced(4, 2)).append(':').append(text.sliced(6));
    return spread;
}

// The zone after the seconds (and any fraction of them).
std::optional<int> zoneAfterTime(QByteArrayView text)
{
    qsizetype pos = 19;
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ','))
        for (++pos; pos < text.size() && isDigit(text[pos]);)
            ++pos;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return DateText::readZone(text.sliced(std::min(pos, text.size())));
}

// The fraction written after the seconds: ".123" or ",123".
QString fractionAfterTime(QByteArrayView text)
{
    constexpr qsizetype pos = 19;
    if (pos + 1 >= text.size() || (text[pos] != '.' && text[pos] != ','))
        return {};
    return DateText::leadingDigits(text.sliced(pos + 1));
}

} // namespace

std::optional<int> DateText::readZone(QByteArrayView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos >= text.size())
        return std::nullopt;
    if (text[pos] == 'Z')
        return 0;
    if ((text[pos] != '+' && text[pos] != '-') || !digitsAt(text, pos + 1, 2))
        return std::nullopt;
    const int sign = text[pos] == '-' ? -1 : 1;
    const int hours = (text[pos + 1] - '0') * 10 + (text[pos + 2] - '0');
    qsizetype minutesAt = pos + 3;
    if (minutesAt < text.size() && text[minutesAt] == ':')
        ++minutesAt;
    const int minutes = digitsAt(text, minutesAt, 2) ? (text[minutesAt] - '0') * 10 + (text[minutesAt + 1] - '0') : 0;
    if (hours > 18 || minutes > 59)
        return std::nullopt;
    return sign * (hours * 60 + minutes);
}

QString DateText::leadingDigits(QByteArrayView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    QString digits;
    for (; pos < text.size() && isDigit(text[pos]) && digits.size() < MaxSubSecondDigits; ++pos)
        digits.append(QChar::fromLatin1(text[pos]));
    return digits;
}

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
    const OptionalInstant instant = LocalTime::instantOf(broken);
    // Out-of-range fields roll over, but not into a year no name can show.
    if (!instant || broken.tm_year < 1 - 1900 || broken.tm_year > 9999 - 1900)
        return std::nullopt;
    return *instant;
}

std::optional<double> DateText::localInstant(QByteArrayView text)
{
    const auto reading = read(text);
    return reading ? std::optional(reading->instant) : std::nullopt;
}

std::optional<DateText::Reading> DateText::read(QByteArrayView text)
{
    QByteArray spread;
    if (digitsAt(text, 0, 8) && (endsAt(text, 8) || text[8] == 'T')) {
        spread = spreadCompactDay(text);
        text = spread;
    }
    if (isUnset(text))
        return std::nullopt;
    Reading reading;
    // A day alone (an AVI's creation date, an XMP date): its time is unknown.
    reading.timeUnknown = dayAlone(text);
    const auto instant = localInstant(makeTimeFromString(text));
    if (!instant)
        return std::nullopt;
    reading.instant = *instant;
    if (!reading.timeUnknown && digitsAt(text, 17, 2)) {
        reading.utcOffsetMinutes = zoneAfterTime(text);
        reading.subSeconds = fractionAfterTime(text);
    }
    return reading;
}

} // namespace lumenscribe
