#include "platform/NameZone.h"

#include "platform/LocalTime.h"

#include <QDateTime>
#include <cmath>

namespace lumenscribe {

namespace {

// The local instant whose local fields are those of `wanted`.
OptionalInstant localInstantShowing(const QDateTime& wanted)
{
    if (!wanted.isValid())
        return std::nullopt;
    std::tm fields{};
    fields.tm_year = wanted.date().year() - 1900;
    fields.tm_mon = wanted.date().month() - 1;
    fields.tm_mday = wanted.date().day();
    fields.tm_hour = wanted.time().hour();
    fields.tm_min = wanted.time().minute();
    fields.tm_sec = wanted.time().second();
    return LocalTime::instantOf(fields);
}

// The moment of a wall-clock time (read as local time) taken at `offset`.
std::optional<qint64> momentOf(qint64 wallClock, int offsetMinutes)
{
    const std::optional<std::tm> fields = LocalTime::breakDown(Instant(wallClock));
    if (!fields)
        return std::nullopt;
    const QDateTime asUtc(QDate(fields->tm_year + 1900, fields->tm_mon + 1, fields->tm_mday),
                          QTime(fields->tm_hour, fields->tm_min, fields->tm_sec), Qt::UTC);
    if (!asUtc.isValid())
        return std::nullopt;
    return asUtc.toSecsSinceEpoch() - qint64(offsetMinutes) * 60;
}

} // namespace

std::optional<NameZone> NameZone::fromText(const QString& text)
{
    NameZone zone;
    if (text == u"local")
        return zone;
    if (text == u"camera") {
        zone.m_kind = Kind::Camera;
        return zone;
    }
    if (text.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(text.toUtf8()))
        return std::nullopt;
    zone.m_kind = Kind::Named;
    zone.m_zone = QTimeZone(text.toUtf8());
    if (!zone.m_zone.isValid())
        return std::nullopt;
    return zone;
}

Instant NameZone::apply(Instant date, bool storedAsInstant, std::optional<int> utcOffsetMinutes) const
{
    if (m_kind == Kind::Local || !std::isfinite(date) || std::fabs(date) > 1e15)
        return date;
    const qint64 seconds = qint64(std::trunc(date));
    const Instant fraction = date - Instant(seconds);
    std::optional<qint64> moment;
    if (storedAsInstant)
        moment = seconds;
    else if (utcOffsetMinutes && m_kind == Kind::Named)
        moment = momentOf(seconds, *utcOffsetMinutes);
    if (!moment)
        return date; // a wall-clock time stays as written
    QDateTime wanted;
    if (m_kind == Kind::Named)
        wanted = QDateTime::fromSecsSinceEpoch(*moment, m_zone);
    else if (utcOffsetMinutes)
        wanted = QDateTime::fromSecsSinceEpoch(*moment, Qt::OffsetFromUTC, *utcOffsetMinutes * 60);
    else
        return date; // a moment without a zone of its own: the machine's
    const OptionalInstant local = localInstantShowing(wanted);
    return local ? *local + fraction : date;
}

} // namespace lumenscribe
