// Views of the preferences panel and of a naming style editor that record
// what they were last told to show, and answer the choosers from a script.
#pragma once

#include "controllers/NamingStylesView.h"
#include "controllers/PreferencesView.h"

#include <QHash>
#include <QList>
#include <map>
#include <optional>

namespace lumenscribe::test {

class RecordingNamingStylesView : public NamingStylesView
{
public:
    using Slot = std::pair<int, SlotControl>;

    bool open = false;
    std::map<Control, bool> enabled;
    std::map<Control, bool> checked;
    std::map<Control, int> values;
    std::map<Control, QString> texts;
    std::map<Slot, bool> slotEnabled;
    std::map<Slot, int> slotValues;
    std::map<Slot, QString> slotTexts;
    QList<StylePopUpItem> items;
    int selectedItem = -1;
    QString runNote;

    void openSheet() override { open = true; }
    void closeSheet() override { open = false; }
    void setEnabled(Control c, bool on) override { enabled[c] = on; }
    void showChecked(Control c, bool on) override { checked[c] = on; }
    void showValue(Control c, int value) override { values[c] = value; }
    void showText(Control c, const QString& text) override { texts[c] = text; }
    void setSlotEnabled(int slot, SlotControl c, bool on) override { slotEnabled[{slot, c}] = on; }
    void showSlotValue(int slot, SlotControl c, int value) override { slotValues[{slot, c}] = value; }
    void showSlotText(int slot, SlotControl c, const QString& text) override { slotTexts[{slot, c}] = text; }
    void showStyleItems(const QList<StylePopUpItem>& shown, int selected) override
    {
        items = shown;
        selectedItem = selected;
    }
    void showRunNote(const QString& text) override { runNote = text; }
};

class RecordingPreferencesView : public PreferencesView
{
public:
    struct PopUp
    {
        QList<StylePopUpItem> items;
        int selected = -1;
    };

    bool shown = false;
    int centered = 0;
    // Calls to showStyleItems: how often the settings were shown.
    int styleItemsShown = 0;
    std::optional<bool> advancedAttached;
    bool advancedAnimated = false;
    std::map<Control, bool> enabled;
    std::map<Control, bool> checked;
    std::map<Control, int> selections;
    std::map<Control, QString> texts;
    std::map<Control, PopUp> popUps;
    QStringList patternRows;
    int editedRow = -1;
    QList<ModelShiftTable::Row> modelShifts;
    int editedModelShift = -1;
    bool explanation = false;
    QString runNote;
    // What the choosers answer, in order; a null text is a cancel.
    QStringList chooserAnswers;
    QStringList chooserStarts;
    RecordingNamingStylesView fileStylesView;
    RecordingNamingStylesView folderStylesView;

    void showPanel() override { shown = true; }
    void centerPanel() override { ++centered; }
    void hidePanel() override { shown = false; }
    void showAdvancedControls(bool attached, bool animated) override
    {
        advancedAttached = attached;
        advancedAnimated = animated;
    }
    void setEnabled(Control c, bool on) override { enabled[c] = on; }
    void showChecked(Control c, bool on) override { checked[c] = on; }
    void showSelection(Control c, int index) override { selections[c] = index; }
    void showText(Control c, const QString& text) override { texts[c] = text; }
    void showStyleItems(Control c, const QList<StylePopUpItem>& items, int selected) override
    {
        popUps[c] = PopUp{items, selected};
        ++styleItemsShown;
    }
    void showDeletePatterns(const QStringList& rows) override { patternRows = rows; }
    void editDeletePattern(int row) override { editedRow = row; }
    void showDeleteExplanation(bool on) override { explanation = on; }
    void showModelShifts(const QList<ModelShiftTable::Row>& rows) override { modelShifts = rows; }
    void editModelShift(int row) override { editedModelShift = row; }
    void showRunNote(const QString& text) override { runNote = text; }
    std::optional<QString> chooseFolder(const QString& start) override { return answer(start); }
    std::optional<QString> chooseFile(const QString& start) override { return answer(start); }
    NamingStylesView* namingStylesView(bool folderStyles) override
    {
        return folderStyles ? &folderStylesView : &fileStylesView;
    }

private:
    std::optional<QString> answer(const QString& start)
    {
        chooserStarts.append(start);
        const QString next = chooserAnswers.isEmpty() ? QString() : chooserAnswers.takeFirst();
        if (next.isNull())
            return std::nullopt;
        return next;
    }
};

} // namespace lumenscribe::test
