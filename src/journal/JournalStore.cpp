#include "journal/JournalStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace lumenscribe {

namespace {

const QString kSuffix = QStringLiteral(".journal");

qint64 startOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const auto first = JournalEntry::fromLine(file.readLine());
    return first && first->kind == JournalEntry::Kind::Begin ? first->time : 0;
}

QString commonFolder(const QString& paths)
{
    const QString first = paths.section(u'\n', 0, 0);
    return QFileInfo(first).isDir() ? first : QFileInfo(first).path();
}

} // namespace

QString JournalStore::defaultFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("LUMENSCRIBE_STATE_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/lumenscribe/journal");
}

JournalStore::JournalStore(QString folder) : m_folder(std::move(folder))
{
}

// "20261206T140233Z-000042": the start in UTC for the reader, then a
// sequence number one past the highest in the folder, which orders the runs
// whatever the clock or the zone did in between.
QString JournalStore::newJournalPath(int attempt) const
{
    QDir().mkpath(m_folder);
    qint64 sequence = 0;
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files))
        sequence = std::max(sequence, sequenceOf(name));
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    return m_folder + u'/' + stamp + QStringLiteral("-%1").arg(sequence + 1 + attempt, 6, 10, QLatin1Char('0')) +
           kSuffix;
}

qint64 JournalStore::sequenceOf(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{8}T\\d{6}Z-(\\d{1,18})\\.journal$"));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

// Oldest first. Journals named by sequence come after those of older
// versions, which were named by local time and a random number and are
// ordered by the start their first line records.
QStringList JournalStore::journalNames() const
{
    struct Named
    {
        qint64 sequence;
        qint64 start;
        QString name;
    };
    QList<Named> named;
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files)) {
        const qint64 sequence = sequenceOf(name);
        named.append({sequence, sequence > 0 ? 0 : startOf(m_folder + u'/' + name), name});
    }
    std::sort(named.begin(), named.end(), [](const Named& a, const Named& b) {
        return std::tie(a.sequence, a.start, a.name) < std::tie(b.sequence, b.start, b.name);
    });
    QStringList names;
    for (const Named& n : std::as_const(named))
        names.append(n.name);
    return names;
}

QList<JournalStore::RunSummary> JournalStore::runs() const
{
    QList<RunSummary> list;
    const QStringList names = journalNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        list.append(summarize(m_folder + u'/' + *it));
    return list;
}

QString JournalStore::pathForId(const QString& id) const
{
    if (id.isEmpty()) {
        const QStringList names = journalNames();
        return names.isEmpty() ? QString() : m_folder + u'/' + names.last();
    }
    // A path names a journal file explicitly; a bare id is looked up in the
    // journal folder only, never in the folder the command runs in.
    if (id.contains(u'/'))
        return QFileInfo(id).isFile() ? id : QString();
    if (id == QStringLiteral("..") || id == QStringLiteral("."))
        return QString();
    const QString path = m_folder + u'/' + id + (id.endsWith(kSuffix) ? QString() : kSuffix);
    return QFileInfo(path).isFile() ? path : QString();
}

void JournalStore::prune() const
{
    const QStringList names = journalNames();
    for (qsizetype i = 0; i + kRunsKept < names.size(); ++i)
        QFile::remove(m_folder + u'/' + names.at(i));
}

QList<JournalEntry> JournalStore::read(const QString& path)
{
    QList<JournalEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        if (const auto entry = JournalEntry::fromLine(file.readLine()))
            entries.append(*entry);
    }
    return entries;
}

JournalStore::RunSummary JournalStore::summarize(const QString& path)
{
    RunSummary summary;
    summary.path = path;
    summary.id = QFileInfo(path).completeBaseName();
    for (const JournalEntry& entry : read(path)) {
        switch (entry.kind) {
        case JournalEntry::Kind::Begin:
            summary.time = entry.time;
            summary.folder = commonFolder(entry.paths);
            break;
        case JournalEntry::Kind::Move:
        case JournalEntry::Kind::Copy:
        case JournalEntry::Kind::Trash:
            ++summary.files;
            break;
        case JournalEntry::Kind::End:
            summary.finished = true;
            break;
        case JournalEntry::Kind::Undone:
            summary.undone = true;
            break;
        case JournalEntry::Kind::Restored:
        case JournalEntry::Kind::Uncopied:
            ++summary.restored;
            break;
        default:
            break;
        }
    }
    return summary;
}

} // namespace lumenscribe
