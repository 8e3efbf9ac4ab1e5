#include "windows/DonationWindow.h"

#include "controllers/OutsideLinks.h"
#include "windows/LinkOpener.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenscribe {

DonationWindow::DonationWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("donationInfoPanel"));
    //% "Donation Information"
    setWindowTitle(qtTrId("DonationTitle"));

    //% "Lumenscribe is free. If it saves you time sorting your photos, please consider a small donation: it keeps the program maintained and improved."
    auto* text = new QLabel(qtTrId("DonationText"), this);
    text->setObjectName(QStringLiteral("donationText"));
    text->setWordWrap(true);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 50);

    auto* buttons = new QDialogButtonBox(this);
    //% "Donate…"
    QPushButton* donate = buttons->addButton(qtTrId("DonationDonateButton"), QDialogButtonBox::ActionRole);
    donate->setObjectName(QStringLiteral("payPalButton"));
    donate->setAutoDefault(false);
    connect(donate, &QPushButton::clicked, this, [] { LinkOpener::open(OutsideLinks::donation()); });
    //% "I Understand"
    m_understand = buttons->addButton(qtTrId("DonationUnderstand"), QDialogButtonBox::AcceptRole);
    m_understand->setObjectName(QStringLiteral("understandButton"));
    m_understand->setDefault(true);
    connect(m_understand, &QPushButton::clicked, this, &DonationWindow::understandButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kEnableDelayMs);
    // Held back exactly as long, and its remaining time told truly.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_understand->setEnabled(true); });
}

void DonationWindow::openDonationInfoPanel(bool firstStart)
{
    if (!isVisible()) {
        m_understand->setEnabled(!firstStart);
        if (firstStart) {
            m_usingEnableTimer = true;
            m_timer.start();
        } else {
            m_timer.stop();
        }
        show();
    }
    raise();
    activateWindow();
}

void DonationWindow::reject()
{
    if (m_understand->isEnabled())
        understandButtonClick();
}

void DonationWindow::understandButtonClick()
{
    hide();
    if (m_usingEnableTimer) {
        m_usingEnableTimer = false;
        emit preferencesRequested();
    }
}

} // namespace lumenscribe
