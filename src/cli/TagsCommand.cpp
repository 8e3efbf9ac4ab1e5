#include "cli/TagsCommand.h"

#include "cli/FileProblem.h"
#include "cli/NativeText.h"
#include "metadata/ExifAccess.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumenscribe {

int TagsCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    //% "Prints every tag the metadata reader finds in FILE, sorted by key: one \"KEY<TAB>VALUE\" line each, "
    //% "or one JSON object."
    parser.setApplicationDescription(qtTrId("CliTagsDescription"));
    parser.addHelpOption();
    //% "One JSON object of key and value."
    const QCommandLineOption jsonOption(QStringLiteral("json"), qtTrId("CliTagsOptionJson"));
    parser.addOption(jsonOption);
    //% "The file to read."
    parser.addPositionalArgument(QStringLiteral("FILE"), qtTrId("CliTagsArgumentFile"));
    if (const auto done = parseArguments(parser, arguments, out, err))
        return *done;
    if (parser.positionalArguments().size() != 1) {
        //% "give exactly one file (see lumenscribe tags --help)"
        err << "lumenscribe tags: " << qtTrId("CliTagsOneFile") << '\n';
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    if (const QString problem = FileProblem::forReading(path); !problem.isEmpty()) {
        err << "lumenscribe tags: ";
        //% "cannot read '%1': %2"
        NativeText::writeWithPath(err, qtTrId("CliCannotReadBecause"), path, problem);
        err << '\n';
        return 1;
    }
    ExifAccess reader;
    reader.readExifInformationFromFile(path);
    const auto& entries = reader.exifDict().entries();
    if (parser.isSet(jsonOption)) {
        QJsonObject object; // keeps its keys sorted, as the dictionary does
        for (const auto& [key, value] : entries)
            object.insert(key, value->stringValue());
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    } else {
        for (const auto& [key, value] : entries)
            out << key << '\t' << value->stringValue() << '\n';
    }
    return 0;
}

} // namespace lumenscribe
