// One subcommand of the lumenscribe tool. main() picks the command by its
// first argument and hands it the rest; the command turns the core's answer
// into text and an exit status (0 done, 1 some file failed, 2 usage error).
#pragma once

#include "cli/NativeText.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

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

protected:
    // Parses the arguments, keeping the exact bytes of paths. Answers the
    // exit status when the command is done already: 2 after a one-line
    // usage error, 0 after printing --help.
    std::optional<int> parseArguments(QCommandLineParser& parser, const QStringList& arguments, QTextStream& out,
                                      QTextStream& err) const
    {
        if (!parser.parse(NativeText::arguments(arguments))) {
            err << "lumenscribe " << name() << ": " << parser.errorText() << '\n';
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            out << parser.helpText();
            return 0;
        }
        return std::nullopt;
    }
};

} // namespace lumenscribe
