// The preferences panel's logic: each control shows one setting and writes it
// back through the application controller's guarded setter as soon as the
// person changes it (there is no OK or Cancel), with the rules for which
// controls are enabled. The panel also lists both style collections, opens
// their editors, edits the delete patterns and shows or hides its advanced
// options. What is drawn is the view's business (PreferencesView).
//
// Threads: the thread that owns the view only. A run under way works on its
// own copy of the settings and styles taken at its start, so the panel may
// change them at any time; the view is told the change applies from the
// next run.
#pragma once

#include "controllers/PreferencesView.h"
#include "platform/Instant.h"

#include <QString>
#include <memory>
#include <optional>

namespace lumenscribe {

class FNGenerators;
class MainController;
class NamingStylesController;

class PreferencesController
{
public:
    // Without a date, the examples in the pop-ups are made for the moment
    // the controller is made.
    PreferencesController(FNGenerators& fileNameGenerators, FNGenerators& folderNameGenerators,
                          MainController& mainController, OptionalInstant exampleDate = std::nullopt);
    ~PreferencesController();
    PreferencesController(const PreferencesController&) = delete;
    PreferencesController& operator=(const PreferencesController&) = delete;

    void setView(PreferencesView* view) { m_view = view; }

    // --- offered to the application controller ---
    // Shows the panel; a hidden panel first shows the settings as they are.
    void openPanel();
    void closePanel();
    bool windowShouldClose();
    bool panelIsOpen() const { return m_panelIsOpen; }
    // Pushes every setting to the view (the panel's applySettings).
    void refresh();
    // Rebuilds both style pop-ups, keeping their selections: the titles
    // change with the sequence counters.
    void refreshStylePopUps();
    // Tells the view whether a run is under way (changes apply from the next).
    void refreshRunNote();

    // --- offered to the style editors ---
    void setNamingStyle(int index);
    void setDownloadNamingStyle(int index);
    // The editor of `generators` changed it: rebuild its pop-up selecting
    // style `index`. Another collection is ignored.
    void styleChange(const FNGenerators& generators, int index);
    MainController& mainController() { return m_mainController; }
    Instant exampleDate() const { return m_exampleDate; }

    // --- the panel's controls ---
    // Pop-ups of styles take the item index (the separator is an item).
    void stylePopUpChange(int popUpIndex);
    void styleEditButtonClick();
    void prefixsuffixPopUpChange(int index);
    void prefixTextFieldChange(const QString& text);
    void suffixTextFieldChange(const QString& text);
    // Without a row (no sender) these three only refresh the enables.
    void downloadMatrixChange();
    void downloadMatrixChange(int row);
    void downloadChooseFolderButtonClick();
    void downloadFolderStylePopUpChange(int popUpIndex);
    void downloadEditStylesButtonClick();
    void downloadFolderPrefixSuffixPopUpChange(int index);
    void creatorIDCheckBoxChange();
    void creatorIDCheckBoxChange(bool on);
    // False, with the code left as it was, for a text that is not four
    // characters of one byte each.
    bool creatorIDTextFieldChange(const QString& text);
    void creatorIDGetFileButtonClick();
    void changeCreationDateCheckBoxChange(bool on);
    void openFilesCheckBoxChange();
    void openFilesCheckBoxChange(bool on);
    void openFilesChooseButtonClick();
    void deleteFilesMatrixChange();
    void deleteFilesMatrixChange(int row);
    void deleteFilesNewButtonClick();
    // `selectedRow` below 0: nothing selected, nothing removed.
    void deleteFilesRemoveButtonClick(int selectedRow);
    void deleteFilesExplanationButtonClick();
    void dfWOkButtonClick();
    // False, with the limit left as it was, for a text that is not a whole
    // number of 0 or more.
    bool deleteFilesSmallerTextFieldChange(const QString& text);
    void identicalFilesMatrixChange(int row);
    void showAdvancedOptionsCheckBoxClick(bool on);
    void quitAutoProcessingCheckBoxChange(bool on);
    void confirmEachFileCheckBoxChange(bool on);
    void alertOS9CheckBoxChange(bool on);
    void namePairsTogetherCheckBoxChange(bool on);
    void onlyPhotosAndMoviesCheckBoxChange(bool on);
    void copyInsteadOfMovingCheckBoxChange(bool on);
    // False, with the stored text left as it was, for a text the settings
    // refuse (no shift, or no zone that exists).
    bool timeShiftTextFieldChange(const QString& text);
    bool nameZonePopUpChange(const QString& value);
    // What the zone pop-up offers: "local", "camera", then every zone name.
    static QStringList zoneChoices();
    // --- the per-camera shift table ---
    void modelShiftNewButtonClick();
    // `selectedRow` below 0: nothing selected, nothing removed.
    void modelShiftRemoveButtonClick(int selectedRow);
    // False, with the cell put back, when the settings refuse the table.
    bool modelShiftTableSetValue(int row, ModelShiftTable::Column column, const QString& text);
    const QList<ModelShiftTable::Row>& modelShiftRows() const { return m_modelShiftRows; }

    // --- the pattern table's data source ---
    // No rows while the table is off (the delete rule uses no patterns).
    int numberOfRowsInTableView() const;
    QString tableViewObjectValue(int row) const;
    // An edit of a row outside the list is ignored.
    void tableViewSetObjectValue(int row, const QString& value);

    // --- the creator code and its four characters ---
    // The first character in the most significant byte; none unless the text
    // is exactly four characters, each of one byte (Latin-1, no control
    // characters).
    static std::optional<quint32> creatorIDFromText(const QString& text);
    // Code 0 (none) is the empty text; a zero byte inside a code shows as a
    // blank.
    static QString creatorIDText(quint32 code);
    // The creator code in a file's Finder information, or none.
    std::optional<quint32> creatorIDOfFile(const QString& path) const;

    // --- state, for views and tests ---
    bool advancedControlsAreAttached() const { return m_advancedControlsAreAttached; }
    NamingStylesController* fileNamingStylesController() const { return m_fileNamingStylesController.get(); }
    NamingStylesController* folderNamingStylesController() const { return m_folderNamingStylesController.get(); }
    // Where the choosers start.
    static QString applicationsFolder();

private:
    enum class Collection
    {
        Files,
        Folders
    };
    void refreshStylePopUp(Collection which, int wanted);
    void applyPrefixSuffixEnables();
    void applyDownloadEnables();
    void applyCreatorIDEnables();
    void applyOpenFilesEnables();
    void applyOpenFilesApplication();
    void applyDeleteFileEnables();
    void refreshCameraOptions();
    bool storeModelShifts(const QList<ModelShiftTable::Row>& rows);
    bool patternTableIsOn() const;
    void openStylesEditor(Collection which);
    void changed();

    FNGenerators& m_fileNameGenerators;
    FNGenerators& m_folderNameGenerators;
    MainController& m_mainController;
    PreferencesView* m_view = nullptr;
    std::unique_ptr<NamingStylesController> m_fileNamingStylesController;
    std::unique_ptr<NamingStylesController> m_folderNamingStylesController;
    Instant m_exampleDate;
    bool m_advancedControlsAreAttached = true;
    bool m_panelIsOpen = false;
    // The item each style pop-up shows selected.
    int m_selectedFileStyleItem = 0;
    int m_selectedFolderStyleItem = 0;
    // The table as shown, with rows still being typed.
    QList<ModelShiftTable::Row> m_modelShiftRows;
};

} // namespace lumenscribe
