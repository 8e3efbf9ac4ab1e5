#include "cli/TerminalFolderConfirm.h"

#include "cli/TerminalInput.h"
#include "cli/TerminalOutput.h"
#include "controllers/FIWController.h"

namespace lumenscribe {

TerminalFolderConfirm::TerminalFolderConfirm(FIWController& controller, TerminalOutput& output, bool interactive)
    : m_controller(controller), m_output(output), m_interactive(interactive)
{
}

void TerminalFolderConfirm::ask()
{
    if (!m_interactive) {
        //% "the download folder name \"%1\" needs confirmation (%2); nothing was renamed"
        m_output.message(QStringLiteral("lumenscribe: ") + qtTrId("CliFolderNeedsConfirmation").arg(m_name, m_info));
        m_controller.abortButtonClick();
        return;
    }
    for (;;) {
        //% "New download folder: %1"
        const QString folder = qtTrId("CliFolderNewFolder").arg(m_name);
        //: The letters in brackets are the answers typed: keep o, e and b.
        //% "[o]k, [e]dit the name, a[b]ort?"
        const QString choices = qtTrId("CliFolderChoices");
        m_output.message(QStringLiteral("%1\n  %2\n  %3 ").arg(folder, m_info, choices));
        QString choice;
        if (!TerminalInput::readLine(choice)) {
            m_controller.abortButtonClick();
            return;
        }
        choice = choice.trimmed().toLower();
        if (choice == u"o" && m_okEnabled) {
            m_controller.okButtonClick();
            return;
        }
        if (choice == u"b") {
            m_controller.abortButtonClick();
            return;
        }
        if (choice == u"e") {
            //% "Folder name:"
            m_output.message(QStringLiteral("  ") + qtTrId("CliFolderName") + u' ');
            QString name;
            if (!TerminalInput::readLine(name)) {
                m_controller.abortButtonClick();
                return;
            }
            m_controller.nameTextFieldChange(name);
            // The controller shows only the names it makes itself.
            m_name = name;
        }
    }
}

} // namespace lumenscribe
