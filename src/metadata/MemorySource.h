// A byte source over bytes the caller keeps alive (tests, the fuzzer, and
// buffers handed to readExifInformationFromBuffer).
#pragma once

#include "metadata/ByteSource.h"

#include <QByteArrayView>

namespace lumenscribe {

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(QByteArrayView bytes) : m_bytes(bytes) {}
    // The source only views the bytes: a temporary would be gone before the
    // first read.
    explicit MemorySource(QByteArray&&) = delete;

    quint64 size() const override { return quint64(m_bytes.size()); }
    bool read(quint64 offset, std::span<uint8_t> out) const override;

private:
    QByteArrayView m_bytes;
};

} // namespace lumenscribe
