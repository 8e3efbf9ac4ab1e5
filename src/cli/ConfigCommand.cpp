#include "cli/ConfigCommand.h"

#include "cli/SettingsLoader.h"
#include "cli/ShiftText.h"
#include "cli/StyleOptions.h"
#include "controllers/MainController.h"
#include "settings/Settings.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <optional>

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

// A creator code: a number (decimal, or hexadecimal after "0x") up to
// 32 bits, or four characters of one byte each, the first in the top byte.
std::optional<quint32> creatorCode(const QString& text)
{
    bool ok = false;
    const qulonglong number =
        text.startsWith(u"0x", Qt::CaseInsensitive) ? text.mid(2).toULongLong(&ok, 16) : text.toULongLong(&ok, 10);
    if (ok && number <= 0xFFFFFFFFull)
        return static_cast<quint32>(number);
    if (text.size() != 4)
        return std::nullopt;
    quint32 code = 0;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return std::nullopt;
        code = (code << 8) | c.unicode();
    }
    return code;
}

// The application's settings by their table; the windows' own keys by the
// kind they are stored as.
Settings::Kind kindOf(const QString& key, const QVariant& held)
{
    if (const Settings::Entry* entry = Settings::find(key))
        return entry->kind();
    switch (held.typeId()) {
    case QMetaType::QString:
        return Settings::Kind::Text;
    case QMetaType::QStringList:
        return Settings::Kind::TextList;
    default:
        return Settings::Kind::Int;
    }
}

} // namespace

bool ConfigCommand::isSettable(const QString& key)
{
    return key != u"fileNameGenerators" && key != u"folderNameGenerators" && key != u"CFBundleShortVersionString";
}

// The value of "set KEY VALUE" is taken as it is written, so that a shift
// back in time ("-1h") is a value and not a row of short options.
QStringList ConfigCommand::valueAsWord(QStringList arguments)
{
    const qsizetype set = arguments.indexOf(QStringLiteral("set"));
    const qsizetype value = set + 2;
    if (set > 0 && value < arguments.size() && arguments.at(value).startsWith(u'-') &&
        !arguments.contains(QStringLiteral("--")))
        arguments.insert(value, QStringLiteral("--"));
    return arguments;
}

int ConfigCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    //% "Lists every setting with its value.\n"
    //% "lumenscribe config set KEY VALUE sets one (VALUE a number, true/false or text; "
    //% "deleteFilesPatterns takes patterns separated by commas; fileCreatorID four characters such as 8BIM, "
    //% "or a number)."
    parser.setApplicationDescription(qtTrId("CliConfigDescription"));
    parser.addHelpOption();
    //% "Use this settings file."
    QCommandLineOption config(QStringLiteral("config"), qtTrId("CliOptionConfig"), QStringLiteral("FILE"));
    parser.addOption(config);
    if (const auto done = parseArguments(parser, valueAsWord(arguments), out, err))
        return *done;
    const std::unique_ptr<MainController> loaded = SettingsLoader::load(parser.value(config), err);
    MainController& controller = *loaded;
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return list(controller, out);
    if (words.first() == u"set" && words.size() == 3)
        return set(controller, words.at(1), words.at(2), err);
    //% "use 'lumenscribe config' or 'lumenscribe config set KEY VALUE'"
    return usageError(err, qtTrId("CliConfigUsage"));
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
        //% "unknown setting '%1' (see lumenscribe config)"
        return usageError(err, qtTrId("CliConfigUnknownSetting").arg(key));
    // The value is read as the kind the setting holds, so a folder named
    // "2024" stays a text.
    QVariant value;
    switch (kindOf(key, before.value(key))) {
    case Settings::Kind::Unsigned: {
        const std::optional<quint32> code = creatorCode(text);
        if (!code)
            //% "%1 takes four characters or a number from 0 to 4294967295, not '%2'"
            return usageError(err, qtTrId("CliConfigNotACreatorCode").arg(key, text));
        value = *code;
        break;
    }
    case Settings::Kind::TextList:
        value = text.split(u',', Qt::SkipEmptyParts);
        break;
    case Settings::Kind::Text:
        value = text;
        break;
    case Settings::Kind::Int:
    case Settings::Kind::Bool:
        value = StyleOptions::parseValue(text);
        if (value.typeId() == QMetaType::QString)
            //% "%1 takes a number or true/false, not '%2'"
            return usageError(err, qtTrId("CliConfigNotANumber").arg(key, text));
        break;
    }
    const QVariantMap change{{key, value}};
    controller.applySettings(change);
    controller.loadWindowPreferences(change);
    if (!accepted(controller.preferencesDictionary().value(key), value)) {
        if (key == u"timeShift")
            return usageError(err, ShiftText::problem(text));
        if (key == u"timeShiftByModel")
            return usageError(err, ShiftText::tableProblem(value.toStringList()));
        //% "%1 does not accept '%2'"
        return usageError(err, qtTrId("CliConfigNotAccepted").arg(key, text));
    }
    QString error;
    if (!controller.savePreferences(&error)) {
        //% "the settings could not be saved: %1"
        err << "lumenscribe config: " << qtTrId("CliSettingsNotSaved").arg(error) << '\n';
        return 1;
    }
    return 0;
}

} // namespace lumenscribe
