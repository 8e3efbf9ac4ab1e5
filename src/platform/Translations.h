// The program's translations: ID-based catalogues (qtTrId) built from
// translations/lumenscribe_<language>.ts and embedded as resources, and Qt's
// own texts for its standard buttons and dialogs.
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace lumenscribe {

class Translations
{
public:
    // The languages there is a catalogue for ("de", "en"), read from the
    // embedded resources.
    static QStringList available();

    // The user's language as gettext picks it: LANGUAGE (a list by
    // preference, ignored under the "C" locale), then LC_ALL, LC_MESSAGES
    // and LANG; the first one there is a catalogue for, else "en".
    static QString userLanguage();

    // The language named by a locale or language name ("de_DE.UTF-8" -> "de").
    static QString languageOf(const QString& name);

    // Installs into the running QCoreApplication the English catalogue, the
    // language's on top of it (a text it lacks stays English), and Qt's own
    // translations for that language. Called once at start-up, before any
    // text is made. Answers false when one of the program's catalogues could
    // not be loaded, or when there is no QCoreApplication yet.
    static bool install(const QString& language);
    static bool installForUser() { return install(userLanguage()); }

    // The language install() was last given; empty before.
    static QString installedLanguage();

    // Loads the program's catalogue of one language, for lookups that do not
    // go through the application (LocalizedStrings).
    static bool load(QTranslator& translator, const QString& language);
};

} // namespace lumenscribe
