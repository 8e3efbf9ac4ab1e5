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
        m_output.message(
            QStringLiteral("  [r]ename, rename [a]ll, [s]kip, a[b]ort, [e]dit the name, [c]orrect the date? "));
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
    m_output.message(QStringLiteral("%1\n  -> %2\n  %3\n  taken %4 (correction: %5)")
                         .arg(m_oldName, m_newName, m_info, m_fileDate.simplified(), m_difference));
}

// Answers whether the person has given an answer.
bool TerminalFileConfirm::handle(const QString& choice)
{
    if (choice == u"r" || choice == u"a") {
        if (!m_renameEnabled) {
            m_output.message(QStringLiteral("  This name cannot be used: %1").arg(m_info));
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
    m_output.message(QStringLiteral("  New name: "));
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
    m_output.message(QStringLiteral("  The right date for this file (YYYY-MM-DD HH:MM:SS); "
                                    "the correction then holds for the files that follow: "));
    QString text;
    if (!TerminalInput::readLine(text))
        return false;
    const OptionalInstant date = LocalDateText::parse(text);
    if (!date) {
        m_output.message(QStringLiteral("  That is not a date."));
        return true;
    }
    const std::tm t = LocalTime::breakDown(*date).value_or(std::tm{});
    if (!m_controller.correctionEnabled())
        m_controller.correctionEnableCheckBoxClick(true);
    m_controller.correctionStepperChange({t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec});
    return true;
}

} // namespace lumenscribe
