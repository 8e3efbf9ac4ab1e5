#include "controllers/FrontEndStatus.h"

#include "controllers/MainController.h"

#include <QDateTime>

namespace lumenscribe {

namespace {

Instant now()
{
    return static_cast<Instant>(QDateTime::currentSecsSinceEpoch());
}

} // namespace

void FrontEndStatus::openFIW()
{
    m_controller.fiwController().openWithPath(m_controller.windowSnapshot().settings.downloadDestinationFolder, now());
    askFolder();
}

void FrontEndStatus::closeFIW()
{
    m_controller.fiwController().close();
}

void FrontEndStatus::openCIW()
{
    m_controller.ciwController().open();
}

void FrontEndStatus::ciwWithFile(const QString& file, const QString& path, Instant date)
{
    m_controller.ciwController().processFile(file, path, date);
    askFile(file);
}

void FrontEndStatus::ciwSubSeconds(const QString& digits)
{
    m_controller.ciwController().setSubSeconds(digits);
}

void FrontEndStatus::closeCIW()
{
    m_controller.ciwController().close();
}

QString FrontEndStatus::fiwMakeFolderName()
{
    FIWController& fiw = m_controller.fiwController();
    fiw.makeFolderNameWithPath(m_controller.windowSnapshot().settings.downloadDestinationFolder, now());
    return fiw.newFolderName();
}

void FrontEndStatus::refreshCounters()
{
    m_controller.refreshCounters();
}

} // namespace lumenscribe
