#include "cli/LocalDateText.h"

#include "platform/LocalTime.h"

#include <QDate>
#include <QRegularExpression>
#include <cmath>
#include <ctime>

namespace lumenscribe {

OptionalInstant LocalDateText::parse(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})[ T](\\d{2}):(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    std::tm t{};
    t.tm_year = match.captured(1).toInt() - 1900;
    t.tm_mon = match.captured(2).toInt() - 1;
    t.tm_mday = match.captured(3).toInt();
    t.tm_hour = match.captured(4).toInt();
    t.tm_min = match.captured(5).toInt();
    t.tm_sec = match.captured(6).toInt();
    // mktime would quietly move 31 April to 1 May: refuse dates that do not exist.
    if (!QDate::isValid(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday) || t.tm_hour > 23 || t.tm_min > 59 || t.tm_sec > 59)
        return std::nullopt;
    return LocalTime::instantOf(t);
}

QString LocalDateText::format(Instant date)
{
    const std::optional<std::tm> local = LocalTime::breakDown(date);
    if (!local)
        return QString();
    const std::tm& t = *local;
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                             t.tm_min, t.tm_sec);
}

} // namespace lumenscribe
