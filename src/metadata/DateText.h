// Date texts laid out as "YYYY:MM:DD HH:MM:SS" (any separators), read as the
// machine's local wall-clock time.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <ctime>
#include <optional>

namespace lumenscribe {

class DateText
{
public:
    // A date text as real files hold it: the wall-clock time written, what
    // followed it, and whether it named a day alone.
    struct Reading
    {
        double instant = 0;                  // the wall-clock time as local time
        std::optional<int> utcOffsetMinutes; // a zone written after the time
        bool timeUnknown = false;            // a day without a time: 00:00 of it
        QString subSeconds;                  // the digits of a fraction after the seconds
    };

    // "YYYY:MM:DD HH:MM:SS" (any separators, a "T" too) with sub-seconds or a
    // zone after it, "YYYYMMDD HH:MM:SS", or a day alone. The zone is kept
    // but does not move the time: a photo is named by the clock it was
    // taken by. Nothing where localInstant(text) gives nothing.
    static std::optional<Reading> read(QByteArrayView text);

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
    // A zone written alone, as EXIF's OffsetTime tags hold it: "Z",
    // "+HH:MM", "+HHMM" or "+HH", in minutes east of UTC.
    static std::optional<int> readZone(QByteArrayView text);
    // The digits that lead a sub-second text (spaces before them skipped;
    // cameras pad the tag with spaces), at most MaxSubSecondDigits of them.
    static QString leadingDigits(QByteArrayView text);
    static constexpr qsizetype MaxSubSecondDigits = 9;
    // atol over the bytes from pos on, saturating instead of overflowing.
    static long readNumber(QByteArrayView text, qsizetype pos);
};

} // namespace lumenscribe
