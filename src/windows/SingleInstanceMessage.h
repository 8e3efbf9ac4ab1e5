// The message a second start of the application sends to the running one:
// the paths it was given. On the wire:
//   u32 big-endian  length of what follows (at most MaxPayloadSize)
//   u32             Magic
//   u32             number of paths
//   per path        a QString as QDataStream (Qt 6.0) writes it: u32 byte
//                   length, then UTF-16
// The sender is another process of the same user, but its bytes are still
// read as untrusted: no length or count is allocated before the bytes that
// back it have arrived.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace lumenscribe {

class SingleInstanceMessage
{
public:
    static constexpr quint32 Magic = 0x4C534931; // "LSI1"
    static constexpr qsizetype HeaderSize = 4;
    // About 80,000 long paths; a selection larger than this is not handed over.
    static constexpr qsizetype MaxPayloadSize = 16 * 1024 * 1024;

    enum class Status
    {
        Incomplete, // wait for more bytes
        Complete,   // paths holds the message; its bytes are gone from the buffer
        Invalid,    // the stream cannot be a message: drop the connection
    };

    // The framed message, or an empty array when the paths do not fit.
    static QByteArray frame(const QStringList& paths);

    // Takes one message from the front of buffer, which gathers a
    // connection's bytes as they arrive.
    static Status take(QByteArray& buffer, QStringList& paths);

private:
    static bool decode(const QByteArray& payload, QStringList& paths);
};

} // namespace lumenscribe
