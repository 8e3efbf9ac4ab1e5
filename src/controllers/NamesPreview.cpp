#include "controllers/NamesPreview.h"

#include "controllers/MainController.h"
#include "fs/PlannedFileSystem.h"
#include "platform/PathNames.h"
#include "run/RenameRun.h"
#include "run/StatusProxy.h"

#include <QDateTime>

namespace lumenscribe {

// The plan shows no progress and asks nothing; the dated folder is named
// from the plan's own copy of the folder style, never from the window the
// real run may have open.
class NamesPreview::PlanStatus : public StatusProxy
{
public:
    PlanStatus(NamesPreview& preview, const RunSnapshot& snapshot)
        : m_preview(preview), m_folderStyle(snapshot.folderStyle),
          m_downloadFolder(snapshot.settings.downloadDestinationFolder)
    {
    }

    void showAlertPanel(const QString& message) override { m_preview.noteAlert(message); }
    void closeFIW() override {}
    void openFIW() override {}
    void ciwWithFile(const QString&, const QString&, Instant) override {}
    void closeCIW() override {}
    void openCIW() override {}
    QString fiwMakeFolderName() override
    {
        const auto now = static_cast<Instant>(QDateTime::currentSecsSinceEpoch());
        return PathNames::join(m_downloadFolder, m_folderStyle.makeNewFolderNameAtPath(m_downloadFolder, now));
    }
    void refreshCounters() override {}
    void makeInfoWindowCloseTimer() override {}
    void setNIWDoubleValue(double) override {}
    void setNIWMaxValue(double) override {}
    void setNIWInfo(const QString&) override {}

private:
    NamesPreview& m_preview;
    NameGenerator m_folderStyle;
    QString m_downloadFolder;
};

NamesPreview::NamesPreview(MainController& controller, QObject* parent) : QObject(parent), m_controller(controller)
{
}

NamesPreview::~NamesPreview()
{
    stop();
}

void NamesPreview::setPaths(const QStringList& paths)
{
    m_paths = paths;
    refresh();
}

void NamesPreview::clear()
{
    stop();
    m_paths.clear();
    const std::lock_guard lock(m_mutex);
    m_rows.clear();
    m_alerts.clear();
}

void NamesPreview::refresh()
{
    stop();
    if (m_paths.isEmpty())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_toOpen.assign(m_paths.begin(), m_paths.end());
        m_planning.clear();
        m_planningAlerts.clear();
    }
    RunSnapshot snapshot = m_controller.makeRunSnapshot();
    snapshot.dryRun = true;
    snapshot.renameAllAtStart = true;
    m_state = std::make_unique<RunState>();
    m_state->started(true);
    m_worker = std::thread([this, state = m_state.get(), snapshot = std::move(snapshot)]() mutable {
        PlanStatus status(*this, snapshot);
        PlannedFileSystem plan(m_controller.fileSystem());
        RenameRun run(std::move(snapshot), *this, *state, status, this, plan);
        run.run();
    });
}

void NamesPreview::waitForPlan()
{
    if (m_worker.joinable())
        m_worker.join();
}

void NamesPreview::stop()
{
    if (!m_worker.joinable())
        return;
    m_state->requestTermination();
    m_worker.join();
    const std::lock_guard lock(m_mutex);
    m_toOpen.clear();
}

QList<FileReport> NamesPreview::rows() const
{
    const std::lock_guard lock(m_mutex);
    return m_rows;
}

QStringList NamesPreview::alerts() const
{
    const std::lock_guard lock(m_mutex);
    return m_alerts;
}

std::optional<QString> NamesPreview::takeFirstToOpen()
{
    const std::lock_guard lock(m_mutex);
    if (m_toOpen.empty())
        return std::nullopt;
    QString first = std::move(m_toOpen.front());
    m_toOpen.pop_front();
    return first;
}

qsizetype NamesPreview::toOpenCount() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<qsizetype>(m_toOpen.size());
}

Instant NamesPreview::correctDate(Instant date) const
{
    return m_controller.correctDate(date);
}

// The members of a group that keeps one name are files of their own in the
// table, each with the group's date.
void NamesPreview::fileDone(const FileReport& report)
{
    const std::lock_guard lock(m_mutex);
    m_planning.append(report);
    for (const FileReport::Companion& member : report.members) {
        FileReport row = report;
        row.source = member.source;
        row.target = member.target;
        row.action = member.action;
        row.message = member.message;
        row.members.clear();
        row.companions.clear();
        m_planning.append(row);
    }
}

void NamesPreview::noteAlert(const QString& message)
{
    const std::lock_guard lock(m_mutex);
    m_planningAlerts.append(message);
}

// A plan stopped for a newer one is dropped whole: half a table would show
// names that the files after it would change.
void NamesPreview::runEnded(bool aborted)
{
    if (aborted && m_state->terminationRequested())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_rows = std::move(m_planning);
        m_alerts = std::move(m_planningAlerts);
        m_planning.clear();
        m_planningAlerts.clear();
    }
    emit planned();
}

} // namespace lumenscribe
