#include "cli/StylesCommand.h"

#include "cli/StyleCatalog.h"

#include <QCommandLineParser>

namespace lumenscribe {

int StylesCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists every file and folder style: number, kind, built-in or custom, "
                       "the name it gives DSC_1234.jpg, and its format."));
    parser.addHelpOption();
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        err << "lumenscribe styles: "
            << (parser.errorText().isEmpty() ? QStringLiteral("takes no arguments") : parser.errorText())
            << '\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    QString warning;
    StyleCatalog catalog(PreferencesStore{}, &warning);
    if (!warning.isEmpty())
        err << "lumenscribe: " << warning << '\n';
    list(catalog.files(), out);
    list(catalog.folders(), out);
    return 0;
}

void StylesCommand::list(FNGenerators& collection, QTextStream& out)
{
    const QString kind = collection.areFolderNG() ? QStringLiteral("folder") : QStringLiteral("file");
    for (int i = 0; i < collection.count(); ++i) {
        NameGenerator* style = collection.generatorAtIndex(i);
        const QString origin = style->isReadOnly() ? QStringLiteral("built-in") : QStringLiteral("custom");
        out << QString::number(i).rightJustified(3) << "  " << kind.leftJustified(7) << origin.leftJustified(10)
            << style->popUpStringForDate(std::nullopt).leftJustified(28) << ' ' << style->formatString()
            << '\n';
    }
}

} // namespace lumenscribe
