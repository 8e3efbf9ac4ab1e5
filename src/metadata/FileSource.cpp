#include "metadata/FileSource.h"

#include <algorithm>
#include <cstring>

namespace lumenscribe {

namespace {
constexpr std::size_t MaxCachedBlocks = 256;
}

FileSource::FileSource(const QString& path) : m_file(path)
{
    if (m_file.open(QIODevice::ReadOnly) && !m_file.isSequential())
        m_size = quint64(std::max<qint64>(m_file.size(), 0));
    else
        m_file.close();
}

const std::vector<uint8_t>* FileSource::block(quint64 index) const
{
    if (auto found = m_blocks.find(index); found != m_blocks.end())
        return &found->second;
    const quint64 start = index * BlockSize;
    if (start >= m_size || !m_file.seek(qint64(start)))
        return nullptr;
    std::vector<uint8_t> data(std::min(BlockSize, m_size - start));
    const qint64 got = m_file.read(reinterpret_cast<char*>(data.data()), qint64(data.size()));
    if (got != qint64(data.size()))
        return nullptr;
    m_bytesRead += data.size();
    if (m_blocks.size() >= MaxCachedBlocks)
        m_blocks.clear();
    return &m_blocks.emplace(index, std::move(data)).first->second;
}

bool FileSource::read(quint64 offset, std::span<uint8_t> out) const
{
    if (!m_file.isOpen() || offset > m_size || out.size() > m_size - offset)
        return false;
    std::size_t done = 0;
    while (done < out.size()) {
        const quint64 at = offset + done;
        const std::vector<uint8_t>* data = block(at / BlockSize);
        if (!data)
            return false;
        const std::size_t inBlock = std::size_t(at % BlockSize);
        if (inBlock >= data->size())
            return false;
        const std::size_t count = std::min(out.size() - done, data->size() - inBlock);
        std::memcpy(out.data() + done, data->data() + inBlock, count);
        done += count;
    }
    return true;
}

} // namespace lumenscribe
