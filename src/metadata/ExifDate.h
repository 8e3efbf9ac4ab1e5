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
    // The digits of the fraction of the second, as the file holds them
    // (its sub-second tag or the fraction in the text); empty for none.
    const QString& subSeconds() const { return m_subSeconds; }
    void setSubSeconds(const QString& digits) { m_subSeconds = digits; }
    // The file stored a moment (a movie header, a count of seconds), not
    // the wall-clock time of a camera; it reads back in the machine's zone.
    bool storedAsInstant() const { return m_storedAsInstant; }
    void setStoredAsInstant(bool instant) { m_storedAsInstant = instant; }

    // "%Y-%m-%d %H:%M:%S %z" in the local time zone.
    QString stringValue() const override;
    // The local wall-clock time without zone, "YYYY-MM-DD HH:MM:SS".
    static QString localText(double instant);

private:
    double m_date;
    std::optional<int> m_utcOffsetMinutes;
    bool m_timeUnknown = false;
    bool m_storedAsInstant = false;
    QString m_subSeconds;
};

} // namespace lumenscribe
