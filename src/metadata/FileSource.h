// A byte source over a file that fetches 4 KiB blocks only when a reader
// touches them, so a JPEG costs its first segments and a camera movie its
// header chunks. bytesRead() tells what the file actually cost.
#pragma once

#include "metadata/ByteSource.h"
#include "platform/NativePath.h"

#include <QString>
#include <array>
#include <span>
#include <unordered_map>
#include <vector>

namespace lumenscribe {

class FileSource : public ByteSource
{
public:
    // Only a regular file is opened (see NativePath::openForReading): a FIFO
    // or device among the paths must not stop the reader.
    explicit FileSource(const QString& path, NativePath::Look look = NativePath::Look::First);
    // Takes over an open descriptor of a regular file.
    explicit FileSource(int descriptor);
    // Not open, until take().
    FileSource() = default;
    // Takes over a descriptor whose regular file of `size` bytes the caller
    // has just checked.
    void take(int descriptor, quint64 size);
    void close();
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Why the file is not open: an errno value or NativePath::NotRegularFile.
    int openError() const { return m_openError; }
    // The size when the file was opened. A file that shrinks while it is
    // read fails the reads past its new end; one that grows is read only up
    // to this size, so every reader sees one consistent length.
    quint64 size() const override { return m_size; }
    bool read(quint64 offset, std::span<uint8_t> out) const override;
    quint64 bytesRead() const { return m_bytesRead; }

    static constexpr quint64 BlockSize = 4096;
    // The opening block is kept in the object itself, without a lookup or
    // an allocation: every reader looks at it first, and a camera JPEG's
    // dates stand in it.
    static constexpr quint64 HeadSize = BlockSize;

private:
    void adopt(int descriptor);
    std::span<const uint8_t> block(quint64 index) const;
    bool readHead() const;

    int m_fd = -1;
    int m_openError = 0;
    quint64 m_size = 0;
    mutable quint64 m_bytesRead = 0;
    mutable std::span<const uint8_t> m_head;
    mutable bool m_headTried = false;
    // Bounded: a scan through a large file drops old blocks instead of
    // growing towards the file's size.
    mutable std::unordered_map<quint64, std::vector<uint8_t>> m_blocks;
    // Not zeroed first: the read fills what m_head shows of it. Last, so
    // that the compiler's clearing of the members above stops short of it.
    mutable std::array<uint8_t, HeadSize> m_headBytes;
};

} // namespace lumenscribe
