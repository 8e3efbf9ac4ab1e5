// "lumenscribe styles": lists the file and folder styles, one per line.
#pragma once

#include "cli/Command.h"

namespace lumenscribe {

class FNGenerators;

class StylesCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("styles"); }
    QString summary() const override { return QStringLiteral("List the naming styles."); }
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static void list(FNGenerators& collection, QTextStream& out);
};

} // namespace lumenscribe
