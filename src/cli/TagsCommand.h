// lumenscribe tags: every entry the metadata reader finds in one file.
#pragma once

#include "cli/Command.h"

namespace lumenscribe {

class TagsCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("tags"); }
    QString summary() const override
    {
        //% "Show the metadata tags of a file."
        return qtTrId("CliHelpTags");
    }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;
};

} // namespace lumenscribe
