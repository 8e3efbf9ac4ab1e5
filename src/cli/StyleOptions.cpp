#include "cli/StyleOptions.h"

namespace lumenscribe {

namespace {

bool sameSetting(const QVariant& stored, const QVariant& wanted)
{
    if (wanted.typeId() == QMetaType::QString)
        return stored.typeId() == QMetaType::QString && stored.toString() == wanted.toString();
    if (stored.typeId() == QMetaType::QString)
        return false;
    return stored.toInt() == wanted.toInt();
}

} // namespace

void StyleOptions::addTo(QCommandLineParser& parser)
{
    parser.addOption(m_style);
    parser.addOption(m_format);
    parser.addOption(m_set);
}

QVariant StyleOptions::parseValue(const QString& text)
{
    if (text == u"true")
        return true;
    if (text == u"false")
        return false;
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? QVariant(number) : QVariant(text);
}

bool StyleOptions::applySettings(NameGenerator& style, const QStringList& settings, QString* error)
{
    // Merged into the whole dictionary so that one slot key alone can be
    // changed: a slot is only ever taken with all four of its numbers.
    QVariantMap dictionary = style.userDefaultsDictionary();
    for (const QString& setting : settings) {
        const qsizetype equals = setting.indexOf(u'=');
        const QString key = setting.left(equals);
        if (equals <= 0 || !dictionary.contains(key)) {
            //% "unknown style setting '%1'"
            *error = qtTrId("CliStyleUnknownSetting").arg(setting.left(equals < 0 ? setting.size() : equals));
            return false;
        }
        const QVariant value = parseValue(setting.mid(equals + 1));
        dictionary.insert(key, value);
        style.initFromUserDefaultsDictionary(dictionary);
        if (!sameSetting(style.userDefaultsDictionary().value(key), value)) {
            //% "style setting %1 does not accept '%2'"
            *error = qtTrId("CliStyleSettingNotAccepted").arg(key, setting.mid(equals + 1));
            return false;
        }
    }
    return true;
}

std::unique_ptr<NameGenerator> StyleOptions::build(const QCommandLineParser& parser, FNGenerators& collection,
                                                   QString* error) const
{
    const bool folder = collection.areFolderNG();
    auto style = std::make_unique<NameGenerator>(folder);
    if (parser.isSet(m_style) && parser.isSet(m_format)) {
        //% "--style and --format cannot be used together"
        *error = qtTrId("CliStyleStyleAndFormat");
        return nullptr;
    }
    if (parser.isSet(m_format)) {
        style->setFormatString(parser.value(m_format));
    } else {
        const QString text = parser.isSet(m_style) ? parser.value(m_style) : QStringLiteral("0");
        bool ok = false;
        const NameGenerator* chosen = collection.generatorAtIndex(text.toInt(&ok));
        if (!ok || chosen == nullptr) {
            // One arg() call: the number typed must not be read as a placeholder.
            //% "no folder style number '%1' (there are %2; see lumenscribe styles)"
            const QString noFolderStyle = qtTrId("CliStyleNoFolderStyle");
            //% "no file style number '%1' (there are %2; see lumenscribe styles)"
            *error =
                (folder ? noFolderStyle : qtTrId("CliStyleNoFileStyle")).arg(text, QString::number(collection.count()));
            return nullptr;
        }
        style->takeSettingsFromGenerator(*chosen);
    }
    if (!applySettings(*style, parser.values(m_set), error))
        return nullptr;
    return style;
}

} // namespace lumenscribe
