#include "cli/TerminalFileConfirm.h"

#include "cli/LocalDateText.h"
#include "cli/TerminalInput.h"
#include "cli/TerminalOutput.h"
#include "controllers/CIWController.h"
#include "platform/LocalTime.h"

#include <ctime>

namespace lumenscribe {

TerminalFileConfirm::TerminalFileConfirm(CIWController& controller, TerminalOutput& output, bool interactive)
    : m_controller(controller), m_output(output), m_interactive(interactive)
{
}

void TerminalFileConfirm::showCorrection(const std::array<int, 6>&, const QString& fileDate, const QString& difference)
{
    m_fileDate = fileDate;
    m_difference = difference;
}

void TerminalFileConfirm::ask()
{
    if (!m_interactive) {
        m_controller.dontRenameButtonClick();
        return;
    }
    for (;;) {
        showState();
        //: The letters in brackets are the answers typed: keep r, a, s, b, e and c.
        //% "[r]ename, rename [a]ll, [s]kip, a[b]ort, [e]dit the name, [c]orrect the date?"
        m_output.message(QStringLiteral("  ") + qtTrId("CliPromptFileChoices") + u' ');
        QString choice;
        if (!TerminalInput::readLine(choice)) {
            m_controller.abortButtonClick();
            return;
        }
        if (handle(choice.trimmed().toLower()))
            return;
    }
}

void TerminalFileConfirm::showState()
{
    //% "taken %1 (correction: %2)"
    const QString taken = qtTrId("CliPromptFileTaken").arg(m_fileDate.simplified(), m_difference);
    m_output.message(QStringLiteral("%1\n  -> %2\n  %3\n  %4").arg(m_oldName, m_newName, m_info, taken));
}

// Answers whether the person has given an answer.
bool TerminalFileConfirm::handle(const QString& choice)
{
    if (choice == u"r" || choice == u"a") {
        if (!m_renameEnabled) {
            //% "This name cannot be used: %1"
            m_output.message(QStringLiteral("  ") + qtTrId("CliPromptNameUnusable").arg(m_info));
            return false;
        }
        if (choice == u"r")
            m_controller.renameButtonClick();
        else
            m_controller.renameAllButtonClick();
        return true;
    }
    if (choice == u"s") {
        m_controller.dontRenameButtonClick();
        return true;
    }
    if (choice == u"b") {
        m_controller.abortButtonClick();
        return true;
    }
    // No line at the follow-up question (Ctrl-C, end of input) aborts as
    // it does at the main one.
    const bool read = choice == u"e" ? editName() : (choice == u"c" ? correctDate() : true);
    if (!read) {
        m_controller.abortButtonClick();
        return true;
    }
    return false;
}

bool TerminalFileConfirm::editName()
{
    //% "New name:"
    m_output.message(QStringLiteral("  ") + qtTrId("CliPromptNewName") + u' ');
    QString name;
    if (!TerminalInput::readLine(name))
        return false;
    m_controller.newNameTextFieldChange(name);
    // The controller shows what it made itself; a typed name the view keeps.
    m_newName = name;
    return true;
}

bool TerminalFileConfirm::correctDate()
{
    //% "The right date for this file (YYYY-MM-DD HH:MM:SS); the correction then holds for the files that follow:"
    m_output.message(QStringLiteral("  ") + qtTrId("CliPromptRightDate") + u' ');
    QString text;
    if (!TerminalInput::readLine(text))
        return false;
    const OptionalInstant date = LocalDateText::parse(text);
    if (!date) {
        //% "That is not a date."
        m_output.message(QStringLiteral("  ") + qtTrId("CliPromptNotADate"));
        return true;
    }
    const std::tm t = LocalTime::breakDown(*date).value_or(std::tm{});
    if (!m_controller.correctionEnabled())
        m_controller.correctionEnableCheckBoxClick(true);
    m_controller.correctionStepperChange({t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec});
    return true;
}

} // namespace lumenscribe
