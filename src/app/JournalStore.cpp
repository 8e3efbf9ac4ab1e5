#include "app/JournalStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace lumenscribe {

namespace {

const QString kSuffix = QStringLiteral(".journal");

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

JournalStore::JournalStore(QString folder) : m_folder(std::move(folder)) {}

QString JournalStore::newJournalPath() const
{
    QDir().mkpath(m_folder);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (;;) {
        const QString id = stamp + QStringLiteral("-%1").arg(QRandomGenerator::global()->bounded(0x10000), 4, 16,
                                                            QLatin1Char('0'));
        const QString path = m_folder + u'/' + id + kSuffix;
        if (!QFileInfo::exists(path))
            return path;
    }
}

QStringList JournalStore::journalNames() const
{
    QStringList names = QDir(m_folder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
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
    if (QFileInfo(id).isFile())
        return id;
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
        case JournalEntry::Kind::Trash: ++summary.files; break;
        case JournalEntry::Kind::End: summary.finished = true; break;
        case JournalEntry::Kind::Undone: summary.undone = true; break;
        default: break;
        }
    }
    return summary;
}

} // namespace lumenscribe
