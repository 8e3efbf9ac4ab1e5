// The confirm-each-file window, as questions on the terminal. Without a
// terminal to ask, a file that needs an answer is left as it is.
#pragma once

#include "controllers/CIWView.h"

namespace lumenscribe {

class CIWController;
class TerminalOutput;

class TerminalFileConfirm : public CIWView
{
public:
    TerminalFileConfirm(CIWController& controller, TerminalOutput& output, bool interactive);

    // Asks about the file on show until the person gives an answer.
    void ask();

    void openWindow() override {}
    void closeWindow() override {}
    void showOldName(const QString& name) override { m_oldName = name; }
    void showNewName(const QString& name) override { m_newName = name; }
    void showInfo(const QString& text) override { m_info = text; }
    void setRenameButtonsEnabled(bool enabled) override { m_renameEnabled = enabled; }
    void showPrefixSuffix(const QString&, bool, const QString&, bool) override {}
    void setFocus(Focus, int, int) override {}
    void showCorrection(const std::array<int, 6>& fields, const QString& fileDate, const QString& difference) override;
    void showFile(const QString&) override {}

private:
    void showState();
    bool handle(const QString& choice);
    // False when no answer came (Ctrl-C or end of input).
    bool editName();
    bool correctDate();

    CIWController& m_controller;
    TerminalOutput& m_output;
    bool m_interactive;
    QString m_oldName;
    QString m_newName;
    QString m_info;
    QString m_fileDate;
    QString m_difference;
    bool m_renameEnabled = false;
};

} // namespace lumenscribe
