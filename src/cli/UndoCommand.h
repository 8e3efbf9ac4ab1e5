// "lumenscribe undo": takes back the last run, or the one named, from its
// journal; "undo --list" lists the runs kept.
#pragma once

#include "cli/Command.h"

namespace lumenscribe {

class UndoCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("undo"); }
    QString summary() const override
    {
        //% "Take back the last run (or a named one)."
        return qtTrId("CliHelpUndo");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static int list(QTextStream& out);
};

} // namespace lumenscribe
