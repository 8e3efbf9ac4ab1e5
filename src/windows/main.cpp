// lumenscribe-gui: the desktop application. Started with paths it renames
// them and quits; started plainly it shows its main window.
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumenscribe"));
    QApplication::setDesktopFileName(QStringLiteral("lumenscribe-gui"));
    return 0;
}
