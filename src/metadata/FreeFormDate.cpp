#include "metadata/FreeFormDate.h"

#include "metadata/DateText.h"

#include <QRegularExpression>
#include <QString>

namespace lumenscribe {

namespace {

struct Fields
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::optional<int> zoneSeconds; // east of UTC
};

int monthFromName(QStringView name)
{
    static const QString names = QStringLiteral("janfebmaraprmayjunjulaugsepoctnovdec");
    const qsizetype at = names.indexOf(name.left(3).toString().toLower());
    return at >= 0 && at % 3 == 0 ? int(at / 3) + 1 : 0;
}

std::optional<Fields> asctimeForm(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:[A-Za-z]{3},?\\s+)?([A-Za-z]{3})\\s+(\\d{1,2})\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?"
                       "\\s+(\\d{4})$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    Fields fields;
    fields.month = monthFromName(match.capturedView(1));
    fields.day = match.capturedView(2).toInt();
    fields.hour = match.capturedView(3).toInt();
    fields.minute = match.capturedView(4).toInt();
    fields.second = match.capturedView(5).toInt();
    fields.year = match.capturedView(6).toInt();
    return fields;
}

std::optional<Fields> numericForm(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})[-/:.](\\d{1,2})[-/:.](\\d{1,2})(?:[T ]+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?"
                       "(?:[.,]\\d+)?)\\s*(Z|[+-]\\d{2}:?\\d{2})?$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    Fields fields{match.capturedView(1).toInt(),
                  match.capturedView(2).toInt(),
                  match.capturedView(3).toInt(),
                  match.capturedView(4).toInt(),
                  match.capturedView(5).toInt(),
                  match.capturedView(6).toInt(),
                  std::nullopt};
    const QStringView zone = match.capturedView(7);
    if (zone == u"Z") {
        fields.zoneSeconds = 0;
    } else if (!zone.isEmpty()) {
        const int hours = zone.mid(1, 2).toInt();
        const int minutes = zone.right(2).toInt();
        fields.zoneSeconds = (zone.front() == u'-' ? -1 : 1) * (hours * 3600 + minutes * 60);
    }
    return fields;
}

bool inRange(const Fields& f)
{
    return f.year >= 1 && f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31 && f.hour <= 23 &&
           f.minute <= 59 && f.second <= 60;
}

std::optional<double> toInstant(const Fields& f)
{
    if (!inRange(f))
        return std::nullopt;
    struct tm broken = {};
    broken.tm_year = f.year - 1900;
    broken.tm_mon = f.month - 1;
    broken.tm_mday = f.day;
    broken.tm_hour = f.hour;
    broken.tm_min = f.minute;
    broken.tm_sec = f.second;
    if (f.zoneSeconds)
        return double(timegm(&broken)) - *f.zoneSeconds;
    return DateText::localInstant(broken);
}

} // namespace

std::optional<double> FreeFormDate::parse(QByteArrayView text)
{
    const QString trimmed = QString::fromLatin1(text).trimmed();
    if (auto fields = asctimeForm(trimmed))
        return toInstant(*fields);
    if (auto fields = numericForm(trimmed))
        return toInstant(*fields);
    return std::nullopt;
}

} // namespace lumenscribe
