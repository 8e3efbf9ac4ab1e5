// Dates as people type and read them on the command line: local wall-clock
// "YYYY-MM-DD HH:MM:SS", through the C library like the rest of the program.
#pragma once

#include "platform/Instant.h"

#include <QString>

namespace lumenscribe {

class LocalDateText
{
public:
    // Accepts "YYYY-MM-DD HH:MM:SS" (or with "T" between date and time);
    // none for anything else, including dates that do not exist.
    static OptionalInstant parse(const QString& text);
    static QString format(Instant date);
};

} // namespace lumenscribe
