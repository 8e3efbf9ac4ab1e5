#include "platform/LocalizedStrings.h"

#include "platform/Translations.h"

#include <QTranslator>

namespace lumenscribe {

LocalizedStrings::LocalizedStrings(const QString& language)
    : m_language(std::make_unique<QTranslator>()), m_english(std::make_unique<QTranslator>())
{
    Translations::load(*m_english, QStringLiteral("en"));
    if (!Translations::load(*m_language, language))
        m_language.reset();
}

LocalizedStrings::~LocalizedStrings() = default;

const LocalizedStrings& LocalizedStrings::shared()
{
    static const LocalizedStrings strings(
        Translations::installedLanguage().isEmpty() ? Translations::userLanguage() : Translations::installedLanguage());
    return strings;
}

QString LocalizedStrings::text(const QString& key, const QString& defaultText) const
{
    // Asked as qtTrId asks: no context, the ID as the source text. A
    // translator answers an empty text for an ID it does not hold.
    const QByteArray id = key.toUtf8();
    for (const QTranslator* translator : {m_language.get(), m_english.get()}) {
        if (!translator)
            continue;
        if (QString text = translator->translate(nullptr, id.constData()); !text.isEmpty())
            return text;
    }
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
