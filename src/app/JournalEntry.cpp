#include "app/JournalEntry.h"

#include "app/FileSystem.h"

#include <QJsonDocument>
#include <QStringDecoder>

namespace lumenscribe {

namespace {

struct KindName
{
    JournalEntry::Kind kind;
    const char* name;
};

constexpr KindName kKinds[] = {
    {JournalEntry::Kind::Begin, "begin"},   {JournalEntry::Kind::MakeFolder, "mkdir"},
    {JournalEntry::Kind::Move, "move"},     {JournalEntry::Kind::Trash, "trash"},
    {JournalEntry::Kind::Trashed, "trashed"}, {JournalEntry::Kind::Removed, "removed"},
    {JournalEntry::Kind::End, "end"},       {JournalEntry::Kind::Undone, "undone"},
};

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

QJsonValue JournalEntry::pathValue(const QString& path)
{
    const QByteArray bytes = FileSystem::encodePath(path);
    if (isUtf8(bytes))
        return QString::fromUtf8(bytes);
    return QJsonObject{{QStringLiteral("base64"), QString::fromLatin1(bytes.toBase64())}};
}

std::optional<QString> JournalEntry::pathFrom(const QJsonValue& value)
{
    if (value.isString())
        return FileSystem::decodePath(value.toString().toUtf8());
    if (value.isObject()) {
        const QJsonValue encoded = value.toObject().value(QStringLiteral("base64"));
        if (encoded.isString())
            return FileSystem::decodePath(QByteArray::fromBase64(encoded.toString().toLatin1()));
    }
    return std::nullopt;
}

QByteArray JournalEntry::toLine() const
{
    QJsonObject object;
    for (const KindName& k : kKinds) {
        if (k.kind == kind)
            object.insert(QStringLiteral("op"), QString::fromLatin1(k.name));
    }
    if (!from.isNull())
        object.insert(QStringLiteral("from"), pathValue(from));
    if (!to.isNull())
        object.insert(QStringLiteral("to"), pathValue(to));
    if (size >= 0)
        object.insert(QStringLiteral("size"), size);
    if (time != 0)
        object.insert(QStringLiteral("time"), time);
    if (!paths.isNull())
        object.insert(QStringLiteral("paths"), paths);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<JournalEntry> JournalEntry::fromLine(const QByteArray& line)
{
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    const QString op = object.value(QStringLiteral("op")).toString();
    JournalEntry entry;
    bool known = false;
    for (const KindName& k : kKinds) {
        if (op == QLatin1String(k.name)) {
            entry.kind = k.kind;
            known = true;
        }
    }
    if (!known)
        return std::nullopt;
    if (object.contains(QStringLiteral("from")))
        entry.from = pathFrom(object.value(QStringLiteral("from"))).value_or(QString());
    if (object.contains(QStringLiteral("to")))
        entry.to = pathFrom(object.value(QStringLiteral("to"))).value_or(QString());
    entry.size = object.value(QStringLiteral("size")).toInteger(-1);
    entry.time = object.value(QStringLiteral("time")).toInteger(0);
    entry.paths = object.value(QStringLiteral("paths")).toString();
    return entry;
}

} // namespace lumenscribe
