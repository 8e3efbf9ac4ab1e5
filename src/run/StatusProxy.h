// The one road from the rename run to the person: progress, alerts and the
// two confirmation windows. The run calls these on its worker thread; each
// front end decides how a call travels (the desktop application carries
// them to its main thread, in order, blocking for the two-way ones; the
// terminal carries them out at once).
#pragma once

#include "platform/Instant.h"

#include <QString>

namespace lumenscribe {

class StatusProxy
{
public:
    virtual ~StatusProxy() = default;

    // One-way: the run does not wait for these to be carried out.
    virtual void showAlertPanel(const QString& message) = 0;
    virtual void closeFIW() = 0;
    virtual void openFIW() = 0;
    virtual void ciwWithFile(const QString& file, const QString& path, Instant date) = 0;
    // The fraction of the second of the next file's date, sent before
    // ciwWithFile: the window names the file as the run would.
    virtual void ciwSubSeconds(const QString& digits) { Q_UNUSED(digits) }
    virtual void closeCIW() = 0;
    virtual void openCIW() = 0;

    // Two-way: the run waits until these are done.
    // The proposed full path of the dated folder (the folder-name window's
    // automatic name, without showing the window).
    virtual QString fiwMakeFolderName() = 0;
    virtual void refreshCounters() = 0;
    virtual void makeInfoWindowCloseTimer() = 0;
    virtual void setNIWDoubleValue(double value) = 0;
    virtual void setNIWMaxValue(double value) = 0;
    virtual void setNIWInfo(const QString& text) = 0;
};

} // namespace lumenscribe
