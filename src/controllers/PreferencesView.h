// What the preferences panel shows. PreferencesController holds the logic and
// writes every change through to the settings at once; a view only presents
// the controls and hands the person's actions to the controller.
#pragma once

#include "controllers/ModelShiftTable.h"
#include "controllers/StylePopUp.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace lumenscribe {

class NamingStylesView;

class PreferencesView
{
public:
    // The panel's controls; a matrix is a group of radio buttons whose row is
    // the setting's value, a pop-up's item index likewise.
    enum class Control
    {
        StylePopUp,
        EditFileStylesButton,
        PrefixSuffixPopUp,
        PrefixTextField,
        SuffixTextField,
        DownloadMatrix,
        DownloadDestFolderTextField,
        DownloadChooseFolderButton,
        DownloadFolderStylePopUp,
        DownloadEditStylesButton,
        DownloadFolderPrefixSuffixPopUp,
        CreatorIDCheckBox,
        CreatorIDTextField,
        CreatorIDGetFileButton,
        ChangeCreationDateCheckBox,
        OpenFilesCheckBox,
        OpenFilesTextField,
        OpenFilesChooseButton,
        DeleteFilesMatrix,
        DeletePatternTableView,
        DeleteFilesRemoveButton,
        DeleteFilesNewButton,
        DeleteFilesSmallerTextField,
        IdenticalFilesMatrix,
        ShowAdvancedOptionsCheckBox,
        QuitAutoProcessingCheckBox,
        ConfirmEachFileCheckBox,
        AlertOS9CheckBox,
        NamePairsTogetherCheckBox,
        OnlyPhotosAndMoviesCheckBox,
        CopyInsteadOfMovingCheckBox,
        TimeShiftTextField,
        // An editable pop-up: "local", "camera" or a zone name.
        NameZonePopUp,
        ModelShiftTableView,
        ModelShiftNewButton,
        ModelShiftRemoveButton,
    };

    virtual ~PreferencesView() = default;

    // Brings the panel to the front as the key window.
    virtual void showPanel() = 0;
    virtual void centerPanel() = 0;
    virtual void hidePanel() = 0;
    // Puts the advanced controls (the tab view, and the file styles' edit
    // button) into the panel or takes them out; the panel grows or shrinks by
    // the tab view's height and keeps its top edge.
    virtual void showAdvancedControls(bool attached, bool animated) = 0;

    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void showChecked(Control checkBox, bool on) = 0;
    // The selected row of a matrix or item of a pop-up.
    virtual void showSelection(Control control, int index) = 0;
    virtual void showText(Control textField, const QString& text) = 0;
    virtual void showStyleItems(Control popUp, const QList<StylePopUpItem>& items, int selectedItem) = 0;
    // Reloads the pattern table; no rows while the table is off.
    virtual void showDeletePatterns(const QStringList& rows) = 0;
    // Selects the row alone and starts editing it with its text selected.
    virtual void editDeletePattern(int row) = 0;
    virtual void showDeleteExplanation(bool shown) = 0;
    // Reloads the per-camera shift table.
    virtual void showModelShifts(const QList<ModelShiftTable::Row>& rows) = 0;
    // Selects the row alone and starts editing its model.
    virtual void editModelShift(int row) = 0;
    // A note that changes apply from the next run, or the empty text.
    virtual void showRunNote(const QString& text) = 0;

    // Asks for a folder / a file (not a folder), starting in `start`; none
    // when the person cancels.
    virtual std::optional<QString> chooseFolder(const QString& start) = 0;
    virtual std::optional<QString> chooseFile(const QString& start) = 0;
    // The window of the file or the folder style editor, made on first use
    // and kept by the view; null when there is none.
    virtual NamingStylesView* namingStylesView(bool folderStyles) = 0;
};

} // namespace lumenscribe
