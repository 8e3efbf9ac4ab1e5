// A rational entry: two unsigned 32-bit words as the file holds them. The
// denominator is never 0.
#pragma once

#include "metadata/ExifValue.h"

#include <cstdint>

namespace lumenscribe {

class ExifRational : public ExifValue
{
public:
    uint32_t numerator() const { return m_num; }
    uint32_t denominator() const { return m_den; }

    void setNumerator(uint32_t numerator, uint32_t denominator);
    void setNumerator(uint32_t numerator) { m_num = numerator; }
    void setDenominator(uint32_t denominator);

    float floatValue() const;
    // The value with six decimals, trailing zeros (and a bare point) removed.
    QString shortStringValue() const override;
    // shortStringValue followed by " (num/den)".
    QString stringValue() const override;

private:
    uint32_t m_num = 1;
    uint32_t m_den = 1;
};

} // namespace lumenscribe
