// Instants for local wall-clock times, made the way the program breaks them
// down, so tests read the same under every time zone.
#pragma once

#include "platform/Instant.h"

#include <ctime>

namespace lumenscribe::test {

inline Instant localInstant(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return static_cast<Instant>(std::mktime(&t));
}

} // namespace lumenscribe::test
