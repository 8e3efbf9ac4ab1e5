#include "app/JournalEntry.h"

#include "app/FileSystem.h"

#include <QJsonDocument>

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
    return QByteArrayView(bytes).isValidUtf8();
}

// A JSON string of UTF-8 bytes: quotes, backslashes and control characters
// escaped, everything else as it is.
void appendString(QByteArray& line, const QByteArray& utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    line.append('"');
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            line.append('\\').append(c);
        } else if (byte < 0x20) {
            line.append("\\u00").append(kHex[byte >> 4]).append(kHex[byte & 15]);
        } else {
            line.append(c);
        }
    }
    line.append('"');
}

// A path whose bytes are not UTF-8 cannot be a JSON string: it goes as base64.
void appendPath(QByteArray& line, const QString& path)
{
    const QByteArray bytes = FileSystem::encodePath(path);
    if (isUtf8(bytes)) {
        appendString(line, bytes);
        return;
    }
    line.append("{\"base64\":\"").append(bytes.toBase64()).append("\"}");
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

// Written by hand rather than through QJsonDocument: a run writes a line
// per photo, and the document model cost a fifth of the run's own work.
// The keys come in the order QJsonObject sorts them, as older journals have.
QByteArray JournalEntry::toLine() const
{
    QByteArray line;
    line.reserve(64 + 3 * (from.size() + to.size()) + paths.size());
    char separator = '{';
    auto key = [&](const char* name) {
        line.append(separator);
        separator = ',';
        line.append('"').append(name).append("\":");
    };
    if (!from.isNull()) {
        key("from");
        appendPath(line, from);
    }
    for (const KindName& k : kKinds) {
        if (k.kind == kind) {
            key("op");
            line.append('"').append(k.name).append('"');
        }
    }
    if (!paths.isNull()) {
        key("paths");
        appendString(line, paths.toUtf8());
    }
    if (size >= 0) {
        key("size");
        line.append(QByteArray::number(size));
    }
    if (time != 0) {
        key("time");
        line.append(QByteArray::number(time));
    }
    if (!to.isNull()) {
        key("to");
        appendPath(line, to);
    }
    if (separator == '{')
        line.append('{');
    return line.append("}\n");
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
