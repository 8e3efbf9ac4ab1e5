#include "metadata/ExifDate.h"

#include "platform/LocalTime.h"

#include <QDateTime>
#include <cmath>
#include <ctime>

namespace lumenscribe {

namespace {

QString formatLocal(double instant, const char* format)
{
    const std::optional<std::tm> local = LocalTime::breakDown(std::floor(instant));
    if (!local)
        return {};
    char text[64] = {};
    const std::size_t length = std::strftime(text, sizeof text, format, &*local);
    return QString::fromLatin1(text, qsizetype(length));
}

} // namespace

ExifDate::ExifDate() : m_date(double(QDateTime::currentMSecsSinceEpoch()) / 1000.0)
{
}

QString ExifDate::stringValue() const
{
    return formatLocal(m_date, "%Y-%m-%d %H:%M:%S %z");
}

QString ExifDate::localText(double instant)
{
    return formatLocal(instant, "%Y-%m-%d %H:%M:%S");
}

} // namespace lumenscribe
