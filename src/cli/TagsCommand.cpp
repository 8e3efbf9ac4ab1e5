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
    parser.setApplicationDescription(
        QStringLiteral("Prints every tag the metadata reader finds in FILE, sorted by key: one \"KEY<TAB>VALUE\" "
                       "line each, or one JSON object."));
    parser.addHelpOption();
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("One JSON object of key and value."));
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to read."));
    if (const auto done = parseArguments(parser, arguments, out, err))
        return *done;
    if (parser.positionalArguments().size() != 1) {
        err << "lumenscribe tags: give exactly one file (see lumenscribe tags --help)\n";
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    if (const QString problem = FileProblem::forReading(path); !problem.isEmpty()) {
        err << "lumenscribe tags: cannot read '";
        NativeText::write(err, path);
        err << "': " << problem << '\n';
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
