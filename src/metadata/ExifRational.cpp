#include "metadata/ExifRational.h"

#include <cstdio>
#include <cstring>

namespace lumenscribe {

void ExifRational::setNumerator(uint32_t numerator, uint32_t denominator)
{
    if (denominator == 0)
        return;
    m_num = numerator;
    m_den = denominator;
}

void ExifRational::setDenominator(uint32_t denominator)
{
    if (denominator != 0)
        m_den = denominator;
}

float ExifRational::floatValue() const
{
    if (m_den == 0)
        return 0.0f;
    return float(double(m_num) / double(m_den));
}

QString ExifRational::shortStringValue() const
{
    char text[50] = {};
    std::snprintf(text, sizeof text, "%f", double(floatValue()));
    std::size_t length = std::strlen(text);
    if (length > 0 && text[length - 1] == '0') {
        while (length > 0 && text[length - 1] == '0')
            --length;
        if (length > 0 && text[length - 1] == '.')
            --length;
    }
    return QString::fromLatin1(text, qsizetype(length));
}

QString ExifRational::stringValue() const
{
    return QStringLiteral("%1 (%2/%3)").arg(shortStringValue()).arg(int32_t(m_num)).arg(int32_t(m_den));
}

} // namespace lumenscribe
