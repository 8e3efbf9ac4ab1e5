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
        m_output.message(QStringLiteral("lumenscribe: the download folder name \"%1\" needs confirmation (%2); "
                                        "nothing was renamed")
                             .arg(m_name, m_info));
        m_controller.abortButtonClick();
        return;
    }
    for (;;) {
        m_output.message(
            QStringLiteral("New download folder: %1\n  %2\n  [o]k, [e]dit the name, a[b]ort? ").arg(m_name, m_info));
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
            m_output.message(QStringLiteral("  Folder name: "));
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
