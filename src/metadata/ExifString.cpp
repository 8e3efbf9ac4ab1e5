#include "metadata/ExifString.h"

#include <algorithm>

namespace lumenscribe {

void ExifString::setString(const QString& text)
{
    const qsizetype limit = std::max<qsizetype>(m_maxLength, 0);
    m_string = text.size() > limit ? text.left(limit) : text;
}

void ExifString::setString(const QString& text, int32_t maxLength)
{
    m_maxLength = maxLength;
    setString(text);
}

} // namespace lumenscribe
