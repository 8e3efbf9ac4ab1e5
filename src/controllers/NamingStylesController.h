// A naming style editor's logic, for the file styles or the folder styles
// (the collection it is made with says which): the styles in a pop-up with a
// separator after the built-ins, a new style as an editable copy of the
// selected one, deleting a custom style, every setting of the selected style
// and a live example name. Every change goes straight into the selected
// style; built-in styles are shown but not changed.
//
// The selected style is the collection's current one, which the settings
// hold by index (namingStyle, downloadNamingStyle): each change of the
// selection goes through the preferences controller to that setting, so the
// index stays valid when a style before it is deleted. A run under way works
// on its own copy of the style and is not touched.
#pragma once

#include "controllers/NamingStylesView.h"
#include "platform/Instant.h"

#include <QString>

namespace lumenscribe {

class FNGenerators;
class NameGenerator;
class PreferencesController;

class NamingStylesController
{
public:
    // What a substring slot's controls hold when one of them changes: the
    // selected type and source, and the texts of the A and B fields.
    struct SubStringFields
    {
        int type = 0;
        QString paramA;
        QString paramB;
        int source = 0;
    };

    NamingStylesController(FNGenerators& generators, Instant exampleDate, PreferencesController& parent);

    void setView(NamingStylesView* view) { m_view = view; }
    bool isFolderEditor() const;
    FNGenerators& generators() const { return m_fnGenerators; }

    // --- called by the preferences controller ---
    void openPanel();
    void closePanel();
    bool windowShouldClose();
    void doneButtonClick() { closePanel(); }
    void refreshStylePopUp();

    // --- style management ---
    // The item index of the pop-up, where the separator is an item.
    void stylePopUpChange(int popUpIndex);
    void styleNewButtonClick();
    void styleDeleteButtonClick();
    // -1 for the separator or an item past the list.
    int generatorIndexFromPopUpIndex(int popUpIndex) const;

    // --- the selected style's settings; refused on a built-in style ---
    void formatTextFieldChange(const QString& text);
    void timeFormatMatrixChange(int row);
    void counterDigitsSliderChange(int value);
    void counterStartsZeroMatrixChange(int row);
    void counterOnlyShowCheckBoxChange(bool on);
    void counterPrefixTextFieldChange(const QString& text);
    void seqcounterDigitsSliderChange(int value);
    // The file editor's only:
    void dateSourceMatrixChange(int row);
    void fileTypeSuffixCaseMatrixChange(int row);
    void fileTypeSuffixDotCheckBoxChange(bool on);
    void subString0SettingsChange(const SubStringFields& fields) { subStringSettingsChange(0, fields); }
    void subString1SettingsChange(const SubStringFields& fields) { subStringSettingsChange(1, fields); }
    void subString2SettingsChange(const SubStringFields& fields) { subStringSettingsChange(2, fields); }
    void subString3SettingsChange(const SubStringFields& fields) { subStringSettingsChange(3, fields); }
    void subStringSettingsChange(int slot, const SubStringFields& fields);

    // --- open on every style ---
    // The collection's sequence counter (all styles share it). False, with
    // the counter left as it was, for a text that is not a whole number.
    bool seqcounterCurrentNumberTextFieldChange(const QString& text);
    void testFileNameTextFieldChange(const QString& text);

    // Shows the selected style in every control.
    void takeSettingsFromCurrentGenerator();
    // Makes the example name again and tells whoever shows names made by
    // the style.
    void updateExample();

    // --- state, for views and tests ---
    const QString& example() const { return m_example; }
    const QString& testFileName() const { return m_testFileName; }

private:
    NameGenerator* editableStyle();
    void edited();
    void selectSubStringType(int slot, int type);
    void selectStyle(int generatorIndex);

    FNGenerators& m_fnGenerators;
    Instant m_exampleDate;
    PreferencesController& m_parent;
    NamingStylesView* m_view = nullptr;
    QString m_testFileName;
    QString m_example;
};

} // namespace lumenscribe
