// A byte source over a file that fetches 4 KiB blocks only when a reader
// touches them, so a JPEG costs its first segments and a camera movie its
// header chunks. bytesRead() tells what the file actually cost.
#pragma once

#include "metadata/ByteSource.h"

#include <QFile>
#include <QString>

#include <unordered_map>
#include <vector>

namespace lumenscribe {

class FileSource : public ByteSource
{
public:
    explicit FileSource(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    quint64 size() const override { return m_size; }
    bool read(quint64 offset, std::span<uint8_t> out) const override;
    quint64 bytesRead() const { return m_bytesRead; }

    static constexpr quint64 BlockSize = 4096;

private:
    const std::vector<uint8_t>* block(quint64 index) const;

    mutable QFile m_file;
    quint64 m_size = 0;
    mutable quint64 m_bytesRead = 0;
    // Bounded: a scan through a large file drops old blocks instead of
    // growing towards the file's size.
    mutable std::unordered_map<quint64, std::vector<uint8_t>> m_blocks;
};

} // namespace lumenscribe
