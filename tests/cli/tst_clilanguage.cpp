// The tool speaks the user's language: German under a German locale,
// English under the "C" locale the other tests run in, and never an ID of
// its catalogues. Paths in its texts stay as they are.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Output
{
    int exitCode = -1;
    QString out;
    QString err;
};

Output run(const QStringList& arguments, const QList<QPair<QString, QString>>& locale, const QString& config)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : locale)
        environment.insert(name, value);
    environment.insert(QStringLiteral("LUMENSCRIBE_CONFIG"), config);
    environment.insert(QStringLiteral("LUMENSCRIBE_STATE_DIR"), config + QStringLiteral(".journal"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUMENSCRIBE_CLI_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// An ID of the catalogues, as qtTrId answers for one it does not know.
const QRegularExpression kId(
    QStringLiteral("\\b(Cli|AlertPanel|NormalInfo|Confirm|Correction|OpenFiles|NamingStyles|Settings)[A-Z][A-Za-z]+"));

} // namespace

class TestCliLanguage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString config() const { return m_dir.filePath(QStringLiteral("settings.json")); }
    const QList<QPair<QString, QString>> m_german{{QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8")}};

private slots:
    void germanHelpOfEveryCommand_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tool") << QStringList{"--help"} << "Befehle:";
        QTest::newRow("rename") << QStringList{"rename", "--help"} << "Den Plan zeigen; keine Datei wird verändert.";
        QTest::newRow("styles") << QStringList{"styles", "--help"} << "Von Stil N ausgehen.";
        QTest::newRow("name") << QStringList{"name", "--help"} << "Den Menütitel des Stils ausgeben.";
        QTest::newRow("date") << QStringList{"date", "--help"} << "Ein JSON-Objekt je Datei.";
        QTest::newRow("tags") << QStringList{"tags", "--help"} << "Die zu lesende Datei.";
        QTest::newRow("undo") << QStringList{"undo", "--help"} << "Zeigen, was rückgängig gemacht würde.";
        QTest::newRow("config") << QStringList{"config", "--help"} << "Diese Einstellungsdatei verwenden.";
    }

    void germanHelpOfEveryCommand()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Output german = run(arguments, m_german, config());
        QCOMPARE(german.exitCode, 0);
        QVERIFY2(german.out.contains(expected), qPrintable(german.out));
        QVERIFY2(!kId.match(german.out + german.err).hasMatch(), qPrintable(german.out));
        const Output english = run(arguments, {{QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")}}, config());
        QVERIFY(!english.out.contains(expected));
        QVERIFY2(!kId.match(english.out + english.err).hasMatch(), qPrintable(english.out));
    }

    // The "C" locale wins over LANGUAGE, as in every gettext program.
    void cLocaleIsEnglish()
    {
        const Output output = run(
            {QStringLiteral("--help")},
            {{QStringLiteral("LANGUAGE"), QStringLiteral("de")}, {QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")}},
            config());
        QVERIFY(output.out.contains(QStringLiteral("Commands:")));
        const Output german = run({QStringLiteral("--help")},
                                  {{QStringLiteral("LANGUAGE"), QStringLiteral("de")},
                                   {QStringLiteral("LANG"), QStringLiteral("en_GB.UTF-8")}},
                                  config());
        QVERIFY(german.out.contains(QStringLiteral("Befehle:")));
    }

    // Errors and the run's summary in German; a path that looks like a
    // placeholder is printed as it is.
    void germanMessagesKeepPaths()
    {
        const QString odd = m_dir.filePath(QStringLiteral("100%1 %2 %.jpg"));
        const Output date = run({QStringLiteral("date"), odd}, m_german, config());
        QCOMPARE(date.exitCode, 1);
        QVERIFY2(date.err.contains(QStringLiteral("„%1“ kann nicht gelesen werden: ").arg(odd)), qPrintable(date.err));

        const Output rename = run({QStringLiteral("--dry-run"), odd}, m_german, config());
        QCOMPARE(rename.exitCode, 1);
        QVERIFY2(rename.err.contains(odd + QStringLiteral(": Datei oder Ordner nicht vorhanden")),
                 qPrintable(rename.err));
        QVERIFY2(rename.err.contains(QStringLiteral("umzubenennen 0, zu löschen 0, zu überspringen 0")),
                 qPrintable(rename.err));
        QVERIFY(!kId.match(rename.out + rename.err).hasMatch());

        const Output name =
            run({QStringLiteral("name"), QStringLiteral("--date"), QStringLiteral("%1")}, m_german, config());
        QCOMPARE(name.exitCode, 2);
        QVERIFY2(name.err.contains(QStringLiteral("das Datum „%1“ ist nicht lesbar")), qPrintable(name.err));
    }
};

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "tst_clilanguage.moc"
