#include "metadata/MemorySource.h"

#include <cstring>

namespace lumenscribe {

bool MemorySource::read(quint64 offset, std::span<uint8_t> out) const
{
    const quint64 total = size();
    if (offset > total || out.size() > total - offset)
        return false;
    if (!out.empty())
        std::memcpy(out.data(), m_bytes.data() + offset, out.size());
    return true;
}

} // namespace lumenscribe
