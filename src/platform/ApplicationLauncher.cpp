#include "platform/ApplicationLauncher.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>

namespace lumenscribe {

namespace {

const QString kDesktopSuffix = QStringLiteral(".desktop");

QStringList applicationFolders()
{
    QStringList folders;
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    folders.append(home);
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    folders.append(dirs.split(u':', Qt::SkipEmptyParts));
    for (QString& folder : folders)
        folder = QDir::cleanPath(folder + QStringLiteral("/applications"));
    return folders;
}

// The string escapes every value of a desktop entry may hold; the ones
// that belong to the Exec quoting ("\\\"" and the like) are kept for it.
QString unescapeValue(const QString& value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            result.append(c);
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            result.append(u' ');
            break;
        case 'n':
            result.append(u'\n');
            break;
        case 't':
            result.append(u'\t');
            break;
        case 'r':
            result.append(u'\r');
            break;
        case '\\':
            result.append(u'\\');
            break;
        default:
            result.append(c).append(next);
            break;
        }
    }
    return result;
}

// The keys of the [Desktop Entry] group, without their translations.
QHash<QString, QString> readEntry(const QString& path, bool* ok)
{
    QHash<QString, QString> keys;
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    if (!*ok)
        return keys;
    bool inEntry = false;
    const QStringList lines = QString::fromUtf8(file.read(1 << 20)).split(u'\n');
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inEntry || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!keys.contains(key))
            keys.insert(key, unescapeValue(line.mid(equals + 1).trimmed()));
    }
    return keys;
}

} // namespace

ApplicationLauncher::ApplicationLauncher(const QString& application) : m_application(application)
{
    if (application.isEmpty()) {
        m_error = QStringLiteral("no application chosen");
        return;
    }
    const bool isPath = application.contains(u'/');
    if (application.endsWith(kDesktopSuffix)) {
        const QString path = isPath ? application : findDesktopFile(application);
        if (path.isEmpty() || !QFileInfo(path).isFile())
            m_error = QStringLiteral("no desktop entry %1").arg(application);
        else
            readDesktopFile(path);
        return;
    }
    if (isPath) {
        const QFileInfo info(application);
        if (!info.exists())
            m_error = QStringLiteral("%1 does not exist").arg(application);
        else if (!info.isFile() || !info.isExecutable())
            m_error = QStringLiteral("%1 is not a program").arg(application);
        else
            m_program = info.absoluteFilePath();
        return;
    }
    m_program = QStandardPaths::findExecutable(application);
    if (!m_program.isEmpty())
        return;
    // A desktop file id given without its ending.
    if (const QString path = findDesktopFile(application + kDesktopSuffix); !path.isEmpty())
        readDesktopFile(path);
    else
        m_error = QStringLiteral("no program or desktop entry %1").arg(application);
}

QString ApplicationLauncher::findDesktopFile(const QString& id)
{
    if (id.isEmpty() || id.contains(u'/'))
        return QString();
    for (const QString& folder : applicationFolders()) {
        if (const QString direct = folder + u'/' + id; QFileInfo(direct).isFile())
            return direct;
        // "kde-okular.desktop" may be kde/okular.desktop: sub-folders join
        // the id with "-".
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QString relative = QDir(folder).relativeFilePath(path);
            if (relative.replace(u'/', u'-') == id)
                return path;
        }
    }
    return QString();
}

bool ApplicationLauncher::isKnown(const QString& application)
{
    return ApplicationLauncher(application).isValid();
}

void ApplicationLauncher::readDesktopFile(const QString& path)
{
    bool ok = false;
    const QHash<QString, QString> keys = readEntry(path, &ok);
    m_desktopFile = path;
    m_icon = keys.value(QStringLiteral("Icon"));
    m_name = keys.value(QStringLiteral("Name"));
    const QString exec = keys.value(QStringLiteral("Exec"));
    const QString tryExec = keys.value(QStringLiteral("TryExec"));
    if (!ok)
        m_error = QStringLiteral("%1 cannot be read").arg(path);
    else if (keys.value(QStringLiteral("Type")) != u"Application")
        m_error = QStringLiteral("%1 is not an application").arg(path);
    else if (keys.value(QStringLiteral("Hidden")) == u"true")
        m_error = QStringLiteral("%1 is hidden (uninstalled)").arg(path);
    else if (exec.isEmpty())
        m_error = QStringLiteral("%1 has no Exec line").arg(path);
    else if (!tryExec.isEmpty() && QStandardPaths::findExecutable(tryExec).isEmpty() &&
             !QFileInfo(tryExec).isExecutable())
        m_error = QStringLiteral("%1 is not installed").arg(tryExec);
    else if (!splitExec(exec, &m_execWords) || m_execWords.isEmpty())
        m_error = QStringLiteral("the Exec line of %1 cannot be read").arg(path);
    if (!m_error.isEmpty())
        return;
    const QString program = m_execWords.first();
    m_program = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (m_program.isEmpty() || !QFileInfo(m_program).isExecutable())
        m_error = QStringLiteral("the program %1 of %2 cannot be found").arg(program, path);
}

bool ApplicationLauncher::splitExec(const QString& exec, QStringList* words)
{
    words->clear();
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size() && QStringView(u"\"`$\\").contains(exec.at(i + 1))) {
                word.append(exec.at(++i));
            } else {
                word.append(c);
            }
        } else if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWord)
                words->append(word);
            word.clear();
            inWord = false;
        } else if (c == u'"') {
            quoted = true;
            inWord = true;
        } else {
            word.append(c);
            inWord = true;
        }
    }
    if (quoted)
        return false;
    if (inWord)
        words->append(word);
    return true;
}

// One word of the Exec line for the files one process gets. A word that
// is only a list code becomes the list; a single-file code in a word
// makes the launcher start one process per file.
QStringList ApplicationLauncher::expandWord(const QString& word, const QStringList& files, bool* perFile) const
{
    if (word == u"%F" || word == u"%U")
        return files;
    if (word == u"%i")
        return m_icon.isEmpty() ? QStringList() : QStringList{QStringLiteral("--icon"), m_icon};
    QString result;
    bool hadCode = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c != u'%' || i + 1 == word.size()) {
            result.append(c);
            continue;
        }
        const QChar code = word.at(++i);
        hadCode = true;
        if (code == u'%') {
            result.append(u'%');
        } else if (QStringView(u"fFuU").contains(code)) {
            *perFile = true;
            if (!files.isEmpty())
                result.append(files.first());
        } else if (code == u'c') {
            result.append(m_name);
        } else if (code == u'k') {
            result.append(m_desktopFile);
        }
        // The deprecated codes (%d %D %n %N %v %m) and unknown ones vanish.
    }
    if (hadCode && result.isEmpty())
        return {};
    return {result};
}

QList<ApplicationLauncher::Command> ApplicationLauncher::commandsFor(const QStringList& files) const
{
    QList<Command> commands;
    if (!isValid())
        return commands;
    if (m_execWords.isEmpty()) {
        for (const QString& file : files)
            commands.append(Command{m_program, {file}});
        return commands;
    }
    // First as one process with every file; a single-file code turns it
    // into one process per file.
    bool perFile = false;
    Command all{m_program, {}};
    for (qsizetype i = 1; i < m_execWords.size(); ++i)
        all.arguments.append(expandWord(m_execWords.at(i), files, &perFile));
    if (!perFile || files.size() <= 1)
        return {std::move(all)};
    for (const QString& file : files) {
        Command one{m_program, {}};
        for (qsizetype i = 1; i < m_execWords.size(); ++i)
            one.arguments.append(expandWord(m_execWords.at(i), {file}, &perFile));
        commands.append(std::move(one));
    }
    return commands;
}

bool ApplicationLauncher::open(const QStringList& files)
{
    if (!isValid())
        return false;
    for (const Command& command : commandsFor(files)) {
        if (!QProcess::startDetached(command.program, command.arguments)) {
            m_error = QStringLiteral("%1 could not be started").arg(command.program);
            return false;
        }
    }
    return true;
}

} // namespace lumenscribe
