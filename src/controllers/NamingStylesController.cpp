#include "controllers/NamingStylesController.h"

#include "controllers/ControlText.h"
#include "controllers/MainController.h"
#include "controllers/PreferencesController.h"
#include "naming/FNGenerators.h"
#include "platform/LocalizedStrings.h"

namespace lumenscribe {

namespace {

using Control = NamingStylesView::Control;
using SlotControl = NamingStylesView::SlotControl;

// The substring type whose B parameter means something (a count).
constexpr int kTypeWithParamB = 3;

// The controls that change a style's recipe, disabled on a built-in style.
constexpr Control kFolderRecipeControls[] = {
    Control::TimeFormatMatrix,       Control::CounterStartsZeroMatrix,   Control::CounterDigitsSlider,
    Control::CounterDigitsTextField, Control::CounterOnlyShowCheckBox,   Control::CounterPrefixTextField,
    Control::SeqcounterDigitsSlider, Control::SeqcounterDigitsTextField, Control::FormatTextField,
};
constexpr Control kFileOnlyRecipeControls[] = {
    Control::DateSourceMatrix,
    Control::FileTypeSuffixCaseMatrix,
    Control::FileTypeSuffixDotCheckBox,
};

} // namespace

NamingStylesController::NamingStylesController(FNGenerators& generators, Instant exampleDate,
                                               PreferencesController& parent)
    : m_fnGenerators(generators), m_exampleDate(exampleDate), m_parent(parent),
      m_testFileName(NameGenerator::popUpExampleFileName())
{
}

bool NamingStylesController::isFolderEditor() const
{
    return m_fnGenerators.areFolderNG();
}

void NamingStylesController::openPanel()
{
    if (m_view && !isFolderEditor())
        m_view->showText(Control::TestFileNameTextField, m_testFileName);
    takeSettingsFromCurrentGenerator();
    refreshStylePopUp();
    updateExample();
    if (m_view)
        m_view->openSheet();
}

void NamingStylesController::closePanel()
{
    if (m_view)
        m_view->closeSheet();
}

bool NamingStylesController::windowShouldClose()
{
    closePanel();
    return true;
}

void NamingStylesController::refreshStylePopUp()
{
    const int current = m_fnGenerators.indexOfCurrentGenerator();
    if (m_view) {
        m_view->showStyleItems(StylePopUp::items(m_fnGenerators, m_exampleDate),
                               std::max(StylePopUp::popUpIndexFromGeneratorIndex(m_fnGenerators, current), 0));
    }
    m_parent.styleChange(m_fnGenerators, current);
}

int NamingStylesController::generatorIndexFromPopUpIndex(int popUpIndex) const
{
    return StylePopUp::generatorIndexFromPopUpIndex(m_fnGenerators, popUpIndex).value_or(-1);
}

void NamingStylesController::stylePopUpChange(int popUpIndex)
{
    const int index = generatorIndexFromPopUpIndex(popUpIndex);
    if (index < 0) {
        // The separator selects nothing; show the selection there is.
        refreshStylePopUp();
        return;
    }
    selectStyle(index);
    takeSettingsFromCurrentGenerator();
    updateExample();
}

// Through the setting, which makes the style current: the setting and the
// collection never disagree about the selected style.
void NamingStylesController::selectStyle(int generatorIndex)
{
    if (isFolderEditor())
        m_parent.setDownloadNamingStyle(generatorIndex);
    else
        m_parent.setNamingStyle(generatorIndex);
}

void NamingStylesController::styleNewButtonClick()
{
    const NameGenerator* selected = m_fnGenerators.currentGenerator();
    NameGenerator* added = m_fnGenerators.addGenerator();
    if (selected)
        added->takeSettingsFromGenerator(*selected);
    refreshStylePopUp();
    stylePopUpChange(StylePopUp::popUpIndexFromGeneratorIndex(m_fnGenerators, m_fnGenerators.count() - 1));
}

void NamingStylesController::styleDeleteButtonClick()
{
    const NameGenerator* selected = m_fnGenerators.currentGenerator();
    if (!selected || selected->isReadOnly())
        return;
    m_fnGenerators.deleteCurrentGenerator();
    refreshStylePopUp();
    stylePopUpChange(
        StylePopUp::popUpIndexFromGeneratorIndex(m_fnGenerators, m_fnGenerators.indexOfCurrentGenerator()));
}

// The selected style when it may be changed. A built-in style is shown
// again instead, so a control that slipped through shows what holds.
NameGenerator* NamingStylesController::editableStyle()
{
    NameGenerator* style = m_fnGenerators.currentGenerator();
    if (style && !style->isReadOnly())
        return style;
    takeSettingsFromCurrentGenerator();
    return nullptr;
}

void NamingStylesController::formatTextFieldChange(const QString& text)
{
    if (NameGenerator* style = editableStyle()) {
        style->setFormatString(text);
        edited();
    }
}

void NamingStylesController::timeFormatMatrixChange(int row)
{
    if (NameGenerator* style = editableStyle()) {
        style->setTimeFormat(row);
        edited();
    }
}

void NamingStylesController::counterDigitsSliderChange(int value)
{
    if (NameGenerator* style = editableStyle()) {
        if (m_view)
            m_view->showText(Control::CounterDigitsTextField, QString::number(value));
        style->setCounterDigits(value);
        edited();
    }
}

void NamingStylesController::counterStartsZeroMatrixChange(int row)
{
    if (NameGenerator* style = editableStyle()) {
        style->setCounterStartsFromZero(row == 0);
        edited();
    }
}

// The counter prefix and its only-for-taken-names flag are not guarded by
// the style itself (a run sets them on built-ins too); the editor keeps them
// as a built-in style has them.
void NamingStylesController::counterOnlyShowCheckBoxChange(bool on)
{
    if (NameGenerator* style = editableStyle()) {
        style->setCounterOnlyShowForIdenticalFiles(on);
        edited();
    }
}

void NamingStylesController::counterPrefixTextFieldChange(const QString& text)
{
    if (NameGenerator* style = editableStyle()) {
        style->setCounterPrefix(text);
        edited();
    }
}

void NamingStylesController::seqcounterDigitsSliderChange(int value)
{
    if (NameGenerator* style = editableStyle()) {
        if (m_view)
            m_view->showText(Control::SeqcounterDigitsTextField, QString::number(value));
        style->setSeqCounterDigits(value);
        edited();
    }
}

void NamingStylesController::dateSourceMatrixChange(int row)
{
    if (isFolderEditor())
        return;
    if (NameGenerator* style = editableStyle()) {
        style->setDateSource(row);
        edited();
    }
}

void NamingStylesController::fileTypeSuffixCaseMatrixChange(int row)
{
    if (isFolderEditor())
        return;
    if (NameGenerator* style = editableStyle()) {
        style->setFileTypeSuffixCase(row);
        edited();
    }
}

void NamingStylesController::fileTypeSuffixDotCheckBoxChange(bool on)
{
    if (isFolderEditor())
        return;
    if (NameGenerator* style = editableStyle()) {
        style->setFileTypeSuffixDot(on);
        edited();
    }
}

void NamingStylesController::subStringSettingsChange(int slot, const SubStringFields& fields)
{
    if (isFolderEditor() || slot < 0 || slot >= NameGenerator::kSubStringSlots)
        return;
    if (NameGenerator* style = editableStyle()) {
        const int paramA = ControlText::integerValue(fields.paramA);
        const int paramB = ControlText::integerValue(fields.paramB);
        const int source = slot == 0 ? 0 : fields.source;
        selectSubStringType(slot, fields.type);
        style->setSubString(slot, fields.type, paramA, paramB, source);
        edited();
    }
}

// The B field means something only for the type that reads a count; for
// the others it is emptied and disabled. A built-in style keeps it disabled.
void NamingStylesController::selectSubStringType(int slot, int type)
{
    if (!m_view)
        return;
    const NameGenerator* style = m_fnGenerators.currentGenerator();
    const bool editable = style && !style->isReadOnly();
    m_view->showSlotValue(slot, SlotControl::TypePopUp, type);
    if (type != kTypeWithParamB)
        m_view->showSlotText(slot, SlotControl::ParBTextField, QString());
    m_view->setSlotEnabled(slot, SlotControl::ParBTextField, editable && type == kTypeWithParamB);
}

bool NamingStylesController::seqcounterCurrentNumberTextFieldChange(const QString& text)
{
    const std::optional<int> number = ControlText::wholeNumber(text);
    if (!number)
        return false;
    // The setting hands the number to every style of the collection.
    if (isFolderEditor())
        m_parent.mainController().setFolderSeqCounter(*number);
    else
        m_parent.mainController().setFileSeqCounter(*number);
    updateExample();
    return true;
}

void NamingStylesController::testFileNameTextFieldChange(const QString& text)
{
    m_testFileName = text;
    updateExample();
}

void NamingStylesController::takeSettingsFromCurrentGenerator()
{
    const NameGenerator* style = m_fnGenerators.currentGenerator();
    if (!m_view || !style)
        return;
    const bool editable = !style->isReadOnly();
    const bool files = !isFolderEditor();
    m_view->showText(Control::StatusTextField,
                     LocalizedStrings::shared().text(editable ? QStringLiteral("NamingStylesCustom")
                                                              : QStringLiteral("NamingStylesBuiltIn")));
    for (const Control c : kFolderRecipeControls)
        m_view->setEnabled(c, editable);
    if (files) {
        for (const Control c : kFileOnlyRecipeControls)
            m_view->setEnabled(c, editable);
        for (int slot = 0; slot < NameGenerator::kSubStringSlots; ++slot) {
            const int type = style->subStringTypeOfSubstring(slot);
            m_view->setSlotEnabled(slot, SlotControl::TypePopUp, editable);
            m_view->setSlotEnabled(slot, SlotControl::ParATextField, editable);
            selectSubStringType(slot, type);
            m_view->showSlotText(slot, SlotControl::ParATextField,
                                 QString::number(style->subStringParAOfSubstring(slot)));
            if (type == kTypeWithParamB) {
                m_view->showSlotText(slot, SlotControl::ParBTextField,
                                     QString::number(style->subStringParBOfSubstring(slot)));
            }
            if (slot > 0) {
                m_view->setSlotEnabled(slot, SlotControl::SourcePopUp, editable);
                m_view->showSlotValue(slot, SlotControl::SourcePopUp, style->subStringSourceOfSubstring(slot));
            }
        }
    }
    m_view->showValue(Control::TimeFormatMatrix, style->timeFormat());
    m_view->showValue(Control::CounterStartsZeroMatrix, style->counterStartsFromZero() ? 0 : 1);
    m_view->showValue(Control::CounterDigitsSlider, style->counterDigits());
    m_view->showText(Control::CounterDigitsTextField, QString::number(style->counterDigits()));
    m_view->showChecked(Control::CounterOnlyShowCheckBox, style->counterOnlyShowForIdenticalFiles());
    m_view->showText(Control::CounterPrefixTextField, style->counterPrefix());
    m_view->showText(Control::SeqcounterCurrentNumberTextField, QString::number(style->seqCounter()));
    m_view->showValue(Control::SeqcounterDigitsSlider, style->seqCounterDigits());
    m_view->showText(Control::SeqcounterDigitsTextField, QString::number(style->seqCounterDigits()));
    if (files) {
        m_view->showValue(Control::DateSourceMatrix, style->dateSource());
        m_view->showValue(Control::FileTypeSuffixCaseMatrix, style->fileTypeSuffixCase());
        m_view->showChecked(Control::FileTypeSuffixDotCheckBox, style->fileTypeSuffixDot());
    }
    m_view->showText(Control::FormatTextField, style->formatString());
    m_view->setEnabled(Control::StyleDeleteButton, editable);
}

void NamingStylesController::edited()
{
    updateExample();
}

void NamingStylesController::updateExample()
{
    NameGenerator* style = m_fnGenerators.currentGenerator();
    if (!style)
        return;
    m_example = isFolderEditor() ? style->makeExampleFolderNameForDate(m_exampleDate)
                                 : style->makeExampleFileNameForDate(m_exampleDate, m_testFileName);
    if (m_view) {
        m_view->showText(Control::NamingExampleTextField, m_example);
        m_view->showRunNote(m_parent.mainController().isRunning()
                                ? LocalizedStrings::shared().text(QStringLiteral("SettingsApplyFromNextRun"))
                                : QString());
    }
    refreshStylePopUp();
    m_parent.mainController().generatorChangedFileName();
}

} // namespace lumenscribe
