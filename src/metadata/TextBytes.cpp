#include "metadata/TextBytes.h"

#include <QStringDecoder>
#include <algorithm>

namespace lumenscribe {

std::optional<QByteArray> TextBytes::zeroTerminated(const ByteReader& reader, quint64 pos)
{
    if (pos >= reader.size())
        return std::nullopt;
    QByteArray text;
    constexpr quint64 Piece = 256;
    while (quint64(text.size()) < MaxLength) {
        const QByteArray piece = reader.bytesUpTo(pos + quint64(text.size()), Piece);
        if (piece.isEmpty())
            break;
        const qsizetype zero = piece.indexOf('\0');
        text += zero < 0 ? piece : piece.left(zero);
        if (zero >= 0)
            break;
    }
    text.truncate(qsizetype(std::min<quint64>(quint64(text.size()), MaxLength)));
    return text;
}

QString TextBytes::decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

} // namespace lumenscribe
