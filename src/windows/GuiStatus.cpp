#include "windows/GuiStatus.h"

#include "controllers/MainController.h"
#include "windows/AlertPanel.h"
#include "windows/ProgressWindow.h"

namespace lumenscribe {

GuiStatus::GuiStatus(MainController& controller, ProgressWindow& progress, AlertPanel& alerts, QObject* parent)
    : QObject(parent), FrontEndStatus(controller), m_progress(progress), m_alerts(alerts)
{
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(kCloseDelayMilliseconds);
    connect(&m_closeTimer, &QTimer::timeout, this, &GuiStatus::infoWindowCloseTimerFired);
    m_drawTimer.setSingleShot(true);
    m_drawTimer.setInterval(kDrawMilliseconds);
    connect(&m_drawTimer, &QTimer::timeout, this, &GuiStatus::draw);
}

void GuiStatus::scheduleDraw()
{
    if (!m_drawTimer.isActive())
        m_drawTimer.start();
}

void GuiStatus::draw()
{
    m_drawTimer.stop();
    m_progress.setMaximum(m_maximum);
    m_progress.setValue(m_value);
    m_progress.setInfo(m_info);
    emit progressChanged(m_value, m_maximum);
}

void GuiStatus::showAlertPanel(const QString& message)
{
    m_alerts.addMessage(message);
}

void GuiStatus::refreshCounters()
{
    FrontEndStatus::refreshCounters();
    emit runEnded();
}

void GuiStatus::makeInfoWindowCloseTimer()
{
    draw();
    m_progress.setAbortEnabled(false);
    m_closeTimer.start();
}

// The run's first call of a batch opens the window; a run that starts while
// it is still open keeps it, and its close timer is called off.
void GuiStatus::openProgressWindow()
{
    m_closeTimer.stop();
    m_progress.setAbortEnabled(true);
    if (m_progressOpen)
        return;
    m_progressOpen = true;
    m_progress.show();
    m_progress.raise();
}

void GuiStatus::setNIWDoubleValue(double value)
{
    m_value = value;
    scheduleDraw();
}

void GuiStatus::setNIWMaxValue(double value)
{
    openProgressWindow();
    m_maximum = value;
    scheduleDraw();
}

void GuiStatus::setNIWInfo(const QString& text)
{
    if (controller().isRunning() && !m_closeTimer.isActive())
        openProgressWindow();
    m_info = text;
    scheduleDraw();
}

void GuiStatus::infoWindowCloseTimerFired()
{
    if (m_progressOpen) {
        m_progress.hide();
        m_progressOpen = false;
    }
    controller().ciwController().close();
    emit progressClosed();
}

} // namespace lumenscribe
