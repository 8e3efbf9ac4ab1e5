// Opening the renamed files in the chosen application: executables, desktop
// entries and desktop file ids, the Exec line's quoting and field codes,
// and a clear failure when the application cannot be started.
#include "platform/ApplicationLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using lumenscribe::ApplicationLauncher;

class TestApplicationLauncher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void execQuoting_data();
    void execQuoting();
    void fieldCodesDecideHowFilesArePassed();
    void desktopFileIdsAreFoundInTheDataFolders();
    void unusableChoicesSayWhy();
    void startsTheProgramWithTheFiles();
    void reportsAProgramThatCannotStart();

private:
    QString writeFile(const QString& relative, const QByteArray& content, bool executable = false);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestApplicationLauncher::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_dir->filePath(QStringLiteral("system"))));
}

QString TestApplicationLauncher::writeFile(const QString& relative, const QByteArray& content, bool executable)
{
    const QString path = m_dir->filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

void TestApplicationLauncher::execQuoting_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("plain") << "eog  --new-instance %U" << QStringList{"eog", "--new-instance", "%U"};
    QTest::newRow("quoted space") << "\"/opt/My App/run\" %f" << QStringList{"/opt/My App/run", "%f"};
    QTest::newRow("escapes in quotes") << R"(sh -c "echo \"\$HOME\" \\ \`x\`")"
                                       << QStringList{"sh", "-c", R"(echo "$HOME" \ `x`)"};
    QTest::newRow("empty quoted word") << "app \"\" %F" << QStringList{"app", "", "%F"};
}

void TestApplicationLauncher::execQuoting()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, words);
    QStringList split;
    QVERIFY(ApplicationLauncher::splitExec(exec, &split));
    QCOMPARE(split, words);
    QVERIFY(!ApplicationLauncher::splitExec(QStringLiteral("app \"open"), &split));
}

void TestApplicationLauncher::fieldCodesDecideHowFilesArePassed()
{
    const QStringList files{QStringLiteral("/p/a b.jpg"), QStringLiteral("/p/c.jpg")};
    const auto commands = [&](const QByteArray& exec) {
        const QString path = writeFile(QStringLiteral("x.desktop"), "[Desktop Entry]\nType=Application\nName=Viewer\n"
                                                                    "Icon=viewer\nExec=" +
                                                                        exec + "\n");
        QList<QStringList> all;
        for (const ApplicationLauncher::Command& command : ApplicationLauncher(path).commandsFor(files)) {
            if (!command.program.endsWith(QStringLiteral("/sh")))
                return QList<QStringList>{{QStringLiteral("wrong program ") + command.program}};
            all.append(command.arguments);
        }
        return all;
    };
    // A list code: one process with every file.
    QCOMPARE(commands("sh --view %F"), (QList<QStringList>{{"--view", "/p/a b.jpg", "/p/c.jpg"}}));
    QCOMPARE(commands("sh %U"), (QList<QStringList>{{"/p/a b.jpg", "/p/c.jpg"}}));
    // A single-file code: one process per file, also inside a word.
    QCOMPARE(commands("sh --file=%f"), (QList<QStringList>{{"--file=/p/a b.jpg"}, {"--file=/p/c.jpg"}}));
    // The other codes; deprecated ones vanish, %% is a percent sign.
    QCOMPARE(commands("sh %i %c 100%% %d %u"),
             (QList<QStringList>{{"--icon", "viewer", "Viewer", "100%", "/p/a b.jpg"},
                                 {"--icon", "viewer", "Viewer", "100%", "/p/c.jpg"}}));
    // An application that takes no files is started once.
    QCOMPARE(commands("sh -c true"), (QList<QStringList>{{"-c", "true"}}));
    // A plain executable gets one file per process.
    const QList<ApplicationLauncher::Command> plain = ApplicationLauncher(QStringLiteral("/bin/sh")).commandsFor(files);
    QCOMPARE(plain.size(), 2);
    QCOMPARE(plain.at(1).arguments, QStringList{"/p/c.jpg"});
}

void TestApplicationLauncher::desktopFileIdsAreFoundInTheDataFolders()
{
    const QByteArray entry = "[Desktop Entry]\nType=Application\nExec=sh %F\n";
    const QString home = writeFile(QStringLiteral("home/applications/org.example.View.desktop"), entry);
    writeFile(QStringLiteral("system/applications/org.example.View.desktop"), entry);
    const QString nested = writeFile(QStringLiteral("system/applications/kde/okular.desktop"), entry);
    // The user's own folder comes first.
    QCOMPARE(ApplicationLauncher::findDesktopFile(QStringLiteral("org.example.View.desktop")), home);
    QCOMPARE(ApplicationLauncher::findDesktopFile(QStringLiteral("kde-okular.desktop")), nested);
    QVERIFY(ApplicationLauncher::findDesktopFile(QStringLiteral("gone.desktop")).isEmpty());
    QVERIFY(ApplicationLauncher::isKnown(QStringLiteral("org.example.View.desktop")));
    QVERIFY(ApplicationLauncher::isKnown(QStringLiteral("org.example.View"))); // the id without its ending
    QVERIFY(ApplicationLauncher::isKnown(QStringLiteral("sh")));               // a command on PATH
    QVERIFY(ApplicationLauncher::isKnown(home));                               // a path to the entry
}

void TestApplicationLauncher::unusableChoicesSayWhy()
{
    const auto error = [this](const QByteArray& entry) {
        return ApplicationLauncher(writeFile(QStringLiteral("e.desktop"), entry)).error();
    };
    QVERIFY(error("[Desktop Entry]\nType=Link\nURL=http://x\n").contains(QStringLiteral("not an application")));
    QVERIFY(error("[Desktop Entry]\nType=Application\nHidden=true\nExec=sh\n").contains(QStringLiteral("hidden")));
    QVERIFY(error("[Desktop Entry]\nType=Application\nName=x\n").contains(QStringLiteral("no Exec")));
    QVERIFY(error("[Desktop Entry]\nType=Application\nTryExec=no-such-tool-here\nExec=sh\n")
                .contains(QStringLiteral("not installed")));
    QVERIFY(error("[Desktop Entry]\nType=Application\nExec=no-such-tool-here %F\n")
                .contains(QStringLiteral("cannot be found")));
    // Keys of another group do not count.
    QVERIFY(error("[Desktop Action new]\nExec=sh\n[Desktop Entry]\nType=Application\n")
                .contains(QStringLiteral("no Exec")));
    const QString text = writeFile(QStringLiteral("notes.txt"), "text");
    QVERIFY(ApplicationLauncher(text).error().contains(QStringLiteral("not a program")));
    QVERIFY(!ApplicationLauncher(m_dir->path()).isValid()); // a folder
    QVERIFY(!ApplicationLauncher(QStringLiteral("/nowhere/app")).isValid());
    QVERIFY(!ApplicationLauncher(QString()).isValid());
}

void TestApplicationLauncher::startsTheProgramWithTheFiles()
{
    const QString log = m_dir->filePath(QStringLiteral("opened.txt"));
    const QString script = writeFile(
        QStringLiteral("bin/viewer"),
        "#!/bin/sh\nfor f in \"$@\"; do printf '%s\\n' \"$f\" >> \"" + QFile::encodeName(log) + "\"; done\n", true);
    writeFile(QStringLiteral("home/applications/viewer.desktop"),
              "[Desktop Entry]\nType=Application\nExec=\"" + QFile::encodeName(script) + "\" %F\n");
    ApplicationLauncher launcher(QStringLiteral("viewer.desktop"));
    QVERIFY2(launcher.open({QStringLiteral("/p/a b.jpg"), QStringLiteral("/p/c.jpg")}), qPrintable(launcher.error()));
    QFile opened(log);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000 && (!opened.exists() || opened.size() < 20))
        QThread::msleep(20);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(opened.readAll(), QByteArray("/p/a b.jpg\n/p/c.jpg\n"));
}

void TestApplicationLauncher::reportsAProgramThatCannotStart()
{
    // Executable, but its interpreter is missing: only the start can tell.
    const QString broken = writeFile(QStringLiteral("bin/broken"), "#!/no/such/interpreter\n", true);
    ApplicationLauncher launcher(broken);
    QVERIFY(launcher.isValid());
    QVERIFY(!launcher.open({QStringLiteral("/p/a.jpg")}));
    QVERIFY(launcher.error().contains(QStringLiteral("could not be started")));
}

QTEST_GUILESS_MAIN(TestApplicationLauncher)
#include "tst_applicationlauncher.moc"
