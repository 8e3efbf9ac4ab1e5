// The names a drop would get, planned before anything is renamed: the real
// run, as a dry run on a thread of its own, over the file system's answers
// with every step it would take remembered but none taken. The desktop
// application shows the rows and plans again when a style changes.
#pragma once

#include "run/ModalAnswer.h"
#include "run/RunHost.h"
#include "run/RunObserver.h"
#include "run/RunState.h"

#include <QObject>
#include <QStringList>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace lumenscribe {

class MainController;

class NamesPreview : public QObject, public RunHost, private RunObserver
{
    Q_OBJECT

public:
    explicit NamesPreview(MainController& controller, QObject* parent = nullptr);
    ~NamesPreview() override;

    // The files and folders to plan for; plans at once.
    void setPaths(const QStringList& paths);
    const QStringList& paths() const { return m_paths; }
    // Plans again with the settings and styles as they are now. A plan still
    // being made is stopped and its rows never shown.
    void refresh();
    // Stops planning and forgets the paths and rows.
    void clear();
    // Blocks until the plan under way, if any, is made.
    void waitForPlan();

    bool planning() const { return m_state && m_state->isRunning(); }
    // The rows of the last plan made, in the order the run met the files.
    QList<FileReport> rows() const;
    // The alerts the plan raised (a folder that cannot be read, ...).
    QStringList alerts() const;

    // --- the plan's side (its own thread) ---
    std::optional<QString> takeFirstToOpen() override;
    qsizetype toOpenCount() const override;
    ModalAnswer& fileAnswer() override { return m_unasked; }
    ModalAnswer& folderAnswer() override { return m_unasked; }
    Instant correctDate(Instant date) const override;
    void fileNumbered(int) override {}
    void folderNumbered(int) override {}

signals:
    // A plan is made; sent from the plan's thread.
    void planned();

private:
    class PlanStatus;

    void fileDone(const FileReport& report) override;
    void runEnded(bool aborted) override;
    bool showsFailureReasons() const override { return true; }
    void stop();
    void plan();
    void noteAlert(const QString& message);

    MainController& m_controller;
    QStringList m_paths;
    // One per plan: a plan stopped for a newer one keeps its own flags.
    std::unique_ptr<RunState> m_state;
    // A dry run never asks: it reports the files it would have asked about.
    ModalAnswer m_unasked;
    std::thread m_worker;
    mutable std::mutex m_mutex;
    std::deque<QString> m_toOpen;
    QList<FileReport> m_planning;
    QList<FileReport> m_rows;
    QStringList m_planningAlerts;
    QStringList m_alerts;
};

} // namespace lumenscribe
