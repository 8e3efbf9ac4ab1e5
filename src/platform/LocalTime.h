// The one place where instants and local wall-clock time meet: the C
// library's localtime_r and mktime, so that daylight saving is decided as
// the rest of the system decides it.
#pragma once

#include "platform/Instant.h"

#include <ctime>
#include <optional>

namespace lumenscribe {

class LocalTime
{
public:
    // The local fields of the instant, cut toward zero to whole seconds;
    // none for an instant the C library cannot break down.
    static std::optional<std::tm> breakDown(Instant moment);
    // The instant of local fields, the daylight saving of the moment decided
    // by the system; fields out of range roll over, and `fields` is left
    // holding the rolled-over date. None when there is no such instant.
    static OptionalInstant instantOf(std::tm& fields);
};

} // namespace lumenscribe
