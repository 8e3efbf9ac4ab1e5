// A moment in time: seconds since 1970-01-01 00:00:00 UTC, fractions kept.
// Broken-down dates are always the machine's local wall-clock time.
#pragma once

#include <optional>

namespace lumenscribe {

using Instant = double;
using OptionalInstant = std::optional<Instant>;

} // namespace lumenscribe
