// Opens files in the application the person chose, as a Linux desktop does:
// the choice may be an executable (a path, or a command found on PATH), a
// desktop entry file, or a desktop file id such as "org.gnome.eog.desktop"
// looked up in the XDG application folders. A desktop entry's Exec line is
// read by the freedesktop rules: its quoting, and its field codes, which
// decide whether the files go to one process or to one process each.
#pragma once

#include <QString>
#include <QStringList>

namespace lumenscribe {

class ApplicationLauncher
{
public:
    // One process to start: the program and its arguments.
    struct Command
    {
        QString program;
        QStringList arguments;
    };

    explicit ApplicationLauncher(const QString& application);

    // Whether the choice names something that can be started; when not,
    // error() says why.
    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // The processes that open the files, in order.
    QList<Command> commandsFor(const QStringList& files) const;
    // Starts them, detached; false with error() set when one cannot start
    // (the ones after it are not tried).
    bool open(const QStringList& files);

    // The file a desktop file id names, searched in $XDG_DATA_HOME and
    // $XDG_DATA_DIRS; empty when there is none.
    static QString findDesktopFile(const QString& id);
    // Whether the choice can be kept as the application to open files with.
    static bool isKnown(const QString& application);
    // The words of an Exec value, quoting and escapes resolved; false for
    // an unbalanced quote.
    static bool splitExec(const QString& exec, QStringList* words);

private:
    void readDesktopFile(const QString& path);
    QStringList expandWord(const QString& word, const QStringList& files, bool* perFile) const;

    QString m_application;
    QString m_desktopFile;
    QString m_program;
    QStringList m_execWords; // empty for a plain executable
    QString m_icon;
    QString m_name;
    QString m_error;
};

} // namespace lumenscribe
