#include "windows/CIWWindow.h"

#include "controllers/CIWController.h"
#include "windows/Controls.h"
#include "windows/PreviewPanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumenscribe {

CIWWindow::CIWWindow(CIWController& controller, QWidget* parent) : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("ciwWindow"));
    //% "Confirm the New Name"
    setWindowTitle(qtTrId("CiwWindowTitle"));
    setModal(false);
    auto* controls = new QVBoxLayout;
    // One form for names and prefix and suffix, so that their fields line up.
    auto* form = new QFormLayout;
    makeNameRows(form);
    makePrefixSuffixRows(form);
    controls->addLayout(form);
    //% "&Correct the date"
    m_correctionEnable = new QCheckBox(qtTrId("CiwCorrectionEnableCheckBox"));
    m_correctionEnable->setObjectName(QStringLiteral("correctionEnableCheckBox"));
    controls->addWidget(m_correctionEnable);
    m_correctionBox = makeCorrectionBox();
    controls->addWidget(m_correctionBox);
    //% "Show pre&view"
    m_showPreview = new QCheckBox(qtTrId("CiwShowPreviewCheckBox"));
    m_showPreview->setObjectName(QStringLiteral("showPreviewCheckBox"));
    controls->addWidget(m_showPreview);
    controls->addStretch();
    controls->addWidget(makeButtonRow());

    m_preview = new PreviewPanel;
    m_preview->setObjectName(QStringLiteral("previewPanel"));
    m_preview->hide();
    auto* root = new QHBoxLayout(this);
    root->addLayout(controls, 1);
    root->addWidget(m_preview, 0, Qt::AlignTop);

    connect(m_correctionEnable, &QCheckBox::clicked, this, &CIWWindow::correctionToggled);
    connect(m_showPreview, &QCheckBox::clicked, this, &CIWWindow::previewToggled);
    setTabOrder();
    m_controller.setView(this);
}

CIWWindow::~CIWWindow()
{
    m_controller.setView(nullptr);
}

void CIWWindow::makeNameRows(QFormLayout* form)
{
    m_oldName = new QLineEdit;
    m_oldName->setObjectName(QStringLiteral("oldNameField"));
    m_oldName->setReadOnly(true);
    //% "Current name:"
    form->addRow(Controls::buddyLabel(qtTrId("CiwOldNameLabel"), m_oldName), m_oldName);

    m_newName = new QLineEdit;
    m_newName->setObjectName(QStringLiteral("newNameField"));
    m_newName->setMinimumWidth(320);
    //% "R&eset Name"
    m_resetName = Controls::button(qtTrId("CiwResetNameButton"), "resetNameButton");
    //% "Make the name again from the naming style"
    m_resetName->setToolTip(qtTrId("CiwResetNameToolTip"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_newName, 1);
    nameRow->addWidget(m_resetName);
    //% "&New name:"
    form->addRow(Controls::buddyLabel(qtTrId("CiwNewNameLabel"), m_newName), nameRow);

    m_info = new QLabel;
    m_info->setObjectName(QStringLiteral("infoLabel"));
    // One line, kept for the text so the window does not jump when it
    // comes, and never what makes the window wide.
    m_info->setMinimumHeight(m_info->fontMetrics().lineSpacing());
    m_info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    form->addRow(QString(), m_info);

    connect(m_newName, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.newNameTextFieldChange(text); });
    connect(m_resetName, &QPushButton::clicked, this, [this] { m_controller.resetNameButtonClick(); });
}

void CIWWindow::makePrefixSuffixRows(QFormLayout* form)
{
    m_presuffix = new QComboBox;
    m_presuffix->setObjectName(QStringLiteral("presuffixPopUp"));
    // In the order of the prefix and suffix types, but for the second item.
    //% "No prefix or suffix"
    m_presuffix->addItem(qtTrId("CiwPresuffixNone"));
    //% "As in the preferences"
    m_presuffix->addItem(qtTrId("CiwPresuffixAsPreferences"));
    //% "Prefix"
    m_presuffix->addItem(qtTrId("CiwPresuffixPrefix"));
    //% "Suffix"
    m_presuffix->addItem(qtTrId("CiwPresuffixSuffix"));
    //% "Prefix and suffix"
    m_presuffix->addItem(qtTrId("CiwPresuffixBoth"));
    //% "Prefi&x and suffix:"
    form->addRow(Controls::buddyLabel(qtTrId("CiwPresuffixLabel"), m_presuffix), m_presuffix);

    m_prefix = new QLineEdit;
    m_prefix->setObjectName(QStringLiteral("prefixField"));
    m_suffix = new QLineEdit;
    m_suffix->setObjectName(QStringLiteral("suffixField"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_prefix, 1);
    //% "&Suffix:"
    row->addWidget(Controls::buddyLabel(qtTrId("CiwSuffixLabel"), m_suffix));
    row->addWidget(m_suffix, 1);
    //% "&Prefix:"
    form->addRow(Controls::buddyLabel(qtTrId("CiwPrefixLabel"), m_prefix), row);

    connect(m_presuffix, &QComboBox::activated, this, [this](int index) { m_controller.presuffixPopUpChange(index); });
    connect(m_prefix, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.prefixTextFieldChange(text); });
    connect(m_suffix, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.suffixTextFieldChange(text); });
}

QWidget* CIWWindow::makeCorrectionBox()
{
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("correctionBox"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    std::array<QString, 6> titles;
    //% "&Year"
    titles[0] = qtTrId("CiwCorrectionYearLabel");
    //% "Month"
    titles[1] = qtTrId("CiwCorrectionMonthLabel");
    //% "Day"
    titles[2] = qtTrId("CiwCorrectionDayLabel");
    //% "Hours"
    titles[3] = qtTrId("CiwCorrectionHoursLabel");
    //% "Minutes"
    titles[4] = qtTrId("CiwCorrectionMinutesLabel");
    //% "Seconds"
    titles[5] = qtTrId("CiwCorrectionSecondsLabel");
    const std::array<const char*, 6> names{"correctionYearSpin",  "correctionMonthSpin",   "correctionDaySpin",
                                           "correctionHoursSpin", "correctionMinutesSpin", "correctionSecondsSpin"};
    // One step past either end of a field is allowed: the date carries
    // over, as a clock does (59 seconds up one is the next minute).
    const std::array<std::pair<int, int>, 6> ranges{{{1, 9999}, {0, 13}, {0, 32}, {-1, 24}, {-1, 60}, {-1, 60}}};
    for (int i = 0; i < 6; ++i) {
        auto* spin = new QSpinBox;
        spin->setObjectName(QLatin1String(names[i]));
        spin->setRange(ranges[i].first, ranges[i].second);
        spin->setKeyboardTracking(false);
        spin->setAccessibleName(QString(titles[i]).remove(u'&'));
        grid->addWidget(Controls::buddyLabel(titles[i], spin), 0, i);
        grid->addWidget(spin, 1, i);
        m_steppers[i] = spin;
        connect(spin, &QSpinBox::valueChanged, this, &CIWWindow::stepperChanged);
    }
    m_fileDate = new QLabel;
    m_fileDate->setObjectName(QStringLiteral("correctionFileDateLabel"));
    m_difference = new QLabel;
    m_difference->setObjectName(QStringLiteral("correctionDifferenceLabel"));
    //% "File date:"
    grid->addWidget(Controls::buddyLabel(qtTrId("CiwCorrectionFileDateLabel"), m_fileDate), 2, 0, 1, 2);
    grid->addWidget(m_fileDate, 2, 2, 1, 4);
    //% "Correction:"
    grid->addWidget(Controls::buddyLabel(qtTrId("CiwCorrectionDifferenceLabel"), m_difference), 3, 0, 1, 2);
    grid->addWidget(m_difference, 3, 2, 1, 4);

    //% "Set to &File Date"
    m_setFileDate = Controls::button(qtTrId("CiwCorrectionSetFileDateButton"), "correctionSetFileDateButton");
    //% "Set to N&ow"
    m_setNow = Controls::button(qtTrId("CiwCorrectionSetNowButton"), "correctionSetNowButton");
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_setFileDate);
    row->addWidget(m_setNow);
    grid->addLayout(row, 4, 0, 1, 6);
    connect(m_setFileDate, &QPushButton::clicked, this, [this] { m_controller.correctionSetFileDateTimeButonClick(); });
    connect(m_setNow, &QPushButton::clicked, this, [this] { m_controller.correctionSetCurrentDateTimeButonClick(); });
    return box;
}

QWidget* CIWWindow::makeButtonRow()
{
    //% "A&bort"
    m_abort = Controls::button(qtTrId("CiwAbortButton"), "abortButton");
    //% "Stop renaming: this file and the files after it keep their names"
    m_abort->setToolTip(qtTrId("CiwAbortToolTip"));
    //% "&Don't Rename"
    m_dontRename = Controls::button(qtTrId("CiwDontRenameButton"), "dontRenameButton");
    //% "Rename &All"
    m_renameAll = Controls::button(qtTrId("CiwRenameAllButton"), "renameAllButton");
    //% "Rename the files after this one without asking"
    m_renameAll->setToolTip(qtTrId("CiwRenameAllToolTip"));
    //% "&Rename"
    m_rename = Controls::button(qtTrId("CiwRenameButton"), "renameButton");
    m_rename->setDefault(true);
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_abort);
    row->addStretch();
    row->addWidget(m_dontRename);
    row->addWidget(m_renameAll);
    row->addWidget(m_rename);
    connect(m_rename, &QPushButton::clicked, this, [this] { answered(m_controller.renameButtonClick()); });
    connect(m_renameAll, &QPushButton::clicked, this, [this] { answered(m_controller.renameAllButtonClick()); });
    connect(m_dontRename, &QPushButton::clicked, this, [this] { answered(m_controller.dontRenameButtonClick()); });
    connect(m_abort, &QPushButton::clicked, this, [this] { answered(m_controller.abortButtonClick()); });
    return box;
}

void CIWWindow::setTabOrder()
{
    QList<QWidget*> order{m_newName, m_resetName, m_presuffix, m_prefix, m_suffix, m_correctionEnable};
    for (QSpinBox* spin : m_steppers)
        order.append(spin);
    order << m_setFileDate << m_setNow << m_showPreview << m_rename << m_renameAll << m_dontRename << m_abort
          << m_oldName;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void CIWWindow::openWindow()
{
    m_answered = false;
    m_presuffix->setCurrentIndex(m_controller.prefixSuffixType());
    m_correctionEnable->setChecked(m_controller.correctionEnabled());
    m_correctionBox->setVisible(m_controller.correctionEnabled());
    m_showPreview->setChecked(m_controller.showsPreview());
    m_preview->setVisible(m_controller.showsPreview());
    fitToContents(false);
    if (const QScreen* screen = (parentWidget() ? parentWidget()->screen() : this->screen())) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void CIWWindow::closeWindow()
{
    // Hidden, not closed: closing is what the person does with the title bar.
    hide();
    m_preview->clear();
    m_filePath.clear();
}

void CIWWindow::showOldName(const QString& name)
{
    m_oldName->setText(name);
}

void CIWWindow::showNewName(const QString& name)
{
    Controls::setTextKeepingCursor(m_newName, name);
}

void CIWWindow::showInfo(const QString& text)
{
    m_info->setText(text);
}

void CIWWindow::setRenameButtonsEnabled(bool enabled)
{
    m_nameAcceptable = enabled;
    updateAnswerButtons();
}

void CIWWindow::showPrefixSuffix(const QString& prefix, bool prefixEnabled, const QString& suffix, bool suffixEnabled)
{
    Controls::setTextKeepingCursor(m_prefix, prefix);
    Controls::setTextKeepingCursor(m_suffix, suffix);
    m_prefix->setEnabled(prefixEnabled);
    m_suffix->setEnabled(suffixEnabled);
}

void CIWWindow::setFocus(Focus focus, int selectionStart, int selectionLength)
{
    switch (focus) {
    case Focus::Prefix:
        m_prefix->setFocus(Qt::OtherFocusReason);
        m_prefix->selectAll();
        break;
    case Focus::Suffix:
        m_suffix->setFocus(Qt::OtherFocusReason);
        m_suffix->selectAll();
        break;
    case Focus::NewName:
        m_newName->setFocus(Qt::OtherFocusReason);
        m_newName->setSelection(selectionStart, selectionLength);
        break;
    }
}

void CIWWindow::showCorrection(const std::array<int, 6>& fields, const QString& fileDate, const QString& difference)
{
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker blocker(m_steppers[i]);
        m_steppers[i]->setValue(fields[i]);
    }
    m_fileDate->setText(fileDate);
    m_difference->setText(difference);
}

void CIWWindow::showFile(const QString& path)
{
    // The run has sent its next question: the buttons answer it.
    m_answered = false;
    updateAnswerButtons();
    m_filePath = path;
    if (m_showPreview->isChecked())
        m_preview->showFile(path);
}

void CIWWindow::reject()
{
    answered(m_controller.dontRenameButtonClick());
}

// The title bar's close button answers as Escape does, but the window stays
// until the run closes it or shows the next file: a window the controller
// believes open must not vanish under it.
void CIWWindow::closeEvent(QCloseEvent* event)
{
    if (m_controller.opened()) {
        answered(m_controller.dontRenameButtonClick());
        event->ignore();
        return;
    }
    // Not QDialog's: that would answer through reject().
    QWidget::closeEvent(event);
}

void CIWWindow::answered(bool accepted)
{
    if (!accepted)
        return;
    m_answered = true;
    updateAnswerButtons();
}

void CIWWindow::updateAnswerButtons()
{
    m_rename->setEnabled(m_nameAcceptable && !m_answered);
    m_renameAll->setEnabled(m_nameAcceptable && !m_answered);
    m_dontRename->setEnabled(!m_answered);
    m_abort->setEnabled(!m_answered);
}

void CIWWindow::correctionToggled(bool on)
{
    m_controller.correctionEnableCheckBoxClick(on);
    m_correctionBox->setVisible(on);
    fitToContents(true);
}

void CIWWindow::previewToggled(bool on)
{
    m_controller.showFilePreviewCheckBoxChange(on);
    m_preview->setVisible(on);
    if (on && !m_filePath.isEmpty())
        m_preview->showFile(m_filePath);
    else if (!on)
        m_preview->clear();
    fitToContents(false);
}

void CIWWindow::stepperChanged()
{
    std::array<int, 6> fields{};
    for (int i = 0; i < 6; ++i)
        fields[i] = m_steppers[i]->value();
    m_controller.correctionStepperChange(fields);
}

// As tall as the contents: hiding the correction box shortens the window.
// The person's width is kept unless the preview came or went.
void CIWWindow::fitToContents(bool keepWidth)
{
    layout()->activate();
    const QSize hint = sizeHint();
    resize(keepWidth && isVisible() ? std::max(width(), hint.width()) : hint.width(), hint.height());
}

} // namespace lumenscribe
