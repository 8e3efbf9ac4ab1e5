#include "platform/LocalizedStrings.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumenscribe {

namespace {

QString userLanguage()
{
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value.section(u':', 0, 0);
    }
    return QStringLiteral("en");
}

} // namespace

LocalizedStrings::LocalizedStrings(const QString& language)
    : m_table(loadTable(language.left(2).toLower())), m_english(loadTable(QStringLiteral("en")))
{
}

const LocalizedStrings& LocalizedStrings::shared()
{
    static const LocalizedStrings strings(userLanguage());
    return strings;
}

QHash<QString, QString> LocalizedStrings::loadTable(const QString& language)
{
    QHash<QString, QString> table;
    QFile file(QStringLiteral(":/InfoPlist/%1.json").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = object.begin(); it != object.end(); ++it)
        table.insert(it.key(), it.value().toString());
    return table;
}

QString LocalizedStrings::text(const QString& key, const QString& defaultText) const
{
    if (const auto it = m_table.constFind(key); it != m_table.constEnd())
        return *it;
    if (const auto it = m_english.constFind(key); it != m_english.constEnd())
        return *it;
    return defaultText;
}

QString LocalizedStrings::format(const QString& key, const QStringList& arguments) const
{
    // One pass over the text, so an argument that itself holds "%2" is
    // never expanded again.
    const QString pattern = text(key);
    QString result;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'%' && i + 1 < pattern.size() && pattern.at(i + 1).isDigit()) {
            const int index = pattern.at(i + 1).digitValue() - 1;
            if (index >= 0 && index < arguments.size()) {
                result += arguments.at(index);
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

} // namespace lumenscribe
