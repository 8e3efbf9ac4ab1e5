#include "metadata/FileSource.h"

#include "platform/NativePath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumenscribe {

namespace {

constexpr std::size_t MaxCachedBlocks = 256;

// Fills the whole of `out` from `offset`, or fails: a short read means the
// file lost bytes since it was opened, and a partial block would be read as
// if zeros were real data.
bool readFully(int fd, quint64 offset, std::span<uint8_t> out)
{
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(fd, out.data() + done, out.size() - done, off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        // Regular files ignore O_NONBLOCK on local file systems; a network
        // or FUSE file system may not, and then the read waits after all.
        if (got < 0 && errno == EAGAIN) {
            const int flags = ::fcntl(fd, F_GETFL);
            if (flags >= 0 && (flags & O_NONBLOCK) && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0)
                continue;
        }
        if (got <= 0)
            return false;
        done += std::size_t(got);
    }
    return true;
}

} // namespace

FileSource::FileSource(const QString& path, NativePath::Look look)
{
    m_openError = NativePath::openForReading(path, m_fd, look, &m_size);
}

FileSource::FileSource(int descriptor)
{
    adopt(descriptor);
}

void FileSource::take(int descriptor, quint64 size)
{
    close();
    m_fd = descriptor;
    m_size = size;
}

void FileSource::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_bytesRead = 0;
    m_head = {};
    m_headTried = false;
    m_blocks.clear();
}

FileSource::~FileSource()
{
    close();
}

void FileSource::adopt(int descriptor)
{
    struct stat info
    {
    };
    if (::fstat(descriptor, &info) != 0) {
        m_openError = errno;
        ::close(descriptor);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        m_openError = NativePath::NotRegularFile;
        ::close(descriptor);
        return;
    }
    m_fd = descriptor;
    m_size = quint64(std::max<off_t>(info.st_size, 0));
}

// A file that lost bytes since it was opened has no head: its blocks are
// then read one by one, as far as they still go.
bool FileSource::readHead() const
{
    if (!m_headTried) {
        m_headTried = true;
        const std::size_t size = std::size_t(std::min(HeadSize, m_size));
        if (size > 0 && readFully(m_fd, 0, std::span(m_headBytes.data(), size))) {
            m_bytesRead += size;
            m_head = std::span<const uint8_t>(m_headBytes.data(), size);
        }
    }
    return !m_head.empty();
}

std::span<const uint8_t> FileSource::block(quint64 index) const
{
    const quint64 start = index * BlockSize;
    if (start >= m_size)
        return {};
    if (start < HeadSize && readHead())
        return m_head.subspan(start, std::min<std::size_t>(BlockSize, m_head.size() - start));
    if (auto found = m_blocks.find(index); found != m_blocks.end())
        return found->second;
    std::vector<uint8_t> data(std::min(BlockSize, m_size - start));
    if (!readFully(m_fd, start, data))
        return {};
    m_bytesRead += data.size();
    if (m_blocks.size() >= MaxCachedBlocks)
        m_blocks.clear();
    return m_blocks.emplace(index, std::move(data)).first->second;
}

bool FileSource::read(quint64 offset, std::span<uint8_t> out) const
{
    if (m_fd < 0 || offset > m_size || out.size() > m_size - offset)
        return false;
    if (offset + out.size() <= HeadSize && readHead() && offset + out.size() <= m_head.size()) {
        std::memcpy(out.data(), m_head.data() + offset, out.size());
        return true;
    }
    std::size_t done = 0;
    while (done < out.size()) {
        const quint64 at = offset + done;
        const std::span<const uint8_t> data = block(at / BlockSize);
        const std::size_t inBlock = std::size_t(at % BlockSize);
        if (inBlock >= data.size())
            return false;
        const std::size_t count = std::min(out.size() - done, data.size() - inBlock);
        std::memcpy(out.data() + done, data.data() + inBlock, count);
        done += count;
    }
    return true;
}

} // namespace lumenscribe
