// The folder-name window, as a question on the terminal. Without a terminal
// the run is stopped rather than guessing a folder name.
#pragma once

#include "controllers/FIWView.h"

namespace lumenscribe {

class FIWController;
class TerminalOutput;

class TerminalFolderConfirm : public FIWView
{
public:
    TerminalFolderConfirm(FIWController& controller, TerminalOutput& output, bool interactive);

    void ask();

    void openWindow() override {}
    void closeWindow() override {}
    void showName(const QString& name) override { m_name = name; }
    void showInfo(const QString& text) override { m_info = text; }
    void setOkButtonEnabled(bool enabled) override { m_okEnabled = enabled; }
    void showPrefixSuffix(const QString&, bool, const QString&, bool) override {}

private:
    FIWController& m_controller;
    TerminalOutput& m_output;
    bool m_interactive;
    QString m_name;
    QString m_info;
    bool m_okEnabled = false;
};

} // namespace lumenscribe
