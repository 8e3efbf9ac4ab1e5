#include "platform/LocalTime.h"

#include <cmath>

namespace lumenscribe {

std::optional<std::tm> LocalTime::breakDown(Instant moment)
{
    // Beyond this, time_t and the year field overflow on some systems.
    if (!std::isfinite(moment) || std::fabs(moment) > 1e15)
        return std::nullopt;
    const std::time_t seconds = static_cast<std::time_t>(std::trunc(moment));
    std::tm fields{};
    if (localtime_r(&seconds, &fields) == nullptr)
        return std::nullopt;
    return fields;
}

OptionalInstant LocalTime::instantOf(std::tm& fields)
{
    fields.tm_isdst = -1;
    // mktime fills in the weekday only when it succeeds; -1 alone is also
    // the valid instant 1969-12-31 23:59:59 UTC.
    fields.tm_wday = -1;
    const std::time_t seconds = std::mktime(&fields);
    if (seconds == std::time_t(-1) && fields.tm_wday == -1)
        return std::nullopt;
    return static_cast<Instant>(seconds);
}

} // namespace lumenscribe
