#include "windows/AlertPanel.h"

#include "platform/LocalizedStrings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace lumenscribe {

AlertPanel::AlertPanel(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("alertPanel"));
    const LocalizedStrings& strings = LocalizedStrings::shared();
    setWindowTitle(strings.text(QStringLiteral("AlertPanelTitle"), QStringLiteral("Lumenscribe")));
    setModal(false);

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    m_first = new QLabel(this);
    m_first->setObjectName(QStringLiteral("alertMessage"));
    // The run's message goes on screen as it is: never markup, never a format.
    m_first->setTextFormat(Qt::PlainText);
    m_first->setWordWrap(true);
    m_first->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_first->setMinimumWidth(380);
    m_more = new QLabel(this);
    m_more->setObjectName(QStringLiteral("alertMoreLabel"));
    m_more->setTextFormat(Qt::PlainText);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("alertList"));
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setMaximumHeight(m_list->fontMetrics().height() * 10);
    //% "Further problems"
    m_list->setAccessibleName(qtTrId("AlertListAccessibleName"));
    m_more->setBuddy(m_list);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(strings.text(QStringLiteral("AlertPanelOkButton"), QStringLiteral("Ok")),
                              QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("alertOkButton"));
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(m_first);
    text->addWidget(m_more);
    text->addWidget(m_list);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    m_more->hide();
    m_list->hide();
}

void AlertPanel::addMessage(const QString& message)
{
    m_messages.append(message);
    if (m_messages.size() == 1) {
        m_first->setText(message);
        adjustSize();
        show();
        raise();
        activateWindow();
        return;
    }
    auto* item = new QListWidgetItem(message, m_list);
    item->setToolTip(message);
    showMore();
}

void AlertPanel::showMore()
{
    const int more = static_cast<int>(m_messages.size()) - 1;
    //% "%n more problem(s):"
    m_more->setText(qtTrId("AlertMoreProblems", more));
    if (m_more->isHidden()) {
        m_more->show();
        m_list->show();
        adjustSize();
    }
    m_list->scrollToBottom();
}

// Dismissed: the next message starts a new alert.
void AlertPanel::done(int result)
{
    m_messages.clear();
    m_list->clear();
    m_more->hide();
    m_list->hide();
    QDialog::done(result);
}

} // namespace lumenscribe
