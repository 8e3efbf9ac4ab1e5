// A text entry, cut to at most m_maxLength characters.
#pragma once

#include "metadata/ExifValue.h"

#include <cstdint>

namespace lumenscribe {

class ExifString : public ExifValue
{
public:
    const QString& string() const { return m_string; }
    int32_t maxLength() const { return m_maxLength; }

    void setMaxLength(int32_t length) { m_maxLength = length; }
    void setString(const QString& text);
    void setString(const QString& text, int32_t maxLength);

    QString stringValue() const override { return m_string; }

private:
    QString m_string;
    int32_t m_maxLength = 2147483647;
};

} // namespace lumenscribe
