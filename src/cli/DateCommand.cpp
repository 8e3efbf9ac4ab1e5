#include "cli/DateCommand.h"

#include "metadata/CaptureDateFinder.h"
#include "metadata/ExifDate.h"
#include "naming/FileProbe.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace lumenscribe {

namespace {

QString json(const QString& text)
{
    if (text.isNull())
        return QStringLiteral("null");
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

int DateCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints each file's capture date as the rename run finds it: from the \"thm\" or \"THM\" "
        "companion, the file itself, or else the file's creation date."));
    parser.addHelpOption();
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("One JSON object per file."));
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Files to read."),
                                 QStringLiteral("FILE..."));
    if (!parser.parse(arguments)) {
        err << "lumenscribe date: " << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        err << "lumenscribe date: no file given (see lumenscribe date --help)\n";
        return 2;
    }
    int status = 0;
    for (const QString& path : files) {
        CaptureDateFinder::Result result;
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable()) {
            err << "lumenscribe date: cannot read '" << path << "'\n";
        } else {
            result = CaptureDateFinder::find(path);
            if (!result.date) {
                result.date = FileProbe::creationDate(path);
                result.source = result.date ? QStringLiteral("creation-date") : QString();
            }
        }
        if (!result.date)
            status = 1;
        const QString date = result.date ? ExifDate::localText(*result.date) : QString();
        if (parser.isSet(jsonOption)) {
            out << "{\"path\":" << json(path) << ",\"date\":" << json(date)
                << ",\"source\":" << json(result.source.isEmpty() ? QString() : result.source)
                << ",\"key\":" << json(result.key.isEmpty() ? QString() : result.key) << "}\n";
        } else {
            out << path << '\t' << (date.isNull() ? QStringLiteral("-") : date) << '\t'
                << (result.source.isEmpty() ? QStringLiteral("-") : result.source) << '\n';
        }
    }
    return status;
}

} // namespace lumenscribe
