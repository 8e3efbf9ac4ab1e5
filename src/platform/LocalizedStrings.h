// The texts the core looks up by a key held in a variable: the alerts of a
// run, the checks of a new name. The keys are IDs of the program's
// translation catalogues (see Translations), each listed with its English
// text in TextCatalogue.cpp; code that names its text where it shows it
// calls qtTrId itself.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

namespace lumenscribe {

class LocalizedStrings
{
public:
    // The texts of a language such as "de" or "en_GB"; English for a
    // language there is no catalogue for.
    explicit LocalizedStrings(const QString& language);
    ~LocalizedStrings();
    LocalizedStrings(const LocalizedStrings&) = delete;
    LocalizedStrings& operator=(const LocalizedStrings&) = delete;

    // The texts of the language Translations installed, else of the user's.
    static const LocalizedStrings& shared();

    // A key without a text gives defaultText, never the key itself.
    QString text(const QString& key, const QString& defaultText = QString()) const;
    // The text with its %1, %2 ... replaced by the arguments, which are
    // inserted as they are (a "%" in a path stays a "%").
    QString format(const QString& key, const QStringList& arguments) const;

private:
    std::unique_ptr<QTranslator> m_language;
    std::unique_ptr<QTranslator> m_english;
};

} // namespace lumenscribe
