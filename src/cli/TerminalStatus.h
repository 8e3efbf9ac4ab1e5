// The terminal as the run's StatusProxy: calls are carried out at once on the
// run's thread. Progress redraws one line, alerts are one line each, and the
// two confirmation windows become questions.
#pragma once

#include "run/StatusProxy.h"

namespace lumenscribe {

class MainController;
class TerminalFileConfirm;
class TerminalFolderConfirm;
class TerminalOutput;

class TerminalStatus : public StatusProxy
{
public:
    TerminalStatus(MainController& controller, TerminalOutput& output, TerminalFileConfirm& fileConfirm,
                   TerminalFolderConfirm& folderConfirm);

    void showAlertPanel(const QString& message) override;
    void closeFIW() override;
    void openFIW() override;
    void ciwWithFile(const QString& file, const QString& path, Instant date) override;
    void closeCIW() override;
    void openCIW() override;
    QString fiwMakeFolderName() override;
    void refreshCounters() override;
    void makeInfoWindowCloseTimer() override;
    void setNIWDoubleValue(double value) override;
    void setNIWMaxValue(double value) override;
    void setNIWInfo(const QString& text) override;

private:
    MainController& m_controller;
    TerminalOutput& m_output;
    TerminalFileConfirm& m_fileConfirm;
    TerminalFolderConfirm& m_folderConfirm;
    int m_value = 0;
    int m_max = 0;
    QString m_info;
};

} // namespace lumenscribe
