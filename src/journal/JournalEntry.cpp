#include "journal/JournalEntry.h"

#include "fs/FileSystem.h"

#include <QJsonDocument>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <string>

namespace lumenscribe {

namespace {

struct KindName
{
    JournalEntry::Kind kind;
    const char* name;
};

constexpr KindName kKinds[] = {
    {JournalEntry::Kind::Begin, "begin"},       {JournalEntry::Kind::MakeFolder, "mkdir"},
    {JournalEntry::Kind::Move, "move"},         {JournalEntry::Kind::Trash, "trash"},
    {JournalEntry::Kind::Trashed, "trashed"},   {JournalEntry::Kind::Removed, "removed"},
    {JournalEntry::Kind::End, "end"},           {JournalEntry::Kind::Undone, "undone"},
    {JournalEntry::Kind::Moved, "moved"},       {JournalEntry::Kind::Restored, "restored"},
    {JournalEntry::Kind::Copy, "copy"},         {JournalEntry::Kind::Copied, "copied"},
    {JournalEntry::Kind::Uncopied, "uncopied"},
};

// "DEVICE:INODE:SIZE:SECONDS.NANOSECONDS", a text: JSON numbers are read as
// doubles, which cannot hold every inode.
std::string identityText(const JournalEntry::Identity& id)
{
    char nanos[16];
    std::snprintf(nanos, sizeof nanos, "%09d", int(id.modificationTime.nanoseconds));
    return std::to_string(id.device) + ':' + std::to_string(id.inode) + ':' + std::to_string(id.size) + ':' +
           std::to_string(id.modificationTime.seconds) + '.' + nanos;
}

std::optional<JournalEntry::Identity> identityFrom(const QString& text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 4)
        return std::nullopt;
    const QStringList time = parts.at(3).split(u'.');
    bool ok[6] = {};
    JournalEntry::Identity id;
    id.device = parts.at(0).toULongLong(&ok[0]);
    id.inode = parts.at(1).toULongLong(&ok[1]);
    id.size = parts.at(2).toLongLong(&ok[2]);
    id.modificationTime.seconds = time.value(0).toLongLong(&ok[3]);
    id.modificationTime.nanoseconds = time.value(1).toInt(&ok[4]);
    ok[5] = time.size() == 2;
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
        return std::nullopt;
    return id;
}

bool isUtf8(const QByteArray& bytes)
{
    return QByteArrayView(bytes).isValidUtf8();
}

// A JSON string of UTF-8 bytes: quotes, backslashes and control characters
// escaped, everything else as it is, in runs.
void appendString(std::string& line, QByteArrayView utf8, bool quoted = true)
{
    static constexpr char kHex[] = "0123456789abcdef";
    if (quoted)
        line += '"';
    const char* run = utf8.data();
    const char* const end = run + utf8.size();
    for (const char* c = run; c != end; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte >= 0x20 && *c != '"' && *c != '\\')
            continue;
        line.append(run, c);
        run = c + 1;
        if (byte < 0x20) {
            const char escape[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 15]};
            line.append(escape, sizeof escape);
        } else {
            const char escape[] = {'\\', *c};
            line.append(escape, sizeof escape);
        }
    }
    line.append(run, end);
    if (quoted)
        line += '"';
}

// A path whose bytes are not UTF-8 cannot be a JSON string: it goes as base64.
void appendPath(std::string& line, const QString& path)
{
    if (QtPrivate::isAscii(QStringView(path))) {
        // The bytes are the units: written as they are read.
        line += '"';
        for (const QChar c : path) {
            const char byte = char(c.unicode());
            if (byte >= 0x20 && byte != '"' && byte != '\\')
                line += byte;
            else
                appendString(line, QByteArrayView(&byte, 1), false);
        }
        line += '"';
        return;
    }
    const QByteArray bytes = FileSystem::encodePath(path);
    if (isUtf8(bytes)) {
        appendString(line, bytes);
        return;
    }
    line += "{\"base64\":\"";
    line += bytes.toBase64().toStdString();
    line += "\"}";
}

} // namespace

JournalEntry::Identity JournalEntry::Identity::of(const FileStatus& status)
{
    return {status.device, status.inode, status.size, status.modificationTime};
}

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
    std::string line;
    line.reserve(64 + 3 * std::size_t(from.size() + to.size()) + std::size_t(paths.size()));
    char separator = '{';
    auto key = [&](const char* name) {
        line += separator;
        separator = ',';
        line += '"';
        line += name;
        line += "\":";
    };
    if (!from.isNull()) {
        key("from");
        appendPath(line, from);
    }
    if (identity) {
        key("ident");
        line += '"' + identityText(*identity) + '"';
    }
    for (const KindName& k : kKinds) {
        if (k.kind == kind) {
            key("op");
            line += '"';
            line += k.name;
            line += '"';
        }
    }
    if (!paths.isNull()) {
        key("paths");
        appendString(line, paths.toUtf8());
    }
    if (!shift.isEmpty()) {
        key("shift");
        appendString(line, shift.toUtf8());
    }
    if (!shiftByModel.isEmpty()) {
        key("shiftByModel");
        appendString(line, shiftByModel.toUtf8());
    }
    if (size >= 0) {
        key("size");
        line += std::to_string(size);
    }
    if (time != 0) {
        key("time");
        line += std::to_string(time);
    }
    if (!to.isNull()) {
        key("to");
        appendPath(line, to);
    }
    if (separator == '{')
        line += '{';
    line += "}\n";
    return QByteArray(line.data(), qsizetype(line.size()));
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
    entry.shift = object.value(QStringLiteral("shift")).toString();
    entry.shiftByModel = object.value(QStringLiteral("shiftByModel")).toString();
    if (object.contains(QStringLiteral("ident")))
        entry.identity = identityFrom(object.value(QStringLiteral("ident")).toString());
    return entry;
}

} // namespace lumenscribe
