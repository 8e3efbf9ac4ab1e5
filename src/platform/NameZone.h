// The zone the names speak: in which zone a date that names a moment is
// broken down into the day and hour of a name.
//
// Files hold two kinds of dates. A camera writes its own wall-clock time
// (EXIF date texts), often with the offset of its zone beside it (EXIF
// OffsetTime*, the QuickTime creation date's "+02:00"). Movie headers
// ("mvhd") and "TimeDate=" counts hold a moment in UTC instead, which the
// machine's local time breaks down.
//
// - "local" (the default): every date as the machine has always named it.
// - "camera": a moment is shown at the offset the file gives for it, else
//   in the machine's zone; a wall-clock time stays as it was written.
// - a zone name such as "Asia/Tokyo": a moment is shown in that zone; a
//   wall-clock time whose offset is known is a moment too and is shown in
//   that zone; a wall-clock time without an offset stays as written, as its
//   zone is unknown.
//
// Names are made from the machine's local time, so the result is the local
// instant whose local fields are the wall-clock time wanted.
#pragma once

#include "platform/Instant.h"

#include <QString>
#include <QTimeZone>
#include <optional>

namespace lumenscribe {

class NameZone
{
public:
    enum class Kind
    {
        Local,
        Camera,
        Named,
    };

    // "local", "camera" or a zone name the system knows; nothing for any
    // other text.
    static std::optional<NameZone> fromText(const QString& text);
    static bool accepts(const QString& text) { return fromText(text).has_value(); }

    NameZone() = default; // local
    Kind kind() const { return m_kind; }

    // The date to name by, for `date` as the file's reader made it: the
    // moment itself when `storedAsInstant`, else the wall-clock time read as
    // local time. `utcOffsetMinutes` is the zone the file names for it.
    Instant apply(Instant date, bool storedAsInstant, std::optional<int> utcOffsetMinutes) const;

private:
    Kind m_kind = Kind::Local;
    QTimeZone m_zone;
};

} // namespace lumenscribe
