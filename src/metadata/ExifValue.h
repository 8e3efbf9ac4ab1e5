// The common face of the five metadata value types: each renders itself as
// text, and the reader's dictionary holds them behind this interface.
#pragma once

#include <QString>

namespace lumenscribe {

class ExifValue
{
public:
    virtual ~ExifValue() = default;

    virtual QString stringValue() const = 0;
    virtual QString shortStringValue() const { return stringValue(); }
};

} // namespace lumenscribe
