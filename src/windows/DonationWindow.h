// The donation information panel. At the first start of a new version its
// acknowledge button stays disabled for a few seconds, so that it is read
// rather than clicked away, and acknowledging it leads on to the
// preferences; opened from the About panel it is only information.
#pragma once

#include <QDialog>
#include <QTimer>

class QPushButton;

namespace lumenscribe {

class DonationWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kEnableDelayMs = 4500;

    explicit DonationWindow(QWidget* parent = nullptr);

    // A panel already on screen only comes forward: its button and timer
    // are left as they are.
    void openDonationInfoPanel(bool firstStart);
    bool usingEnableTimer() const { return m_usingEnableTimer; }
    const QTimer& enableTimer() const { return m_timer; }
    void setEnableDelay(int milliseconds) { m_timer.setInterval(milliseconds); }

signals:
    // Acknowledged at the first start of a new version.
    void preferencesRequested();

public slots:
    // Escape and the window's close button count as acknowledging, but
    // only once the button may be pressed.
    void reject() override;

private:
    void understandButtonClick();

    QPushButton* m_understand;
    QTimer m_timer;
    bool m_usingEnableTimer = false;
};

} // namespace lumenscribe
