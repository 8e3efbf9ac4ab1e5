// Where the reader's bytes come from: a file fetched on demand or a block in
// memory. Readers never hold the whole file; they ask for the bytes they touch.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <span>

namespace lumenscribe {

class ByteSource
{
public:
    virtual ~ByteSource() = default;

    virtual quint64 size() const = 0;
    // Fills out with the bytes at offset; false (and out unspecified) when any
    // of them lies outside the source or cannot be fetched.
    virtual bool read(quint64 offset, std::span<uint8_t> out) const = 0;
};

} // namespace lumenscribe
