// lumenscribe-gui: the desktop application. Started with paths it renames
// them and quits; started plainly it shows its main window.
#include "controllers/MainController.h"
#include "platform/Translations.h"
#include "windows/DesktopAppearance.h"
#include "windows/DesktopApplication.h"
#include "windows/MainWindow.h"
#include "windows/SingleInstance.h"
#include "windows/TimingProbe.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

using namespace lumenscribe;

namespace {

QStringList absolutePaths(const QStringList& arguments)
{
    QStringList paths;
    for (const QString& argument : arguments)
        paths.append(QFileInfo(argument).absoluteFilePath());
    return paths;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumenscribe"));
    QApplication::setApplicationVersion(QStringLiteral(LUMENSCRIBE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.lumenscribe.Lumenscribe"));
    QApplication::setQuitOnLastWindowClosed(false);
    TimingProbe::mark("application");
    Translations::installForUser();

    QCommandLineParser parser;
    //% "Gives photos and movies names made from the moment they were taken."
    parser.setApplicationDescription(qtTrId("GuiDescription"));
    parser.addHelpOption();
    parser.addVersionOption();
    //% "Photos, movies or folders to rename; without them the main window opens."
    parser.addPositionalArgument(QStringLiteral("paths"), qtTrId("GuiPathsArgument"), QStringLiteral("[PATH...]"));
    parser.process(application);

    // A second start hands its paths to the running one and is done.
    SingleInstance instance;
    if (instance.start(parser.positionalArguments(), QDir::currentPath()) == SingleInstance::Role::HandedOver)
        return 0;
    TimingProbe::mark("instance");
    DesktopAppearance appearance;
    appearance.apply();
    TimingProbe::mark("appearance");

    MainController controller;
    DesktopApplication desktop(controller);
    QObject::connect(&instance, &SingleInstance::pathsReceived, &desktop, &DesktopApplication::openPaths);
    QObject::connect(&instance, &SingleInstance::activationRequested, &desktop, &DesktopApplication::activate);
    QObject::connect(&desktop, &DesktopApplication::quitStarted, &instance, &SingleInstance::close);
    desktop.start(absolutePaths(parser.positionalArguments()));
    TimingProbe::mark("started");
    if (desktop.mainWindow())
        TimingProbe::watch(*desktop.mainWindow());
    return QApplication::exec();
}
