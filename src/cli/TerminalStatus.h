// The terminal as the run's StatusProxy: calls are carried out at once on the
// run's thread. Progress redraws one line, alerts are one line each, and the
// two confirmation windows become questions.
#pragma once

#include "controllers/FrontEndStatus.h"

namespace lumenscribe {

class MainController;
class TerminalFileConfirm;
class TerminalFolderConfirm;
class TerminalOutput;

class TerminalStatus : public FrontEndStatus
{
public:
    TerminalStatus(MainController& controller, TerminalOutput& output, TerminalFileConfirm& fileConfirm,
                   TerminalFolderConfirm& folderConfirm);

    void showAlertPanel(const QString& message) override;
    void makeInfoWindowCloseTimer() override;
    void setNIWDoubleValue(double value) override;
    void setNIWMaxValue(double value) override;
    void setNIWInfo(const QString& text) override;

protected:
    void askFile(const QString& file) override;
    void askFolder() override;

private:
    TerminalOutput& m_output;
    TerminalFileConfirm& m_fileConfirm;
    TerminalFolderConfirm& m_folderConfirm;
    int m_value = 0;
    int m_max = 0;
    QString m_info;
};

} // namespace lumenscribe
