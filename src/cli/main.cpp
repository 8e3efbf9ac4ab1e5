// lumenscribe: names photos and movies after the moment they were taken.
// main() only dispatches: the work is in the core, the wording in the commands.
#include "cli/CommandRegistry.h"
#include "cli/NativeText.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

using namespace lumenscribe;

namespace {

void printHelp(const CommandRegistry& registry, QTextStream& out)
{
    //% "Usage: lumenscribe [OPTIONS] PATH...\n"
    //% "       lumenscribe COMMAND [OPTIONS]\n\n"
    //% "Gives photos and movies names made from the moment they were taken.\n"
    //% "With paths, renames them with the stored settings (see lumenscribe rename --help).\n\n"
    //% "Commands:\n"
    out << qtTrId("CliHelpIntro");
    for (const auto& command : registry.commands())
        out << "  " << command->name().leftJustified(10) << command->summary() << '\n';
    //% "\nOptions:\n  -h, --help     Show this help.\n  -v, --version  Show the version.\n"
    //% "\nRun 'lumenscribe COMMAND --help' for the options of one command.\n"
    out << qtTrId("CliHelpOptions");
}

} // namespace

int main(int argc, char* argv[])
{
    // With TZ unset the C library looks at /etc/localtime again on every
    // date conversion; naming the same zone once spares that per file.
    if (std::getenv("TZ") == nullptr)
        ::setenv("TZ", ":/etc/localtime", 0);
    NativeText::remember(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumenscribe"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMENSCRIBE_VERSION));
    // Before any command is made: their options carry their help texts.
    Translations::installForUser();

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    const CommandRegistry registry;

    const QString first = args.value(1);
    if (first.isEmpty() || first == u"-h" || first == u"--help" || first == u"help") {
        printHelp(registry, out);
        return first.isEmpty() ? 2 : 0;
    }
    if (first == u"-v" || first == u"--version") {
        out << "lumenscribe " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    if (Command* command = registry.find(first)) {
        QStringList rest = args.mid(2);
        rest.prepend(QStringLiteral("lumenscribe ") + first);
        return command->run(rest, out, err);
    }
    // Anything else is the rename run: "lumenscribe [OPTIONS] PATH...".
    QStringList rest = args.mid(1);
    rest.prepend(QStringLiteral("lumenscribe"));
    return registry.find(QStringLiteral("rename"))->run(rest, out, err);
}
