// A front end for tests: carries the run's calls out at once, answers the
// two confirmation windows from a script, and records what the person would
// have seen.
#pragma once

#include "controllers/FrontEndStatus.h"
#include "controllers/MainController.h"
#include "run/RunObserver.h"
#include "run/StatusProxy.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <functional>

namespace lumenscribe::test {

class ScriptedFrontEnd : public FrontEndStatus, public RunObserver
{
public:
    explicit ScriptedFrontEnd(MainController& controller) : FrontEndStatus(controller), m_controller(controller)
    {
        controller.setStatusProxy(this);
        controller.setRunObserver(this);
    }

    // Answers for the confirm-each-file window, in order; don't-rename once
    // the script runs out.
    QList<int> ciwAnswers;
    QList<int> fiwAnswers;
    // Runs while a file is on show, before the answer is given.
    std::function<void(const QString& file)> onShow;

    QStringList alerts;
    QStringList shownFiles;
    QList<Instant> shownDates;
    QStringList infos;
    QList<double> maxValues;
    QList<FileReport> reports;
    int fiwOpened = 0;
    bool ended = false;
    bool endedAborted = false;

    void showAlertPanel(const QString& message) override { alerts.append(message); }
    void askFolder() override
    {
        ++fiwOpened;
        const int answer = fiwAnswers.isEmpty() ? 1 : fiwAnswers.takeFirst();
        if (answer == 2)
            m_controller.fiwController().okButtonClick();
        else
            m_controller.fiwController().abortButtonClick();
    }
    void ciwWithFile(const QString& file, const QString& path, Instant date) override
    {
        shownDates.append(date);
        FrontEndStatus::ciwWithFile(file, path, date);
    }
    void askFile(const QString& file) override
    {
        shownFiles.append(file);
        if (onShow)
            onShow(file);
        CIWController& ciw = m_controller.ciwController();
        switch (ciwAnswers.isEmpty() ? 2 : ciwAnswers.takeFirst()) {
        case 1:
            ciw.abortButtonClick();
            break;
        case 3:
            ciw.renameAllButtonClick();
            break;
        case 4:
            ciw.renameButtonClick();
            break;
        default:
            ciw.dontRenameButtonClick();
            break;
        }
    }
    void makeInfoWindowCloseTimer() override {}
    void setNIWDoubleValue(double) override {}
    void setNIWMaxValue(double value) override { maxValues.append(value); }
    void setNIWInfo(const QString& text) override { infos.append(text); }

    void fileDone(const FileReport& report) override { reports.append(report); }
    void runEnded(bool aborted) override
    {
        ended = true;
        endedAborted = aborted;
    }

    QStringList reportedSources() const
    {
        QStringList sources;
        for (const FileReport& r : reports)
            sources.append(r.source);
        return sources;
    }

private:
    MainController& m_controller;
};

} // namespace lumenscribe::test
