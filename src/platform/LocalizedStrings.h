// The localized string table "InfoPlist": every text the program shows is
// looked up here by key. Tables are JSON files per language, built in as
// resources; a key missing in the user's language falls back to English,
// then to the default the caller gives.
#pragma once

#include <QHash>
#include <QString>

namespace lumenscribe {

class LocalizedStrings
{
public:
    // The table for a language such as "de" or "en_GB"; English when there
    // is none for that language.
    explicit LocalizedStrings(const QString& language);

    // The table for the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    static const LocalizedStrings& shared();

    QString text(const QString& key, const QString& defaultText = QString()) const;
    // The text with its %1, %2 ... replaced by the arguments, which are
    // inserted as they are (a "%" in a path stays a "%").
    QString format(const QString& key, const QStringList& arguments) const;

private:
    static QHash<QString, QString> loadTable(const QString& language);

    QHash<QString, QString> m_table;
    QHash<QString, QString> m_english;
};

} // namespace lumenscribe
