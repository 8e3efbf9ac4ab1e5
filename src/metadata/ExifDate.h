// A date entry: an instant in seconds since 1970-01-01 00:00:00 UTC. It reads
// back as the machine's local wall-clock time.
#pragma once

#include "metadata/ExifValue.h"

namespace lumenscribe {

class ExifDate : public ExifValue
{
public:
    ExifDate();

    double date() const { return m_date; }
    void setDate(double date) { m_date = date; }

    // "%Y-%m-%d %H:%M:%S %z" in the local time zone.
    QString stringValue() const override;
    // The local wall-clock time without zone, "YYYY-MM-DD HH:MM:SS".
    static QString localText(double instant);

private:
    double m_date;
};

} // namespace lumenscribe
