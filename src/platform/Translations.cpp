#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace lumenscribe {

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("lumenscribe_");
const QString kEnglish = QStringLiteral("en");

bool isCLocale(const QString& locale)
{
    const QString name = locale.section(u'.', 0, 0);
    return name == u"C" || name == u"POSIX";
}

struct Installed
{
    QString language;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Installed& installed()
{
    static Installed state;
    return state;
}

} // namespace

QStringList Translations::available()
{
    QStringList languages;
    const QStringList files = QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages.append(file.mid(kPrefix.size()).chopped(3));
    return languages;
}

QString Translations::languageOf(const QString& name)
{
    qsizetype end = name.size();
    for (const QChar stop : {u'_', u'-', u'.', u'@'}) {
        const qsizetype at = name.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    return name.left(end).toLower();
}

QString Translations::userLanguage()
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    QStringList wanted;
    // As gettext does: someone who asks for the "C" locale gets the
    // untranslated program, whatever LANGUAGE lists.
    if (!isCLocale(locale))
        wanted = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    wanted.append(locale);
    const QStringList languages = available();
    for (const QString& name : wanted) {
        const QString language = languageOf(name);
        if (languages.contains(language))
            return language;
    }
    return kEnglish;
}

bool Translations::load(QTranslator& translator, const QString& language)
{
    // The exact file: QTranslator's own search would take "lumenscribe.qm"
    // for a language there is no catalogue for.
    const QString file = kFolder + u'/' + kPrefix + languageOf(language) + QStringLiteral(".qm");
    return QFileInfo::exists(file) && translator.load(file);
}

bool Translations::install(const QString& language)
{
    // Translators live in the application object: without one nothing
    // would be installed and every qtTrId would answer its ID.
    if (!QCoreApplication::instance())
        return false;
    Installed& state = installed();
    for (const auto& translator : state.translators)
        QCoreApplication::removeTranslator(translator.get());
    state.translators.clear();
    state.language = languageOf(language);

    // The translator installed last is asked first.
    bool complete = true;
    const auto add = [&state](std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        state.translators.push_back(std::move(translator));
    };
    auto english = std::make_unique<QTranslator>();
    complete = load(*english, kEnglish);
    add(std::move(english));
    if (state.language == kEnglish)
        return complete;
    auto own = std::make_unique<QTranslator>();
    if (load(*own, state.language))
        add(std::move(own));
    else
        complete = false;
    // Qt's own texts: the standard buttons, the file dialog, the command
    // line's "Usage:". Missing ones are no fault of ours; Qt then speaks English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(state.language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        add(std::move(qt));
    return complete;
}

QString Translations::installedLanguage()
{
    return installed().language;
}

} // namespace lumenscribe
