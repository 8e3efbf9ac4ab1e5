#include "cli/TerminalStatus.h"

#include "cli/TerminalFileConfirm.h"
#include "cli/TerminalFolderConfirm.h"
#include "cli/TerminalOutput.h"
#include "controllers/MainController.h"

#include <QDateTime>

namespace lumenscribe {

namespace {

Instant now()
{
    return static_cast<Instant>(QDateTime::currentSecsSinceEpoch());
}

} // namespace

TerminalStatus::TerminalStatus(MainController& controller, TerminalOutput& output, TerminalFileConfirm& fileConfirm,
                               TerminalFolderConfirm& folderConfirm)
    : m_controller(controller), m_output(output), m_fileConfirm(fileConfirm), m_folderConfirm(folderConfirm)
{
}

void TerminalStatus::showAlertPanel(const QString& message)
{
    m_output.message(QStringLiteral("lumenscribe: ") + message);
}

void TerminalStatus::closeFIW()
{
    m_controller.fiwController().close();
}

void TerminalStatus::openFIW()
{
    m_controller.fiwController().openWithPath(m_controller.downloadDestinationFolder(), now());
    m_folderConfirm.ask();
}

void TerminalStatus::ciwWithFile(const QString& file, const QString& path, Instant date)
{
    m_controller.ciwController().processFile(file, path, date);
    m_output.clearProgress();
    m_fileConfirm.ask();
}

void TerminalStatus::closeCIW()
{
    m_controller.ciwController().close();
}

void TerminalStatus::openCIW()
{
    m_controller.ciwController().open();
}

QString TerminalStatus::fiwMakeFolderName()
{
    FIWController& fiw = m_controller.fiwController();
    fiw.makeFolderNameWithPath(m_controller.downloadDestinationFolder(), now());
    return fiw.newFolderName();
}

void TerminalStatus::refreshCounters()
{
    m_controller.refreshCounters();
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
