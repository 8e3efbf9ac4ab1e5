// lumenscribe date: the capture date of each file as the rename run finds it,
// and where it came from.
#pragma once

#include "cli/Command.h"

namespace lumenscribe {

class DateCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("date"); }
    QString summary() const override
    {
        //% "Show the capture date of files."
        return qtTrId("CliHelpDate");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;
};

} // namespace lumenscribe
