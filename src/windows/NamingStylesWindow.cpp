#include "windows/NamingStylesWindow.h"

#include "controllers/FormatCodeList.h"
#include "controllers/NamingStylesController.h"
#include "naming/FNGenerators.h"
#include "naming/NameGenerator.h"
#include "windows/Controls.h"
#include "windows/FormatField.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumenscribe {

namespace {

QLineEdit* lineEdit(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    return field;
}

// A field for a small whole number.
QLineEdit* numberField(const char* name)
{
    QLineEdit* field = lineEdit(name);
    field->setValidator(new QIntValidator(0, 999999999, field));
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
    return field;
}

} // namespace

NamingStylesWindow::NamingStylesWindow(NamingStylesController& controller, Instant exampleDate, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_exampleDate(exampleDate), m_files(!controller.isFolderEditor())
{
    setObjectName(QLatin1String(m_files ? "fileNamingStylesWindow" : "folderNamingStylesWindow"));
    //% "File Naming Styles"
    const QString fileTitle = qtTrId("StylesFileWindowTitle");
    //% "Folder Naming Styles"
    const QString folderTitle = qtTrId("StylesFolderWindowTitle");
    setWindowTitle(m_files ? fileTitle : folderTitle);
    setWindowModality(Qt::WindowModal);
    auto* root = new QVBoxLayout(this);
    root->addWidget(makeStyleRow());
    root->addWidget(makeFormatBox());
    auto* columns = new QHBoxLayout;
    columns->addWidget(makeCounterBox(), 1, Qt::AlignTop);
    if (m_files)
        columns->addWidget(makeFileBox(), 1, Qt::AlignTop);
    root->addLayout(columns);
    if (m_files)
        root->addWidget(makeSubStringBox());
    m_runNote = new QLabel;
    m_runNote->setObjectName(QStringLiteral("runNoteLabel"));
    m_runNote->setWordWrap(true);
    m_runNote->hide();
    root->addWidget(m_runNote);
    root->addStretch();
    //% "Done"
    auto* done = Controls::button(qtTrId("StylesDoneButton"), "doneButton");
    done->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(done);
    root->addLayout(buttons);
    connect(done, &QPushButton::clicked, this, [this] { m_controller.doneButtonClick(); });
    m_controller.setView(this);
}

NamingStylesWindow::~NamingStylesWindow()
{
    m_controller.setView(nullptr);
}

QButtonGroup* NamingStylesWindow::makeMatrix(const QStringList& titles, const char* name, QWidget* box)
{
    auto* group = new QButtonGroup(box);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    for (int row = 0; row < titles.size(); ++row) {
        auto* radio = new QRadioButton(titles.at(row));
        radio->setObjectName(QStringLiteral("%1Row%2").arg(QLatin1String(name)).arg(row));
        group->addButton(radio, row);
        layout->addWidget(radio);
    }
    return group;
}

QSlider* NamingStylesWindow::makeSlider(const char* name)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(1, 8);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setMinimumWidth(120);
    return slider;
}

QWidget* NamingStylesWindow::makeStyleRow()
{
    auto* row = new QWidget;
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    m_stylePopUp = new QComboBox;
    m_stylePopUp->setObjectName(QStringLiteral("stylePopUp"));
    m_stylePopUp->setMinimumContentsLength(24);
    m_controls.insert(int(Control::StylePopUp), m_stylePopUp);
    //% "&Style:"
    grid->addWidget(Controls::buddyLabel(qtTrId("StylesStyleLabel"), m_stylePopUp), 0, 0);
    grid->addWidget(m_stylePopUp, 0, 1);
    //% "&New"
    auto* add = Controls::button(qtTrId("StylesNewButton"), "styleNewButton");
    //% "Make a new style as a copy of the selected one"
    add->setToolTip(qtTrId("StylesNewToolTip"));
    //% "De&lete"
    auto* remove = Controls::button(qtTrId("StylesDeleteButton"), "styleDeleteButton");
    m_controls.insert(int(Control::StyleDeleteButton), remove);
    grid->addWidget(add, 0, 2);
    grid->addWidget(remove, 0, 3);
    auto* status = new QLabel;
    status->setObjectName(QStringLiteral("statusTextField"));
    m_controls.insert(int(Control::StatusTextField), status);
    grid->addWidget(status, 1, 1, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(m_stylePopUp, &QComboBox::activated, this, [this](int index) { m_controller.stylePopUpChange(index); });
    connect(add, &QPushButton::clicked, this, [this] { m_controller.styleNewButtonClick(); });
    connect(remove, &QPushButton::clicked, this, [this] { m_controller.styleDeleteButtonClick(); });
    return row;
}

QWidget* NamingStylesWindow::makeFormatBox()
{
    //% "Name"
    auto* box = new QGroupBox(qtTrId("StylesNameBox"));
    auto* form = new QFormLayout(box);
    m_format = new FormatField;
    m_format->setObjectName(QStringLiteral("formatTextField"));
    m_format->setMinimumWidth(300);
    m_controls.insert(int(Control::FormatTextField), m_format);
    m_codePicker = new QToolButton;
    m_codePicker->setObjectName(QStringLiteral("codePickerButton"));
    //% "Codes"
    m_codePicker->setText(qtTrId("StylesCodePickerButton"));
    //% "Insert a code at the cursor"
    m_codePicker->setToolTip(qtTrId("StylesCodePickerToolTip"));
    m_codePicker->setPopupMode(QToolButton::InstantPopup);
    m_codeMenu = new QMenu(m_codePicker);
    m_codeMenu->setObjectName(QStringLiteral("codePickerMenu"));
    m_codePicker->setMenu(m_codeMenu);
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(m_format, 1);
    formatRow->addWidget(m_codePicker);
    //% "&Format:"
    form->addRow(Controls::buddyLabel(qtTrId("StylesFormatLabel"), m_format), formatRow);

    auto* example = lineEdit("namingExampleTextField");
    example->setReadOnly(true);
    m_controls.insert(int(Control::NamingExampleTextField), example);
    //% "E&xample:"
    form->addRow(Controls::buddyLabel(qtTrId("StylesExampleLabel"), example), example);
    m_problem = new QLabel;
    m_problem->setObjectName(QStringLiteral("formatProblemLabel"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    form->addRow(QString(), m_problem);
    if (m_files) {
        auto* testName = lineEdit("testFileNameTextField");
        m_controls.insert(int(Control::TestFileNameTextField), testName);
        //% "Example f&ile:"
        form->addRow(Controls::buddyLabel(qtTrId("StylesTestFileLabel"), testName), testName);
        connect(testName, &QLineEdit::textEdited, this,
                [this](const QString& t) { m_controller.testFileNameTextFieldChange(t); });
    }
    connect(m_format, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_controller.formatTextFieldChange(t); });
    connect(m_codeMenu, &QMenu::aboutToShow, this, &NamingStylesWindow::refreshCodeMenu);
    connect(m_codeMenu, &QMenu::triggered, this,
            [this](QAction* action) { m_format->insertCode(action->data().toString()); });
    return box;
}

// Each code with what it writes alone, made by the name maker itself for the
// selected style, the example date and the example file.
void NamingStylesWindow::refreshCodeMenu()
{
    m_codeMenu->clear();
    const NameGenerator* style = m_controller.generators().currentGenerator();
    for (const FormatCodeList::Code& code : FormatCodeList::codes(!m_files)) {
        QString text = code.code + QLatin1Char('\t') + code.description;
        if (style) {
            const QString written =
                FormatCodeList::expand(*style, code.code, m_exampleDate, m_controller.testFileName());
            if (!written.isEmpty())
                text += QStringLiteral(": ") + written;
        }
        QAction* action = m_codeMenu->addAction(text);
        action->setData(code.code);
    }
}

QWidget* NamingStylesWindow::makeCounterBox()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    //% "Counter for names already taken (%C)"
    auto* counter = new QGroupBox(qtTrId("StylesCounterBox"));
    auto* form = new QFormLayout(counter);
    QSlider* digits = makeSlider("counterDigitsSlider");
    m_controls.insert(int(Control::CounterDigitsSlider), digits);
    auto* digitsText = new QLabel;
    digitsText->setObjectName(QStringLiteral("counterDigitsTextField"));
    digitsText->setMinimumWidth(digitsText->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    m_controls.insert(int(Control::CounterDigitsTextField), digitsText);
    auto* digitsRow = new QHBoxLayout;
    digitsRow->addWidget(digits, 1);
    digitsRow->addWidget(digitsText);
    //% "&Digits:"
    form->addRow(Controls::buddyLabel(qtTrId("StylesCounterDigitsLabel"), digits), digitsRow);
    auto* startsBox = new QWidget;
    QStringList titles;
    //% "Starts at 0"
    titles << qtTrId("StylesCounterFromZero");
    //% "Starts at 1"
    titles << qtTrId("StylesCounterFromOne");
    QButtonGroup* starts = makeMatrix(titles, "counterStartsZeroMatrix", startsBox);
    startsBox->layout()->setContentsMargins(0, 0, 0, 0);
    m_matrices.insert(int(Control::CounterStartsZeroMatrix), starts);
    form->addRow(startsBox);
    //% "&Only when a name is taken"
    auto* onlyShow = new QCheckBox(qtTrId("StylesCounterOnlyShow"));
    onlyShow->setObjectName(QStringLiteral("counterOnlyShowCheckBox"));
    m_controls.insert(int(Control::CounterOnlyShowCheckBox), onlyShow);
    form->addRow(onlyShow);
    QLineEdit* prefix = lineEdit("counterPrefixTextField");
    m_controls.insert(int(Control::CounterPrefixTextField), prefix);
    //% "&Before the counter:"
    form->addRow(Controls::buddyLabel(qtTrId("StylesCounterPrefixLabel"), prefix), prefix);
    layout->addWidget(counter);

    //% "Sequence number (%Q)"
    auto* sequence = new QGroupBox(qtTrId("StylesSequenceBox"));
    auto* seqForm = new QFormLayout(sequence);
    QLineEdit* current = numberField("seqcounterCurrentNumberTextField");
    m_controls.insert(int(Control::SeqcounterCurrentNumberTextField), current);
    //% "Next n&umber:"
    seqForm->addRow(Controls::buddyLabel(qtTrId("StylesSequenceNumberLabel"), current), current);
    QSlider* seqDigits = makeSlider("seqcounterDigitsSlider");
    // 0 is the default: as many digits as the number has.
    seqDigits->setMinimum(0);
    m_controls.insert(int(Control::SeqcounterDigitsSlider), seqDigits);
    auto* seqDigitsText = new QLabel;
    seqDigitsText->setObjectName(QStringLiteral("seqcounterDigitsTextField"));
    seqDigitsText->setMinimumWidth(seqDigitsText->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    m_controls.insert(int(Control::SeqcounterDigitsTextField), seqDigitsText);
    auto* seqDigitsRow = new QHBoxLayout;
    seqDigitsRow->addWidget(seqDigits, 1);
    seqDigitsRow->addWidget(seqDigitsText);
    //% "Di&gits:"
    seqForm->addRow(Controls::buddyLabel(qtTrId("StylesSequenceDigitsLabel"), seqDigits), seqDigitsRow);
    layout->addWidget(sequence);

    //% "Hour (%h)"
    auto* time = new QGroupBox(qtTrId("StylesTimeBox"));
    QStringList timeTitles;
    //% "24-hour clock"
    timeTitles << qtTrId("StylesTime24");
    //% "12-hour clock, AM and PM"
    timeTitles << qtTrId("StylesTime12Upper");
    //% "12-hour clock, am and pm"
    timeTitles << qtTrId("StylesTime12Lower");
    QButtonGroup* timeFormat = makeMatrix(timeTitles, "timeFormatMatrix", time);
    m_matrices.insert(int(Control::TimeFormatMatrix), timeFormat);
    layout->addWidget(time);

    connect(digits, &QSlider::valueChanged, this, [this](int v) { m_controller.counterDigitsSliderChange(v); });
    connect(starts, &QButtonGroup::idClicked, this,
            [this](int row) { m_controller.counterStartsZeroMatrixChange(row); });
    connect(onlyShow, &QCheckBox::clicked, this, [this](bool on) { m_controller.counterOnlyShowCheckBoxChange(on); });
    connect(prefix, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_controller.counterPrefixTextFieldChange(t); });
    connect(current, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_controller.seqcounterCurrentNumberTextFieldChange(t); });
    connect(seqDigits, &QSlider::valueChanged, this, [this](int v) { m_controller.seqcounterDigitsSliderChange(v); });
    connect(timeFormat, &QButtonGroup::idClicked, this, [this](int row) { m_controller.timeFormatMatrixChange(row); });
    return column;
}

QWidget* NamingStylesWindow::makeFileBox()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    //% "Date"
    auto* dateBox = new QGroupBox(qtTrId("StylesDateSourceBox"));
    QStringList dateTitles;
    //% "Capture date, else the file's date"
    dateTitles << qtTrId("StylesDateCaptureOrFile");
    //% "Capture date only"
    dateTitles << qtTrId("StylesDateCaptureOnly");
    //% "File's creation date only"
    dateTitles << qtTrId("StylesDateFileOnly");
    QButtonGroup* dateSource = makeMatrix(dateTitles, "dateSourceMatrix", dateBox);
    m_matrices.insert(int(Control::DateSourceMatrix), dateSource);
    layout->addWidget(dateBox);

    //% "File type suffix (%F)"
    auto* suffixBox = new QGroupBox(qtTrId("StylesFileTypeBox"));
    QStringList caseTitles;
    //% "As it is"
    caseTitles << qtTrId("StylesFileTypeAsIs");
    //% "Lower case"
    caseTitles << qtTrId("StylesFileTypeLower");
    //% "Upper case"
    caseTitles << qtTrId("StylesFileTypeUpper");
    QButtonGroup* suffixCase = makeMatrix(caseTitles, "fileTypeSuffixCaseMatrix", suffixBox);
    m_matrices.insert(int(Control::FileTypeSuffixCaseMatrix), suffixCase);
    //% "With a do&t before it"
    auto* dot = new QCheckBox(qtTrId("StylesFileTypeDot"));
    dot->setObjectName(QStringLiteral("fileTypeSuffixDotCheckBox"));
    m_controls.insert(int(Control::FileTypeSuffixDotCheckBox), dot);
    suffixBox->layout()->addWidget(dot);
    layout->addWidget(suffixBox);

    connect(dateSource, &QButtonGroup::idClicked, this, [this](int row) { m_controller.dateSourceMatrixChange(row); });
    connect(suffixCase, &QButtonGroup::idClicked, this,
            [this](int row) { m_controller.fileTypeSuffixCaseMatrixChange(row); });
    connect(dot, &QCheckBox::clicked, this, [this](bool on) { m_controller.fileTypeSuffixDotCheckBoxChange(on); });
    return column;
}

QWidget* NamingStylesWindow::makeSubStringBox()
{
    //% "Parts of the old name (%1U to %4U)"
    auto* box = new QGroupBox(qtTrId("StylesSubStringBox"));
    auto* grid = new QGridLayout(box);
    //% "Take"
    grid->addWidget(new QLabel(qtTrId("StylesSubStringTypeHeader")), 0, 1);
    //% "A"
    grid->addWidget(new QLabel(qtTrId("StylesSubStringAHeader")), 0, 2);
    //% "B"
    grid->addWidget(new QLabel(qtTrId("StylesSubStringBHeader")), 0, 3);
    //% "From"
    grid->addWidget(new QLabel(qtTrId("StylesSubStringSourceHeader")), 0, 4);
    QStringList types;
    //% "The first A characters"
    types << qtTrId("StylesSubStringFirst");
    //% "The last A characters"
    types << qtTrId("StylesSubStringLast");
    //% "All but the first A characters"
    types << qtTrId("StylesSubStringAllBut");
    //% "B characters from position A"
    types << qtTrId("StylesSubStringMiddle");
    //% "The old name"
    const QString oldName = qtTrId("StylesSubStringSourceOldName");
    for (int slot = 0; slot < int(m_slots.size()); ++slot) {
        Slot& s = m_slots[slot];
        s.type = new QComboBox;
        s.type->setObjectName(QStringLiteral("subString%1TypePopUp").arg(slot));
        s.type->addItems(types);
        s.paramA = numberField("");
        s.paramA->setObjectName(QStringLiteral("subString%1ParATextField").arg(slot));
        s.paramB = numberField("");
        s.paramB->setObjectName(QStringLiteral("subString%1ParBTextField").arg(slot));
        auto* label = Controls::buddyLabel(QStringLiteral("%%1U:").arg(slot + 1), s.type);
        grid->addWidget(label, slot + 1, 0);
        grid->addWidget(s.type, slot + 1, 1);
        grid->addWidget(s.paramA, slot + 1, 2);
        grid->addWidget(s.paramB, slot + 1, 3);
        s.paramA->setAccessibleName(QStringLiteral("%%1U A").arg(slot + 1));
        s.paramB->setAccessibleName(QStringLiteral("%%1U B").arg(slot + 1));
        if (slot > 0) {
            s.source = new QComboBox;
            s.source->setObjectName(QStringLiteral("subString%1SourcePopUp").arg(slot));
            s.source->addItem(oldName);
            for (int from = 1; from <= slot; ++from)
                s.source->addItem(QStringLiteral("%%1U").arg(from));
            grid->addWidget(s.source, slot + 1, 4);
            connect(s.source, &QComboBox::activated, this, [this, slot] { slotChanged(slot); });
        }
        connect(s.type, &QComboBox::activated, this, [this, slot] { slotChanged(slot); });
        connect(s.paramA, &QLineEdit::textEdited, this, [this, slot] { slotChanged(slot); });
        connect(s.paramB, &QLineEdit::textEdited, this, [this, slot] { slotChanged(slot); });
    }
    grid->setColumnStretch(1, 1);
    return box;
}

void NamingStylesWindow::slotChanged(int slot)
{
    const Slot& s = m_slots[slot];
    NamingStylesController::SubStringFields fields;
    fields.type = s.type->currentIndex();
    fields.paramA = s.paramA->text();
    fields.paramB = s.paramB->text();
    fields.source = s.source ? s.source->currentIndex() : 0;
    m_controller.subStringSettingsChange(slot, fields);
}

void NamingStylesWindow::openSheet()
{
    if (!isVisible())
        open();
    raise();
    activateWindow();
}

void NamingStylesWindow::closeSheet()
{
    hide();
}

void NamingStylesWindow::setEnabled(Control control, bool enabled)
{
    if (QWidget* widget = m_controls.value(int(control)))
        widget->setEnabled(enabled);
    else if (QButtonGroup* group = m_matrices.value(int(control)))
        for (QAbstractButton* b : group->buttons())
            b->setEnabled(enabled);
    if (control == Control::FormatTextField)
        m_codePicker->setEnabled(enabled);
}

void NamingStylesWindow::showChecked(Control checkBox, bool on)
{
    if (auto* box = qobject_cast<QCheckBox*>(m_controls.value(int(checkBox))))
        box->setChecked(on);
}

void NamingStylesWindow::showValue(Control control, int value)
{
    if (QButtonGroup* group = m_matrices.value(int(control))) {
        if (QAbstractButton* b = group->button(value))
            b->setChecked(true);
    } else if (auto* slider = qobject_cast<QSlider*>(m_controls.value(int(control)))) {
        const QSignalBlocker blocker(slider);
        slider->setValue(value);
    }
}

// A field being typed in keeps its cursor: the text shown is the one typed.
void NamingStylesWindow::showText(Control textField, const QString& text)
{
    QWidget* widget = m_controls.value(int(textField));
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        if (field->text() != text)
            field->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    }
    if (textField == Control::NamingExampleTextField)
        showProblem();
}

void NamingStylesWindow::showProblem()
{
    const NameGenerator* style = m_controller.generators().currentGenerator();
    const FormatCodeList::Problem problem =
        style ? FormatCodeList::problem(*style, m_controller.example()) : FormatCodeList::Problem::None;
    m_problem->setText(FormatCodeList::problemText(problem));
    m_problem->setVisible(problem != FormatCodeList::Problem::None);
}

void NamingStylesWindow::setSlotEnabled(int slot, SlotControl control, bool enabled)
{
    if (slot < 0 || slot >= int(m_slots.size()))
        return;
    const Slot& s = m_slots[slot];
    QWidget* widgets[] = {s.type, s.paramA, s.paramB, s.source};
    if (QWidget* widget = widgets[int(control)])
        widget->setEnabled(enabled);
}

void NamingStylesWindow::showSlotValue(int slot, SlotControl popUp, int value)
{
    if (slot < 0 || slot >= int(m_slots.size()))
        return;
    const Slot& s = m_slots[slot];
    QComboBox* combo = popUp == SlotControl::TypePopUp     ? s.type
                       : popUp == SlotControl::SourcePopUp ? s.source
                                                           : nullptr;
    if (combo)
        combo->setCurrentIndex(value);
}

void NamingStylesWindow::showSlotText(int slot, SlotControl textField, const QString& text)
{
    if (slot < 0 || slot >= int(m_slots.size()))
        return;
    const Slot& s = m_slots[slot];
    QLineEdit* field = textField == SlotControl::ParATextField   ? s.paramA
                       : textField == SlotControl::ParBTextField ? s.paramB
                                                                 : nullptr;
    if (field && field->text() != text)
        field->setText(text);
}

void NamingStylesWindow::showStyleItems(const QList<StylePopUpItem>& items, int selectedItem)
{
    const QSignalBlocker blocker(m_stylePopUp);
    m_stylePopUp->clear();
    for (const StylePopUpItem& item : items) {
        if (item.isSeparator)
            m_stylePopUp->insertSeparator(m_stylePopUp->count());
        else
            m_stylePopUp->addItem(item.title);
    }
    m_stylePopUp->setCurrentIndex(selectedItem);
}

void NamingStylesWindow::showRunNote(const QString& text)
{
    m_runNote->setText(text);
    m_runNote->setVisible(!text.isEmpty());
}

void NamingStylesWindow::reject()
{
    m_controller.closePanel();
}

void NamingStylesWindow::closeEvent(QCloseEvent* event)
{
    if (m_controller.windowShouldClose())
        event->accept();
    else
        event->ignore();
}

} // namespace lumenscribe
