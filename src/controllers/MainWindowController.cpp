#include "controllers/MainWindowController.h"

#include "controllers/MainController.h"
#include "fs/FileSystem.h"
#include "journal/JournalStore.h"
#include "journal/RunLock.h"
#include "platform/LocalTime.h"
#include "platform/TimeShift.h"
#include "settings/SettingCodes.h"

#include <QDateTime>

namespace lumenscribe {

MainWindowController::MainWindowController(MainController& controller, QObject* parent)
    : QObject(parent), m_controller(controller), m_preview(controller)
{
    connect(&m_controller.settings(), &Settings::changed, this, &MainWindowController::settingChanged);
    // The plan is made on its own thread; its rows are shown on this one.
    connect(&m_preview, &NamesPreview::planned, this, &MainWindowController::showNames, Qt::QueuedConnection);
}

void MainWindowController::setView(MainWindowView* view)
{
    m_view = view;
    refresh();
}

void MainWindowController::refresh()
{
    showStyles();
    showDropAction();
    showNames();
    showUndo();
}

Instant MainWindowController::exampleDate() const
{
    return static_cast<Instant>(QDateTime::currentSecsSinceEpoch());
}

void MainWindowController::showStyles()
{
    if (!m_view)
        return;
    FNGenerators& files = m_controller.fileNameGenerators();
    FNGenerators& folders = m_controller.folderNameGenerators();
    m_view->showStyles(StylePopUp::items(files, exampleDate()),
                       StylePopUp::popUpIndexFromGeneratorIndex(files, m_controller.namingStyle()),
                       StylePopUp::items(folders, exampleDate()),
                       StylePopUp::popUpIndexFromGeneratorIndex(folders, m_controller.downloadNamingStyle()));
}

void MainWindowController::showDropAction()
{
    if (m_view)
        m_view->showDropAction(dropActionText());
}

QString MainWindowController::dropActionText() const
{
    const QString folder = m_controller.downloadDestinationFolder();
    const bool copy = m_controller.copyInsteadOfMoving();
    switch (static_cast<DownloadOption>(m_controller.downloadOptions())) {
    case DownloadOption::DownloadFolder:
        if (copy)
            //% "Dropped files are copied to %1 under their new names."
            return qtTrId("MainDropCopiesToFolder").arg(folder);
        //% "Dropped files are moved to %1 under their new names."
        return qtTrId("MainDropMovesToFolder").arg(folder);
    case DownloadOption::DatedFolder:
        if (copy)
            //% "Dropped files are copied into a new dated folder in %1."
            return qtTrId("MainDropCopiesToDatedFolder").arg(folder);
        //% "Dropped files are moved into a new dated folder in %1."
        return qtTrId("MainDropMovesToDatedFolder").arg(folder);
    case DownloadOption::ByDayFolders:
        if (copy)
            //% "Dropped files are copied into folders by capture day in %1."
            return qtTrId("MainDropCopiesByDay").arg(folder);
        //% "Dropped files are moved into folders by capture day in %1."
        return qtTrId("MainDropMovesByDay").arg(folder);
    default:
        if (copy)
            //% "Dropped files are copied beside themselves under their new names."
            return qtTrId("MainDropCopiesInPlace");
        //% "Dropped files are renamed where they are."
        return qtTrId("MainDropRenamesInPlace");
    }
}

void MainWindowController::showNames()
{
    if (m_view)
        m_view->showNames(!m_preview.paths().isEmpty(), m_preview.rows(), m_preview.planning());
}

void MainWindowController::showUndo()
{
    if (!m_view)
        return;
    const UndoOffer offer = undoSummary();
    if (offer.available())
        //% "Undo the last run (%n file(s))"
        m_view->showUndo(qtTrId("MainUndoLastRun", offer.files), !m_controller.isRunning());
    else
        //% "Undo the last run"
        m_view->showUndo(qtTrId("MainUndoNothing"), false);
}

void MainWindowController::settingChanged(SettingKey key)
{
    switch (key) {
    case SettingKey::DownloadOptions:
    case SettingKey::DownloadDestinationFolder:
    case SettingKey::CopyInsteadOfMoving:
        showDropAction();
        break;
    case SettingKey::NamingStyle:
    case SettingKey::DownloadNamingStyle:
        showStyles();
        break;
    case SettingKey::ShowNamesFirst:
        if (!m_controller.showNamesFirst())
            discardShown();
        return;
    default:
        break;
    }
    // Any change of the settings a run goes by may change the names planned.
    m_preview.refresh();
    showNames();
}

void MainWindowController::fileStyleChosen(int popUpIndex)
{
    if (const auto index = StylePopUp::generatorIndexFromPopUpIndex(m_controller.fileNameGenerators(), popUpIndex))
        m_controller.setNamingStyle(*index);
    showStyles();
}

void MainWindowController::folderStyleChosen(int popUpIndex)
{
    if (const auto index = StylePopUp::generatorIndexFromPopUpIndex(m_controller.folderNameGenerators(), popUpIndex))
        m_controller.setDownloadNamingStyle(*index);
    showStyles();
}

// During a run, dropped paths always join it: a table shown then would plan
// against files the run is about to move.
MainWindowController::Opened MainWindowController::open(const QStringList& paths)
{
    if (paths.isEmpty())
        return Opened::Nothing;
    if (m_controller.showNamesFirst() && !m_controller.isRunning()) {
        QStringList all = m_preview.paths();
        for (const QString& path : paths) {
            if (!all.contains(path))
                all.append(path);
        }
        m_preview.setPaths(all);
        showNames();
        return Opened::Planned;
    }
    m_controller.applicationOpenFiles(paths);
    showUndo();
    return Opened::Started;
}

void MainWindowController::renameShown()
{
    const QStringList paths = m_preview.paths();
    m_preview.clear();
    showNames();
    if (!paths.isEmpty())
        m_controller.applicationOpenFiles(paths);
    showUndo();
}

void MainWindowController::discardShown()
{
    m_preview.clear();
    showNames();
}

MainWindowController::UndoOffer MainWindowController::undoSummary() const
{
    UndoOffer offer;
    const QList<JournalStore::RunSummary> runs = JournalStore(m_controller.journalFolder()).runs();
    if (runs.isEmpty() || runs.first().undone)
        return offer;
    offer.journal = runs.first().path;
    offer.time = runs.first().time;
    offer.files = std::max(runs.first().files - runs.first().restored, 0);
    return offer;
}

MainWindowController::UndoOffer MainWindowController::undoOffer() const
{
    UndoOffer offer = undoSummary();
    if (offer.journal.isEmpty())
        return offer;
    UndoRun dry(m_controller.fileSystem());
    const UndoRun::Result planned = dry.undo(offer.journal, true);
    offer.files = planned.alreadyUndone ? 0 : static_cast<int>(planned.restored.size());
    return offer;
}

QString MainWindowController::undoQuestion(const UndoOffer& offer) const
{
    const QString when = QDateTime::fromSecsSinceEpoch(offer.time).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    //% "Put the %n file(s) of the run of %1 back under their old names? Files deleted by the run come back from the trash."
    return qtTrId("MainUndoQuestion", offer.files).arg(when);
}

MainWindowController::UndoResult MainWindowController::undoLastRun(const UndoOffer& offer)
{
    UndoResult result;
    if (m_controller.isRunning()) {
        result.outcome = UndoOutcome::Locked;
        return result;
    }
    const QString lockPath = m_controller.runLockPath();
    RunLock lock(lockPath.isEmpty() ? RunLock::defaultPath() : lockPath);
    const RunLock::State state = lock.tryTake();
    if (state != RunLock::State::Taken) {
        result.outcome = state == RunLock::State::HeldByAnother ? UndoOutcome::Locked : UndoOutcome::Failed;
        if (state == RunLock::State::Failed)
            result.lines.append(lock.error());
        return result;
    }
    UndoRun undo(m_controller.fileSystem());
    const UndoRun::Result done = undo.undo(offer.journal, false);
    result.restored = static_cast<int>(done.restored.size());
    result.lines = done.notRestored;
    if (!done.found || done.alreadyUndone)
        result.outcome = UndoOutcome::Failed;
    else
        result.outcome = done.notRestored.isEmpty() ? UndoOutcome::Done : UndoOutcome::Partly;
    showUndo();
    return result;
}

QString MainWindowController::dateText(const FileReport& row)
{
    if (!row.date)
        //% "no date"
        return qtTrId("MainTableNoDate");
    const auto fields = LocalTime::breakDown(*row.date);
    if (!fields)
        return qtTrId("MainTableNoDate");
    QString date = QString::asprintf("%04d-%02d-%02d", fields->tm_year + 1900, fields->tm_mon + 1, fields->tm_mday);
    if (!row.timeUnknown)
        date += QString::asprintf(" %02d:%02d:%02d", fields->tm_hour, fields->tm_min, fields->tm_sec);
    if (row.noCaptureDate)
        //% "%1 (file date)"
        return qtTrId("MainTableFileDate").arg(date);
    // "file": the photo's or movie's own metadata, the usual case, said by
    // saying nothing; "thm"/"THM": the camera's thumbnail beside a movie.
    if (row.dateSource.compare(QLatin1String("thm"), Qt::CaseInsensitive) == 0)
        //% "%1 (from its THM file)"
        date = qtTrId("MainTableThmDate").arg(date);
    if (row.shiftSeconds != 0)
        //% "%1 (shifted %2)"
        date = qtTrId("MainTableShiftedDate").arg(date, TimeShift::text(row.shiftSeconds));
    return date;
}

QString MainWindowController::problemText(const FileReport& row)
{
    if (row.noCaptureDate && row.action == FileReport::Action::Renamed)
        //% "no capture date found: named by the date of the file"
        return qtTrId("MainTableNoCaptureDate");
    switch (row.action) {
    case FileReport::Action::NeedsConfirmation:
        //% "needs confirmation"
        return row.message.isEmpty() ? qtTrId("MainTableNeedsConfirmation") : row.message;
    case FileReport::Action::Unchanged:
        //% "already named so"
        return qtTrId("MainTableUnchanged");
    case FileReport::Action::Deleted:
        //% "would be deleted"
        return qtTrId("MainTableDeleted");
    case FileReport::Action::Skipped:
    case FileReport::Action::Failed:
        return row.message;
    default:
        return QString();
    }
}

} // namespace lumenscribe
