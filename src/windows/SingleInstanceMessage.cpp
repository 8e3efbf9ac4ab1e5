#include "windows/SingleInstanceMessage.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace lumenscribe {

namespace {
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
// The smallest a path can be on the wire: its byte length alone.
constexpr qsizetype MinPathSize = 4;
} // namespace

QByteArray SingleInstanceMessage::frame(const QStringList& paths)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << Magic << quint32(paths.size());
    for (const QString& path : paths)
        out << path;
    if (payload.size() > MaxPayloadSize)
        return {};
    QByteArray framed(HeaderSize, Qt::Uninitialized);
    qToBigEndian(quint32(payload.size()), framed.data());
    return framed + payload;
}

SingleInstanceMessage::Status SingleInstanceMessage::take(QByteArray& buffer, QStringList& paths)
{
    if (buffer.size() < HeaderSize)
        return Status::Incomplete;
    const quint32 length = qFromBigEndian<quint32>(buffer.constData());
    if (length > quint32(MaxPayloadSize))
        return Status::Invalid;
    if (buffer.size() - HeaderSize < qsizetype(length))
        return Status::Incomplete;
    const QByteArray payload = buffer.mid(HeaderSize, length);
    buffer.remove(0, HeaderSize + length);
    return decode(payload, paths) ? Status::Complete : Status::Invalid;
}

bool SingleInstanceMessage::decode(const QByteArray& payload, QStringList& paths)
{
    QDataStream in(payload);
    in.setVersion(StreamVersion);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    if (in.status() != QDataStream::Ok || magic != Magic)
        return false;
    // Checked against the bytes there are, so a lying count costs nothing.
    if (count > quint64(payload.size()) / MinPathSize)
        return false;
    QStringList read;
    for (quint32 i = 0; i < count; ++i) {
        QString path;
        // QString's reader grows the string only as its bytes are read.
        in >> path;
        if (in.status() != QDataStream::Ok)
            return false;
        read.append(path);
    }
    if (!in.atEnd())
        return false;
    paths = read;
    return true;
}

} // namespace lumenscribe
