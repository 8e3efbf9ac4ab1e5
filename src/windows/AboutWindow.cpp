#include "windows/AboutWindow.h"

#include "controllers/OutsideLinks.h"
#include "controllers/UpdateCheck.h"
#include "windows/LinkOpener.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenscribe {

namespace {

QPushButton* addLinkButton(QDialogButtonBox* box, const QString& text, const char* name)
{
    QPushButton* button = box->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutPanel"));
    //% "About Lumenscribe"
    setWindowTitle(qtTrId("AboutTitle"));

    auto* name = new QLabel(QStringLiteral("Lumenscribe"), this);
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    name->setFont(large);
    name->setAlignment(Qt::AlignHCenter);

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("versionTextField"));
    m_version->setAlignment(Qt::AlignHCenter);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    //% "Renames photos and movies by the date they were taken."
    auto* purpose = new QLabel(qtTrId("AboutPurpose"), this);
    purpose->setAlignment(Qt::AlignHCenter);
    purpose->setWordWrap(true);

    auto* links = new QDialogButtonBox(Qt::Vertical, this);
    //% "Write to Support…"
    connect(addLinkButton(links, qtTrId("AboutMailButton"), "mailButton"), &QPushButton::clicked, this,
            [] { LinkOpener::open(OutsideLinks::supportMail()); });
    //% "Visit Web Site"
    connect(addLinkButton(links, qtTrId("AboutWebsiteButton"), "websiteButton"), &QPushButton::clicked, this,
            [] { LinkOpener::open(OutsideLinks::website()); });
    //% "Donate…"
    connect(addLinkButton(links, qtTrId("AboutDonateButton"), "payPalButton"), &QPushButton::clicked, this,
            [] { LinkOpener::open(OutsideLinks::donation()); });
    //% "Donation Information…"
    connect(addLinkButton(links, qtTrId("AboutDonationInfoButton"), "donationInfoButton"), &QPushButton::clicked, this,
            &AboutWindow::donationInfoRequested);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(m_version);
    layout->addWidget(purpose);
    layout->addSpacing(8);
    layout->addWidget(links, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::openAboutPanel()
{
    if (!isVisible()) {
        //% "Version %1"
        m_version->setText(qtTrId("AboutVersion").arg(UpdateCheck::thisVersion()));
        show();
    }
    raise();
    activateWindow();
}

} // namespace lumenscribe
