#include "windows/UpdatePanel.h"

#include "controllers/OutsideLinks.h"
#include "windows/LinkOpener.h"
#include "windows/VersionDownload.h"

#include <QMessageBox>
#include <QPushButton>

namespace lumenscribe {

UpdatePanel::UpdatePanel(QObject* parent) : QObject(parent), m_download(new VersionDownload(this))
{
    connect(m_download, &VersionDownload::finished, this, [this](bool ok, const QString& text) {
        emit checkingChanged(false);
        showOutcome(ok, text);
    });
}

UpdatePanel::~UpdatePanel()
{
    delete m_panel.data();
}

void UpdatePanel::check(QWidget* window)
{
    if (m_download->running())
        return;
    m_window = window;
    if (m_download->start(QUrl(UpdateCheck::versionFileUrl())))
        emit checkingChanged(true);
}

bool UpdatePanel::checking() const
{
    return m_download->running();
}

QMessageBox* UpdatePanel::panel() const
{
    return m_panel.data();
}

void UpdatePanel::setTimeout(int milliseconds)
{
    m_download->setTimeout(milliseconds);
}

void UpdatePanel::showOutcome(bool ok, const QString& webVersion)
{
    delete m_panel.data();
    const UpdateCheck::Message message =
        UpdateCheck::message(ok ? std::optional<QString>(webVersion) : std::nullopt, UpdateCheck::thisVersion());
    auto* box = new QMessageBox(m_window);
    box->setObjectName(QStringLiteral("updatePanel"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(message.title);
    box->setText(message.text);
    box->setTextFormat(Qt::PlainText);
    QPushButton* accept = box->addButton(message.acceptButton, QMessageBox::AcceptRole);
    accept->setObjectName(QStringLiteral("updateAcceptButton"));
    box->setDefaultButton(accept);
    if (!message.rejectButton.isEmpty()) {
        QPushButton* reject = box->addButton(message.rejectButton, QMessageBox::RejectRole);
        reject->setObjectName(QStringLiteral("updateRejectButton"));
        box->setEscapeButton(reject);
    }
    const bool offersWebsite = message.panel == UpdateCheck::Panel::UpdateAvailable;
    connect(box, &QMessageBox::buttonClicked, this, [accept, offersWebsite](QAbstractButton* button) {
        if (offersWebsite && button == accept)
            LinkOpener::open(OutsideLinks::website());
    });
    m_panel = box;
    box->show();
    box->raise();
    box->activateWindow();
}

} // namespace lumenscribe
