// Takes a picture of every window of the desktop application, in the
// language, scale and colours of the environment it is started in, into
// the folder given. scripts/screenshots runs it under Xvfb for each.
#include "controllers/MainController.h"
#include "controllers/MainWindowController.h"
#include "platform/LocalizedStrings.h"
#include "platform/Translations.h"
#include "settings/PreferencesStore.h"
#include "windows/AlertPanel.h"
#include "windows/DesktopApplication.h"
#include "windows/GuiStatus.h"
#include "windows/MainWindow.h"
#include "windows/ProgressWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace lumenscribe;

namespace {

void settle(int milliseconds = 300)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget& window, const QString& folder, const QString& name)
{
    window.show();
    window.raise();
    settle();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

QString makeCard(const QTemporaryDir& work, const QString& data)
{
    const QString card = work.filePath(QStringLiteral("card"));
    QDir().mkpath(card);
    const QStringList names{QStringLiteral("Canon1DmkIII.jpg"), QStringLiteral("exiv2-nikon-d70.jpg"),
                            QStringLiteral("P1000244.JPG"), QStringLiteral("P1000244.MOV"),
                            QStringLiteral("no_exif.jpg")};
    for (const QString& name : names)
        QFile::copy(QDir(data).filePath(name), QDir(card).filePath(name));
    return card;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Translations::installForUser();
    if (argc < 3) {
        std::fprintf(stderr, "usage: lumenscribe-screenshots OUTPUT_FOLDER TESTDATA\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    QTemporaryDir work;
    qputenv("XDG_DATA_HOME", QFile::encodeName(work.filePath(QStringLiteral("share"))));
    const QString card = makeCard(work, QString::fromLocal8Bit(argv[2]));

    MainController controller(PreferencesStore(work.filePath(QStringLiteral("settings.json"))));
    controller.setJournalFolder(work.filePath(QStringLiteral("journals")));
    DesktopApplication desktop(controller);
    controller.setRunLockPath(work.filePath(QStringLiteral("run.lock")));
    desktop.start({});
    controller.setDownloadDestinationFolder(QDir::homePath() + QStringLiteral("/Pictures"));
    bool ok = save(*desktop.mainWindow(), output, QStringLiteral("main-window"));

    controller.setShowNamesFirst(true);
    desktop.openPaths({card});
    desktop.mainWindowController().namesPreview().waitForPlan();
    settle();
    ok = save(*desktop.mainWindow(), output, QStringLiteral("names-first")) && ok;
    desktop.mainWindowController().discardShown();

    ProgressWindow& progress = desktop.progressWindow();
    progress.setMaximum(120);
    progress.setValue(42);
    progress.setInfo(QStringLiteral("IMG_0042.JPG"));
    ok = save(progress, output, QStringLiteral("progress")) && ok;
    progress.hide();

    const LocalizedStrings& strings = LocalizedStrings::shared();
    desktop.status().showAlertPanel(
        strings.format(QStringLiteral("AlertPanelFileMove"),
                       {card + QStringLiteral("/IMG_0043.JPG"), QStringLiteral("2024-05-06_17-28-30.jpg")}));
    desktop.status().showAlertPanel(
        strings.format(QStringLiteral("AlertPanelFileDeleteError"), {card + QStringLiteral("/Thumbs.db")}));
    ok = save(desktop.alertPanel(), output, QStringLiteral("alert")) && ok;
    desktop.alertPanel().hide();
    desktop.quit();
    return ok ? 0 : 1;
}
