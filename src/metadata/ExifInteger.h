// An integer entry, clamped to [m_min, m_max]; by default 0 .. 2^31-1 so that
// it always prints as a non-negative signed number.
#pragma once

#include "metadata/ExifValue.h"

#include <cstdint>

namespace lumenscribe {

class ExifInteger : public ExifValue
{
public:
    uint32_t value() const { return m_val; }
    uint32_t min() const { return m_min; }
    uint32_t max() const { return m_max; }

    void setValue(uint32_t value, uint32_t min, uint32_t max);
    void setValue(uint32_t value) { setValue(value, m_min, m_max); }

    QString stringValue() const override;

private:
    uint32_t m_val = 0;
    uint32_t m_min = 0;
    uint32_t m_max = 2147483647u;
};

} // namespace lumenscribe
