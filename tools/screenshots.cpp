// Takes a picture of every window of the desktop application, in the
// language, scale and colours of the environment it is started in, into
// the folder given. scripts/screenshots runs it under Xvfb for each.
#include "controllers/MainController.h"
#include "controllers/MainWindowController.h"
#include "platform/LocalizedStrings.h"
#include "platform/Translations.h"
#include "settings/PreferencesStore.h"
#include "windows/AboutWindow.h"
#include "windows/AlertPanel.h"
#include "windows/CIWWindow.h"
#include "windows/DesktopAppearance.h"
#include "windows/DesktopApplication.h"
#include "windows/DonationWindow.h"
#include "windows/FIWWindow.h"
#include "windows/GuiStatus.h"
#include "windows/MainWindow.h"
#include "windows/NamingStylesWindow.h"
#include "windows/PreferencesWindow.h"
#include "windows/ProgressWindow.h"
#include "windows/UpdatePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
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

template <typename Done> void waitFor(Done done)
{
    for (int i = 0; i < 100 && !done(); ++i)
        settle(50);
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

// A landscape for the preview: the sample files of the test data carry
// real metadata but only token pictures.
void paintPhoto(const QString& path)
{
    QImage photo(1600, 1067, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, 700);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(1, QColor(250, 190, 120));
    painter.fillRect(photo.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 220, 140));
    painter.drawEllipse(QPointF(1100, 560), 90, 90);
    painter.setBrush(QColor(60, 80, 60));
    painter.drawEllipse(QRectF(-400, 620, 1500, 900));
    painter.setBrush(QColor(35, 55, 40));
    painter.drawEllipse(QRectF(600, 700, 1600, 800));
    painter.end();
    photo.save(path, "JPEG", 85);
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
    paintPhoto(QDir(card).filePath(QStringLiteral("IMG_2041.JPG")));
    return card;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Translations::installForUser();
    DesktopAppearance appearance;
    appearance.apply();
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

    // The confirm window on the first file, with the preview and the date
    // correction open.
    controller.setShowNamesFirst(false);
    controller.setConfirmEachFile(true);
    controller.ciwController().setShowPreview(true);
    desktop.openPaths({card + QStringLiteral("/IMG_2041.JPG")});
    CIWWindow& ciw = desktop.ciwWindow();
    waitFor([&] { return ciw.isVisible() && !controller.ciwController().oldFileName().isEmpty(); });
    if (auto* correction = ciw.findChild<QCheckBox*>(QStringLiteral("correctionEnableCheckBox")))
        correction->click();
    settle(1200);
    ok = save(ciw, output, QStringLiteral("confirm-each-file")) && ok;
    ciw.findChild<QPushButton*>(QStringLiteral("abortButton"))->click();
    waitFor([&] { return !controller.isRunning(); });
    settle(1000);

    // The folder window, asked for the dated folder's name.
    controller.setDownloadOptions(2);
    controller.setDownloadPrefixSuffixType(1);
    controller.setDownloadDestinationFolder(work.filePath(QStringLiteral("Pictures")));
    QDir().mkpath(controller.downloadDestinationFolder());
    desktop.openPaths({card + QStringLiteral("/Canon1DmkIII.jpg")});
    FIWWindow& fiw = desktop.fiwWindow();
    waitFor([&] { return fiw.isVisible(); });
    ok = save(fiw, output, QStringLiteral("folder-name")) && ok;
    fiw.findChild<QPushButton*>(QStringLiteral("abortButton"))->click();
    waitFor([&] { return !controller.isRunning(); });
    settle(1000);

    // The preferences panel, short and with its advanced tabs, and the two
    // style editors on a custom style.
    controller.setDownloadOptions(2);
    controller.setShowAdvancedOptions(false);
    controller.setTimeShiftByModel({QStringLiteral("Canon EOS R6=+1h")});
    controller.setTimeShift(QStringLiteral("-0:00:05"));
    desktop.openPreferences();
    PreferencesWindow& preferences = *desktop.preferencesWindow();
    ok = save(preferences, output, QStringLiteral("preferences-basic")) && ok;
    preferences.findChild<QCheckBox*>(QStringLiteral("showAdvancedOptionsCheckBox"))->click();
    preferences.findChild<QRadioButton*>(QStringLiteral("deleteFilesMatrixRow3"))->click();
    preferences.findChild<QTabWidget*>(QStringLiteral("mainTabView"))->setCurrentIndex(3);
    ok = save(preferences, output, QStringLiteral("preferences-advanced")) && ok;
    // The tabs of what comes off a camera: folders by day, and the dates.
    auto* tabs = preferences.findChild<QTabWidget*>(QStringLiteral("mainTabView"));
    preferences.findChild<QRadioButton*>(QStringLiteral("downloadMatrixRow3"))->click();
    tabs->setCurrentIndex(1);
    ok = save(preferences, output, QStringLiteral("preferences-moving")) && ok;
    tabs->setCurrentIndex(4);
    ok = save(preferences, output, QStringLiteral("preferences-dates")) && ok;
    tabs->setCurrentIndex(0);
    ok = save(preferences, output, QStringLiteral("preferences-renaming")) && ok;
    preferences.findChild<QPushButton*>(QStringLiteral("editFileStylesButton"))->click();
    if (NamingStylesWindow* files = preferences.fileStylesWindow()) {
        files->findChild<QPushButton*>(QStringLiteral("styleNewButton"))->click();
        ok = save(*files, output, QStringLiteral("file-styles")) && ok;
        files->findChild<QPushButton*>(QStringLiteral("styleDeleteButton"))->click();
        files->hide();
    }
    preferences.findChild<QPushButton*>(QStringLiteral("downloadEditStylesButton"))->click();
    if (NamingStylesWindow* folders = preferences.folderStylesWindow()) {
        ok = save(*folders, output, QStringLiteral("folder-styles")) && ok;
        folders->hide();
    }
    preferences.hide();
    // The Help menu's panels: the donation information as the first start
    // showed it, About, and a newer version found on the web.
    desktop.openDonationInfo(true);
    ok = save(*desktop.donationWindow(), output, QStringLiteral("donation")) && ok;
    desktop.donationWindow()->hide();
    desktop.openAbout();
    ok = save(*desktop.aboutWindow(), output, QStringLiteral("about")) && ok;
    desktop.aboutWindow()->hide();
    desktop.updatePanel().showOutcome(true, QStringLiteral("9.9.0.1"));
    ok = save(*desktop.updatePanel().panel(), output, QStringLiteral("update-available")) && ok;
    desktop.updatePanel().panel()->close();

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
