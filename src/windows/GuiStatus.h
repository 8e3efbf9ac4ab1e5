// The desktop application's side of the run's StatusProxy, on the main
// thread (the run's calls reach it through the StatusBridge): progress in
// the progress window, alerts in the one alert panel, and the timer that
// closes the progress window 0.8 s after a run.
#pragma once

#include "controllers/FrontEndStatus.h"

#include <QObject>
#include <QTimer>

namespace lumenscribe {

class AlertPanel;
class ProgressWindow;

class GuiStatus : public QObject, public FrontEndStatus
{
    Q_OBJECT

public:
    GuiStatus(MainController& controller, ProgressWindow& progress, AlertPanel& alerts, QObject* parent = nullptr);

    static constexpr int kCloseDelayMilliseconds = 800;

    void showAlertPanel(const QString& message) override;
    void refreshCounters() override;
    void makeInfoWindowCloseTimer() override;
    void setNIWDoubleValue(double value) override;
    void setNIWMaxValue(double value) override;
    void setNIWInfo(const QString& text) override;

    bool progressWindowIsOpen() const { return m_progressOpen; }
    bool closeTimerActive() const { return m_closeTimer.isActive(); }

signals:
    // A run has ended and the style collections have its counters.
    void runEnded();
    // The progress window has closed after a run.
    void progressClosed();
    // The progress bar moved: value and maximum, for the taskbar.
    void progressChanged(double value, double maximum);

private:
    void openProgressWindow();
    void infoWindowCloseTimerFired();
    // The run reports every file; the window is drawn at most every
    // kDrawMilliseconds, with what is newest then, so that a run of small
    // files is not held up by drawing.
    void scheduleDraw();
    void draw();

    ProgressWindow& m_progress;
    AlertPanel& m_alerts;
    static constexpr int kDrawMilliseconds = 50;
    QTimer m_closeTimer;
    QTimer m_drawTimer;
    QString m_info;
    bool m_progressOpen = false;
    double m_value = 0;
    double m_maximum = 0;
};

} // namespace lumenscribe
