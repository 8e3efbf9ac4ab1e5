// The part of the run's StatusProxy that is the same for every front end:
// the two windows' controllers are opened, handed the file or folder and
// closed, the dated folder is named from the run's download folder and this
// moment, and the counters go back to the style collections. A front end
// derives from this and adds only what is its own: showing progress and
// alerts, and asking the person (askFile, askFolder).
#pragma once

#include "run/StatusProxy.h"

namespace lumenscribe {

class MainController;

class FrontEndStatus : public StatusProxy
{
public:
    explicit FrontEndStatus(MainController& controller) : m_controller(controller) {}

    void openFIW() override;
    void closeFIW() override;
    void openCIW() override;
    void ciwWithFile(const QString& file, const QString& path, Instant date) override;
    void ciwSubSeconds(const QString& digits) override;
    void closeCIW() override;
    QString fiwMakeFolderName() override;
    void refreshCounters() override;

protected:
    // The confirm window now shows `file`: a front end that asks in its own
    // way (a terminal prompt) asks here; a window has already been shown by
    // its controller's view.
    virtual void askFile(const QString& file) { Q_UNUSED(file); }
    virtual void askFolder() {}
    MainController& controller() const { return m_controller; }

private:
    MainController& m_controller;
};

} // namespace lumenscribe
