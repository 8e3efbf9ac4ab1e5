// "lumenscribe config": lists the settings, and "config set KEY VALUE"
// changes one through its guarded setter and saves.
#pragma once

#include "cli/Command.h"

namespace lumenscribe {

class MainController;

class ConfigCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("config"); }
    QString summary() const override
    {
        //% "List the settings, or set one."
        return qtTrId("CliHelpConfig");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

    // The keys "config set" takes: every stored setting but the styles and
    // the version stamp, which have their own commands or none.
    static bool isSettable(const QString& key);

private:
    static QStringList valueAsWord(QStringList arguments);
    static int list(MainController& controller, QTextStream& out);
    static int set(MainController& controller, const QString& key, const QString& value, QTextStream& err);
};

} // namespace lumenscribe
