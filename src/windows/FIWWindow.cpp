#include "windows/FIWWindow.h"

#include "controllers/FIWController.h"
#include "windows/Controls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace lumenscribe {

FIWWindow::FIWWindow(FIWController& controller, QWidget* parent) : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("fiwWindow"));
    //% "Name of the New Folder"
    setWindowTitle(qtTrId("FiwWindowTitle"));
    setModal(false);
    makeControls();
    m_controller.setView(this);
}

FIWWindow::~FIWWindow()
{
    m_controller.setView(nullptr);
}

void FIWWindow::makeControls()
{
    auto* form = new QFormLayout;
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("nameField"));
    m_name->setMinimumWidth(320);
    //% "R&eset Name"
    m_resetName = Controls::button(qtTrId("FiwResetNameButton"), "resetNameButton");
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_resetName);
    //% "&Folder name:"
    form->addRow(Controls::buddyLabel(qtTrId("FiwNameLabel"), m_name), nameRow);
    m_info = new QLabel;
    m_info->setObjectName(QStringLiteral("infoLabel"));
    // One line, kept for the text so the window does not jump when it
    // comes, and never what makes the window wide.
    m_info->setMinimumHeight(m_info->fontMetrics().lineSpacing());
    m_info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    form->addRow(QString(), m_info);

    m_presuffix = new QComboBox;
    m_presuffix->setObjectName(QStringLiteral("presuffixPopUp"));
    // In the order of the prefix and suffix types, but for the second item.
    //% "No prefix or suffix"
    m_presuffix->addItem(qtTrId("FiwPresuffixNone"));
    //% "As in the preferences"
    m_presuffix->addItem(qtTrId("FiwPresuffixAsPreferences"));
    //% "Prefix"
    m_presuffix->addItem(qtTrId("FiwPresuffixPrefix"));
    //% "Suffix"
    m_presuffix->addItem(qtTrId("FiwPresuffixSuffix"));
    //% "Prefix and suffix"
    m_presuffix->addItem(qtTrId("FiwPresuffixBoth"));
    //% "Prefi&x and suffix:"
    form->addRow(Controls::buddyLabel(qtTrId("FiwPresuffixLabel"), m_presuffix), m_presuffix);
    m_prefix = new QLineEdit;
    m_prefix->setObjectName(QStringLiteral("prefixField"));
    m_suffix = new QLineEdit;
    m_suffix->setObjectName(QStringLiteral("suffixField"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_prefix, 1);
    //% "&Suffix:"
    row->addWidget(Controls::buddyLabel(qtTrId("FiwSuffixLabel"), m_suffix));
    row->addWidget(m_suffix, 1);
    //% "&Prefix:"
    form->addRow(Controls::buddyLabel(qtTrId("FiwPrefixLabel"), m_prefix), row);

    //% "A&bort"
    m_abort = Controls::button(qtTrId("FiwAbortButton"), "abortButton");
    //% "Stop: no folder is made and no file is renamed"
    m_abort->setToolTip(qtTrId("FiwAbortToolTip"));
    //% "&OK"
    m_ok = Controls::button(qtTrId("FiwOkButton"), "okButton");
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_abort);
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto* root = new QVBoxLayout(this);
    root->addLayout(form);
    root->addStretch();
    root->addLayout(buttons);
    for (auto [from, to] : {std::pair<QWidget*, QWidget*>{m_name, m_resetName},
                            {m_resetName, m_presuffix},
                            {m_presuffix, m_prefix},
                            {m_prefix, m_suffix},
                            {m_suffix, m_ok},
                            {m_ok, m_abort}})
        QWidget::setTabOrder(from, to);

    connect(m_name, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.nameTextFieldChange(text); });
    connect(m_prefix, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.prefixTextFieldChange(text); });
    connect(m_suffix, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.suffixTextFieldChange(text); });
    connect(m_presuffix, &QComboBox::activated, this, [this](int index) { m_controller.presuffixPopUpChange(index); });
    connect(m_resetName, &QPushButton::clicked, this, [this] { m_controller.resetNameButtonClick(); });
    connect(m_ok, &QPushButton::clicked, this, [this] { answered(m_controller.okButtonClick()); });
    connect(m_abort, &QPushButton::clicked, this, [this] { answered(m_controller.abortButtonClick()); });
}

void FIWWindow::openWindow()
{
    m_answered = false;
    m_presuffix->setCurrentIndex(m_controller.prefixSuffixType());
    updateButtons();
    adjustSize();
    if (const QScreen* screen = (parentWidget() ? parentWidget()->screen() : this->screen())) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
    m_name->setFocus(Qt::OtherFocusReason);
}

void FIWWindow::closeWindow()
{
    hide();
}

void FIWWindow::showName(const QString& name)
{
    Controls::setTextKeepingCursor(m_name, name);
}

void FIWWindow::showInfo(const QString& text)
{
    m_info->setText(text);
}

void FIWWindow::setOkButtonEnabled(bool enabled)
{
    m_nameAcceptable = enabled;
    updateButtons();
}

void FIWWindow::showPrefixSuffix(const QString& prefix, bool prefixEnabled, const QString& suffix, bool suffixEnabled)
{
    Controls::setTextKeepingCursor(m_prefix, prefix);
    Controls::setTextKeepingCursor(m_suffix, suffix);
    m_prefix->setEnabled(prefixEnabled);
    m_suffix->setEnabled(suffixEnabled);
}

void FIWWindow::reject()
{
    answered(m_controller.abortButtonClick());
}

// The title bar's close button aborts, as Escape does; the run closes the
// window once it has the answer.
void FIWWindow::closeEvent(QCloseEvent* event)
{
    if (m_controller.opened()) {
        answered(m_controller.abortButtonClick());
        event->ignore();
        return;
    }
    // Not QDialog's: that would answer through reject().
    QWidget::closeEvent(event);
}

void FIWWindow::answered(bool accepted)
{
    if (!accepted)
        return;
    m_answered = true;
    updateButtons();
}

void FIWWindow::updateButtons()
{
    m_ok->setEnabled(m_nameAcceptable && !m_answered);
    m_abort->setEnabled(!m_answered);
}

} // namespace lumenscribe
