// What a naming style editor shows: the styles of one collection, the
// settings of the selected style and a live example name. The controller
// (NamingStylesController) holds the logic; the folder editor's view simply
// has no substring, date source, file type suffix or test file name controls.
#pragma once

#include "controllers/StylePopUp.h"

#include <QList>
#include <QString>

namespace lumenscribe {

class NamingStylesView
{
public:
    enum class Control
    {
        StatusTextField,
        CounterDigitsSlider,
        CounterDigitsTextField,
        CounterStartsZeroMatrix,
        CounterOnlyShowCheckBox,
        CounterPrefixTextField,
        SeqcounterCurrentNumberTextField,
        SeqcounterDigitsSlider,
        SeqcounterDigitsTextField,
        DateSourceMatrix,
        FileTypeSuffixCaseMatrix,
        FileTypeSuffixDotCheckBox,
        StylePopUp,
        StyleDeleteButton,
        FormatTextField,
        NamingExampleTextField,
        TestFileNameTextField,
        TimeFormatMatrix,
    };
    // The controls of one substring slot; slot 0 has no source pop-up (its
    // source is always the old name).
    enum class SlotControl
    {
        TypePopUp,
        ParATextField,
        ParBTextField,
        SourcePopUp,
    };

    virtual ~NamingStylesView() = default;

    virtual void openSheet() = 0;
    virtual void closeSheet() = 0;

    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void showChecked(Control checkBox, bool on) = 0;
    // A slider's value, a matrix's row.
    virtual void showValue(Control control, int value) = 0;
    virtual void showText(Control textField, const QString& text) = 0;
    virtual void setSlotEnabled(int slot, SlotControl control, bool enabled) = 0;
    // A pop-up's selected item.
    virtual void showSlotValue(int slot, SlotControl popUp, int value) = 0;
    virtual void showSlotText(int slot, SlotControl textField, const QString& text) = 0;
    virtual void showStyleItems(const QList<StylePopUpItem>& items, int selectedItem) = 0;
    // A note that changes apply from the next run, or the empty text.
    virtual void showRunNote(const QString& text) = 0;
};

} // namespace lumenscribe
