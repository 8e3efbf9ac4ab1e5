#include "cli/ConfigCommand.h"

#include "app/MainController.h"
#include "cli/SettingsLoader.h"
#include "cli/StyleOptions.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace lumenscribe {

namespace {

int usageError(QTextStream& err, const QString& message)
{
    err << "lumenscribe config: " << message << '\n';
    return 2;
}

QString shown(const QVariant& value)
{
    const QJsonValue json = QJsonValue::fromVariant(value);
    if (json.isString())
        return json.toString();
    if (json.isArray())
        return QString::fromUtf8(QJsonDocument(json.toArray()).toJson(QJsonDocument::Compact));
    return value.toString();
}

bool accepted(const QVariant& stored, const QVariant& wanted)
{
    if (wanted.typeId() == QMetaType::QStringList)
        return stored.toStringList() == wanted.toStringList();
    if (wanted.typeId() == QMetaType::QString)
        return stored.typeId() == QMetaType::QString && stored.toString() == wanted.toString();
    return stored.typeId() != QMetaType::QString && stored.toLongLong() == wanted.toLongLong();
}

} // namespace

bool ConfigCommand::isSettable(const QString& key)
{
    return key != u"fileNameGenerators" && key != u"folderNameGenerators" &&
           key != u"CFBundleShortVersionString";
}

int ConfigCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists every setting with its value.\n"
        "lumenscribe config set KEY VALUE sets one (VALUE a number, true/false or text; "
        "deleteFilesPatterns takes patterns separated by commas)."));
    parser.addHelpOption();
    QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Use this settings file."),
                              QStringLiteral("FILE"));
    parser.addOption(config);
    if (const auto done = parseArguments(parser, arguments, out, err))
        return *done;
    const std::unique_ptr<MainController> loaded = SettingsLoader::load(parser.value(config), err);
    MainController& controller = *loaded;
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return list(controller, out);
    if (words.first() == u"set" && words.size() == 3)
        return set(controller, words.at(1), words.at(2), err);
    return usageError(err, QStringLiteral("use 'lumenscribe config' or 'lumenscribe config set KEY VALUE'"));
}

int ConfigCommand::list(MainController& controller, QTextStream& out)
{
    const QVariantMap settings = controller.preferencesDictionary();
    for (auto it = settings.constBegin(); it != settings.constEnd(); ++it) {
        if (isSettable(it.key()))
            out << it.key() << " = " << shown(it.value()) << '\n';
    }
    return 0;
}

int ConfigCommand::set(MainController& controller, const QString& key, const QString& text, QTextStream& err)
{
    const QVariantMap before = controller.preferencesDictionary();
    if (!before.contains(key) || !isSettable(key))
        return usageError(err, QStringLiteral("unknown setting '%1' (see lumenscribe config)").arg(key));
    // The value is read as the kind the setting holds, so a folder named
    // "2024" stays a text.
    const int kind = before.value(key).typeId();
    QVariant value;
    if (kind == QMetaType::QStringList)
        value = text.split(u',', Qt::SkipEmptyParts);
    else if (kind == QMetaType::QString)
        value = text;
    else
        value = StyleOptions::parseValue(text);
    if (kind != QMetaType::QString && kind != QMetaType::QStringList && value.typeId() == QMetaType::QString)
        return usageError(err, QStringLiteral("%1 takes a number or true/false, not '%2'").arg(key, text));
    const QVariantMap change{{key, value}};
    controller.applySettings(change);
    controller.loadWindowPreferences(change);
    if (!accepted(controller.preferencesDictionary().value(key), value))
        return usageError(err, QStringLiteral("%1 does not accept '%2'").arg(key, text));
    QString error;
    if (!controller.savePreferences(&error)) {
        err << "lumenscribe config: the settings could not be saved: " << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace lumenscribe
