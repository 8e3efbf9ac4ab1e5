// One subcommand of the lumenscribe tool. main() picks the command by its
// first argument and hands it the rest; the command turns the core's answer
// into text and an exit status (0 done, 1 some file failed, 2 usage error).
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace lumenscribe {

class Command
{
public:
    virtual ~Command() = default;

    // The word that selects the command ("name", "date").
    virtual QString name() const = 0;
    // One line for the tool's --help.
    virtual QString summary() const = 0;
    // arguments[0] is "lumenscribe <name>", as QCommandLineParser expects.
    virtual int run(const QStringList& arguments, QTextStream& out, QTextStream& err) = 0;
};

} // namespace lumenscribe
