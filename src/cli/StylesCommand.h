// "lumenscribe styles": lists the file and folder styles, one per line;
// "styles add", "styles set" and "styles delete" manage the custom ones.
#pragma once

#include "cli/Command.h"

#include <QCommandLineParser>

namespace lumenscribe {

class FNGenerators;
class MainController;

class StylesCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("styles"); }
    QString summary() const override
    {
        //% "List and manage the naming styles."
        return qtTrId("CliHelpStyles");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static void list(FNGenerators& collection, QTextStream& out);
    int add(const QCommandLineParser& parser, MainController& controller, QTextStream& out, QTextStream& err);
    int set(const QStringList& words, MainController& controller, bool folder, QTextStream& err);
    int remove(const QStringList& words, MainController& controller, bool folder, QTextStream& err);
    static int save(MainController& controller, QTextStream& err);
};

} // namespace lumenscribe
