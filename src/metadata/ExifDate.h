// A date entry: an instant in seconds since 1970-01-01 00:00:00 UTC. It reads
// back as the machine's local wall-clock time.
#pragma once

#include "metadata/ExifValue.h"

#include <optional>

namespace lumenscribe {

class ExifDate : public ExifValue
{
public:
    ExifDate();

    double date() const { return m_date; }
    void setDate(double date) { m_date = date; }

    // The zone the text named after its time, in minutes east of UTC; the
    // date itself stays the wall-clock time written.
    std::optional<int> utcOffsetMinutes() const { return m_utcOffsetMinutes; }
    void setUtcOffsetMinutes(std::optional<int> minutes) { m_utcOffsetMinutes = minutes; }
    // The source named a day without a time; the date is 00:00 of that day.
    bool timeUnknown() const { return m_timeUnknown; }
    void setTimeUnknown(bool unknown) { m_timeUnknown = unknown; }

    // "%Y-%m-%d %H:%M:%S %z" in the local time zone.
    QString stringValue() const override;
    // The local wall-clock time without zone, "YYYY-MM-DD HH:MM:SS".
    static QString localText(double instant);

private:
    double m_date;
    std::optional<int> m_utcOffsetMinutes;
    bool m_timeUnknown = false;
};

} // namespace lumenscribe
