#include "cli/TerminalStatus.h"

#include "cli/TerminalFileConfirm.h"
#include "cli/TerminalFolderConfirm.h"
#include "cli/TerminalOutput.h"
#include "controllers/MainController.h"

#include <QDateTime>

namespace lumenscribe {

TerminalStatus::TerminalStatus(MainController& controller, TerminalOutput& output, TerminalFileConfirm& fileConfirm,
                               TerminalFolderConfirm& folderConfirm)
    : FrontEndStatus(controller), m_output(output), m_fileConfirm(fileConfirm), m_folderConfirm(folderConfirm)
{
}

void TerminalStatus::showAlertPanel(const QString& message)
{
    m_output.message(QStringLiteral("lumenscribe: ") + message);
}

void TerminalStatus::askFolder()
{
    m_folderConfirm.ask();
}

void TerminalStatus::askFile(const QString&)
{
    m_output.clearProgress();
    m_fileConfirm.ask();
}

void TerminalStatus::makeInfoWindowCloseTimer()
{
    m_output.clearProgress();
}

void TerminalStatus::setNIWDoubleValue(double value)
{
    m_value = static_cast<int>(value);
    if (m_value > 0)
        m_output.progress(m_value, m_max, m_info);
}

void TerminalStatus::setNIWMaxValue(double value)
{
    m_max = static_cast<int>(value);
}

void TerminalStatus::setNIWInfo(const QString& text)
{
    m_info = text;
}

} // namespace lumenscribe
