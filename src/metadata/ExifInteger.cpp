#include "metadata/ExifInteger.h"

namespace lumenscribe {

void ExifInteger::setValue(uint32_t value, uint32_t min, uint32_t max)
{
    m_val = value;
    m_min = min;
    m_max = max;
    if (m_val < m_min)
        m_val = m_min;
    if (m_max < m_val)
        m_val = m_max;
}

QString ExifInteger::stringValue() const
{
    return QString::number(int32_t(m_val));
}

} // namespace lumenscribe
