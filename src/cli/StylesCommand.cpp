#include "cli/StylesCommand.h"

#include "cli/SettingsLoader.h"
#include "cli/StyleOptions.h"
#include "controllers/MainController.h"

#include <algorithm>

namespace lumenscribe {

namespace {

int usageError(QTextStream& err, const QString& message)
{
    err << "lumenscribe styles: " << message << '\n';
    return 2;
}

// The custom style numbered by text, or null with *error set.
NameGenerator* customStyle(FNGenerators& collection, const QString& text, QString* error)
{
    bool ok = false;
    NameGenerator* style = collection.generatorAtIndex(text.toInt(&ok));
    if (!ok || style == nullptr)
        //% "no style number '%1'"
        *error = qtTrId("CliStylesNoStyle").arg(text);
    else if (style->isReadOnly())
        //% "style %1 is built in and cannot be changed; 'styles add --from %1' makes a copy to change"
        *error = qtTrId("CliStylesBuiltIn").arg(text);
    return style && !style->isReadOnly() ? style : nullptr;
}

} // namespace

int StylesCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    //% "Lists every file and folder style: number, kind, built-in or custom, the name it gives DSC_1234.jpg, "
    //% "and its format; with --folder the folder styles only.\n"
    //% "  styles add [--folder] (--format FMT | --from N) [--set KEY=VALUE]...\n"
    //% "  styles set [--folder] N KEY=VALUE...\n"
    //% "  styles delete [--folder] N"
    parser.setApplicationDescription(qtTrId("CliStylesDescription"));
    parser.addHelpOption();
    //% "Work on the folder styles."
    const QCommandLineOption folder(QStringLiteral("folder"), qtTrId("CliStylesOptionFolder"));
    //% "Start from style N."
    const QCommandLineOption from(QStringLiteral("from"), qtTrId("CliStylesOptionFrom"), QStringLiteral("N"));
    //% "Use this settings file."
    const QCommandLineOption config(QStringLiteral("config"), qtTrId("CliOptionConfig"), QStringLiteral("FILE"));
    StyleOptions styleOptions;
    styleOptions.addTo(parser);
    parser.addOptions({folder, from, config});
    if (const auto done = parseArguments(parser, arguments, out, err))
        return *done;
    const std::unique_ptr<MainController> loaded = SettingsLoader::load(parser.value(config), err);
    MainController& controller = *loaded;
    const QStringList words = parser.positionalArguments();
    const QString verb = words.value(0);
    if (verb.isEmpty()) {
        if (!parser.isSet(folder))
            list(controller.fileNameGenerators(), out);
        list(controller.folderNameGenerators(), out);
        return 0;
    }
    if (verb == u"add")
        return add(parser, controller, out, err);
    if (verb == u"set")
        return set(words, controller, parser.isSet(folder), err);
    if (verb == u"delete")
        return remove(words, controller, parser.isSet(folder), err);
    //% "unknown action '%1' (add, set or delete)"
    return usageError(err, qtTrId("CliStylesUnknownAction").arg(verb));
}

void StylesCommand::list(FNGenerators& collection, QTextStream& out)
{
    //% "folder"
    const QString folderKind = qtTrId("CliStylesKindFolder");
    //% "file"
    const QString fileKind = qtTrId("CliStylesKindFile");
    const QString& kind = collection.areFolderNG() ? folderKind : fileKind;
    //% "built-in"
    const QString builtIn = qtTrId("CliStylesBuiltInStyle");
    //% "custom"
    const QString custom = qtTrId("CliStylesCustomStyle");
    // The columns fit the longest words of the language shown; both tables
    // of a listing line up.
    const qsizetype kindWidth = std::max(folderKind.size(), fileKind.size()) + 1;
    const qsizetype originWidth = std::max(builtIn.size(), custom.size()) + 2;
    for (int i = 0; i < collection.count(); ++i) {
        NameGenerator* style = collection.generatorAtIndex(i);
        const QString origin = style->isReadOnly() ? builtIn : custom;
        out << QString::number(i).rightJustified(3) << "  " << kind.leftJustified(kindWidth)
            << origin.leftJustified(originWidth) << style->popUpStringForDate(std::nullopt).leftJustified(28) << ' '
            << style->formatString() << '\n';
    }
}

int StylesCommand::add(const QCommandLineParser& parser, MainController& controller, QTextStream& out, QTextStream& err)
{
    const bool folder = parser.isSet(QStringLiteral("folder"));
    FNGenerators& collection = folder ? controller.folderNameGenerators() : controller.fileNameGenerators();
    const bool hasFormat = parser.isSet(QStringLiteral("format"));
    const bool hasFrom = parser.isSet(QStringLiteral("from"));
    if (hasFormat == hasFrom || parser.isSet(QStringLiteral("style")))
        //% "add takes either --format FMT or --from N"
        return usageError(err, qtTrId("CliStylesAddUsage"));
    NameGenerator style(folder);
    if (hasFrom) {
        bool ok = false;
        const NameGenerator* source = collection.generatorAtIndex(parser.value(QStringLiteral("from")).toInt(&ok));
        if (!ok || !source)
            //% "no style number '%1'"
            return usageError(err, qtTrId("CliStylesNoStyle").arg(parser.value(QStringLiteral("from"))));
        style.takeSettingsFromGenerator(*source);
    } else {
        style.setFormatString(parser.value(QStringLiteral("format")));
    }
    QString error;
    if (!StyleOptions::applySettings(style, parser.values(QStringLiteral("set")), &error))
        return usageError(err, error);
    // Selected styles keep their place: adding does not change the selection.
    const int selected = collection.indexOfCurrentGenerator();
    collection.addGenerator()->takeSettingsFromGenerator(style);
    const int index = collection.count() - 1;
    collection.selectGeneratorAtIndex(selected);
    //% "added folder style %1: %2"
    const QString addedFolder = qtTrId("CliStylesAddedFolder");
    //% "added file style %1: %2"
    out << (folder ? addedFolder : qtTrId("CliStylesAddedFile"))
               .arg(QString::number(index), style.popUpStringForDate(std::nullopt))
        << '\n';
    return save(controller, err);
}

int StylesCommand::set(const QStringList& words, MainController& controller, bool folder, QTextStream& err)
{
    if (words.size() < 3)
        //% "use: styles set N KEY=VALUE..."
        return usageError(err, qtTrId("CliStylesSetUsage"));
    FNGenerators& collection = folder ? controller.folderNameGenerators() : controller.fileNameGenerators();
    QString error;
    NameGenerator* style = customStyle(collection, words.at(1), &error);
    if (!style || !StyleOptions::applySettings(*style, words.mid(2), &error))
        return usageError(err, error);
    return save(controller, err);
}

int StylesCommand::remove(const QStringList& words, MainController& controller, bool folder, QTextStream& err)
{
    if (words.size() != 2)
        //% "use: styles delete N"
        return usageError(err, qtTrId("CliStylesDeleteUsage"));
    FNGenerators& collection = folder ? controller.folderNameGenerators() : controller.fileNameGenerators();
    QString error;
    if (!customStyle(collection, words.at(1), &error))
        return usageError(err, error);
    const int index = words.at(1).toInt();
    const int selected = folder ? controller.downloadNamingStyle() : controller.namingStyle();
    collection.selectGeneratorAtIndex(index);
    collection.deleteCurrentGenerator();
    // The stored selection is an index: it follows the styles that moved up,
    // and falls back to the first style when its own style went.
    const int now = selected == index ? 0 : (selected > index ? selected - 1 : selected);
    if (folder)
        controller.setDownloadNamingStyle(now);
    else
        controller.setNamingStyle(now);
    return save(controller, err);
}

int StylesCommand::save(MainController& controller, QTextStream& err)
{
    QString error;
    if (controller.savePreferences(&error))
        return 0;
    //% "the settings could not be saved: %1"
    err << "lumenscribe styles: " << qtTrId("CliSettingsNotSaved").arg(error) << '\n';
    return 1;
}

} // namespace lumenscribe
