// The translation catalogues: German and English lookups by key, the
// fallback to English, safe argument insertion, and the choice of language
// from the environment. No lookup may ever show its key to a person.
#include "platform/LocalizedStrings.h"
#include "platform/TextCatalogue.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTest>

using lumenscribe::LocalizedStrings;
using lumenscribe::TextCatalogue;
using lumenscribe::Translations;

namespace {

// Sets environment variables for one test and puts them back after.
class Environment
{
public:
    explicit Environment(const QList<QPair<const char*, QByteArray>>& values)
    {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            m_saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            qunsetenv(name);
        }
        for (const auto& [name, value] : values)
            qputenv(name, value);
    }
    ~Environment()
    {
        for (const Saved& saved : m_saved) {
            if (saved.set)
                qputenv(saved.name, saved.value);
            else
                qunsetenv(saved.name);
        }
    }

private:
    struct Saved
    {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Saved> m_saved;
};

} // namespace

class TestLocalizedStrings : public QObject
{
    Q_OBJECT

private slots:
    void languagesAndFallbacks()
    {
        const LocalizedStrings german(QStringLiteral("de_DE.UTF-8"));
        const LocalizedStrings english(QStringLiteral("en"));
        const LocalizedStrings klingon(QStringLiteral("tlh"));
        QCOMPARE(german.text(QStringLiteral("ConfirmFileNameOk")), QStringLiteral("Der neue Name ist in Ordnung."));
        QCOMPARE(english.text(QStringLiteral("ConfirmFileNameOk")), QStringLiteral("The new name is fine."));
        QCOMPARE(klingon.text(QStringLiteral("ConfirmFileNameOk")), english.text(QStringLiteral("ConfirmFileNameOk")));
        QCOMPARE(english.text(QStringLiteral("AlertPanelOkButton")), QStringLiteral("Ok"));
        QCOMPARE(german.text(QStringLiteral("AlertPanelOkButton")), QStringLiteral("OK"));
    }

    // A key no catalogue holds gives the caller's default, or nothing: the
    // key itself is never a text.
    void unknownKeyNeverShowsTheKey()
    {
        for (const char* language : {"de", "en", "tlh"}) {
            const LocalizedStrings strings(QString::fromLatin1(language));
            QCOMPARE(strings.text(QStringLiteral("NoSuchKey"), QStringLiteral("fallback")), QStringLiteral("fallback"));
            QCOMPARE(strings.text(QStringLiteral("NoSuchKey")), QString());
            QCOMPARE(strings.format(QStringLiteral("NoSuchKey"), {QStringLiteral("x")}), QString());
        }
    }

    // Every key the core asks for by variable has an English text and a
    // German one of its own, with the same placeholders.
    void everyCatalogueKeyInBothLanguages()
    {
        const LocalizedStrings german(QStringLiteral("de"));
        const LocalizedStrings english(QStringLiteral("en"));
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        const QStringList keys = TextCatalogue::keys();
        QVERIFY(keys.size() >= 31);
        for (const QString& key : keys) {
            const QString en = english.text(key);
            const QString de = german.text(key);
            QVERIFY2(!en.isEmpty() && en != key, qPrintable(key));
            QVERIFY2(!de.isEmpty() && de != key, qPrintable(key));
            QVERIFY2(de != en || key == u"AlertPanelTitle", qPrintable(key));
            QStringList enArgs, deArgs;
            for (const auto& m : placeholder.globalMatch(en))
                enArgs << m.captured();
            for (const auto& m : placeholder.globalMatch(de))
                deArgs << m.captured();
            enArgs.sort();
            deArgs.sort();
            QVERIFY2(enArgs == deArgs, qPrintable(key));
        }
    }

    void argumentsAreInsertedAsTheyAre()
    {
        for (const char* language : {"en", "de"}) {
            const LocalizedStrings strings(QString::fromLatin1(language));
            // A path holding "%2" or "%" must not be expanded again.
            const QString text = strings.format(QStringLiteral("AlertPanelFileMove"),
                                                {QStringLiteral("/a/100%2.jpg"), QStringLiteral("/b/x%.jpg")});
            QVERIFY(text.contains(QStringLiteral("/a/100%2.jpg")));
            QCOMPARE(text.count(QStringLiteral("/b/x%.jpg")), 1);
            QVERIFY(!text.contains(QStringLiteral("%1")));
        }
    }

    void userLanguage_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "en";
        QTest::newRow("LANG German") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "de";
        QTest::newRow("LC_ALL over LANG") << QByteArray() << QByteArray("en_US.UTF-8") << QByteArray("de_DE") << "en";
        QTest::newRow("C locale, as the tests run")
            << QByteArray() << QByteArray("C.UTF-8") << QByteArray("de_DE") << "en";
        QTest::newRow("LANGUAGE first") << QByteArray("de") << QByteArray() << QByteArray("en_GB.UTF-8") << "de";
        QTest::newRow("LANGUAGE list skips what is missing")
            << QByteArray("fr:de_AT:en") << QByteArray() << QByteArray("en_GB.UTF-8") << "de";
        // As gettext: the "C" locale wins over LANGUAGE.
        QTest::newRow("LANGUAGE under C") << QByteArray("de") << QByteArray("C") << QByteArray() << "en";
        QTest::newRow("no catalogue") << QByteArray() << QByteArray() << QByteArray("tlh") << "en";
        QTest::newRow("Swiss German") << QByteArray() << QByteArray() << QByteArray("de_CH@euro") << "de";
    }

    void userLanguage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lang);
        QFETCH(QString, expected);
        QList<QPair<const char*, QByteArray>> values;
        if (!language.isEmpty())
            values.append({"LANGUAGE", language});
        if (!lcAll.isEmpty())
            values.append({"LC_ALL", lcAll});
        if (!lang.isEmpty())
            values.append({"LANG", lang});
        const Environment environment(values);
        QCOMPARE(Translations::userLanguage(), expected);
    }

    // What the command line and the desktop application see through qtTrId
    // once the catalogues are installed.
    void installedCatalogues()
    {
        QVERIFY(Translations::available().contains(QStringLiteral("de")));
        QVERIFY(Translations::available().contains(QStringLiteral("en")));
        QVERIFY(Translations::install(QStringLiteral("de_DE.UTF-8")));
        QCOMPARE(Translations::installedLanguage(), QStringLiteral("de"));
        QCOMPARE(qtTrId("NormalInfoRenamingDone"), QStringLiteral("Umbenennen abgeschlossen."));
        QCOMPARE(qtTrId("CliRunSummary"), QStringLiteral("umbenannt %1, gelöscht %2, übersprungen %3, "
                                                         "fehlgeschlagen %4"));
        // Qt's own texts come along in the same language (qt6-translations-l10n).
        const bool qtGerman =
            QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"));
        if (qtGerman)
            QCOMPARE(QCoreApplication::translate("QCommandLineParser", "Displays version information."),
                     QStringLiteral("Zeigt Versionsinformation an."));
        QVERIFY(Translations::install(QStringLiteral("en")));
        QCOMPARE(qtTrId("NormalInfoRenamingDone"), QStringLiteral("Renaming done."));
        QCOMPARE(QCoreApplication::translate("QCommandLineParser", "Displays version information."),
                 QStringLiteral("Displays version information."));
        QVERIFY(!Translations::install(QStringLiteral("tlh")));
        QCOMPARE(qtTrId("NormalInfoRenamingDone"), QStringLiteral("Renaming done."));
    }
};

QTEST_GUILESS_MAIN(TestLocalizedStrings)
#include "tst_localizedstrings.moc"
