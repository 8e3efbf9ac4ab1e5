// The folder-name window's logic: the name of the dated download folder made
// from the current folder style, its check, the prefix and suffix choice and
// the answer the waiting rename run reads. Threads as for CIWController.
#pragma once

#include "controllers/FIWView.h"
#include "platform/Instant.h"
#include "run/ModalAnswer.h"

#include <QString>

namespace lumenscribe {

class MainController;

class FIWController
{
public:
    enum Answer
    {
        NoAnswer = 0,
        Abort = 1,
        Ok = 2
    };

    explicit FIWController(MainController& mainController);

    void setView(FIWView* view) { m_view = view; }

    // --- the run's side (worker thread) ---
    void prepareForAnswer() { m_modal.prepare(); }
    int threadWaitForModal() { return m_modal.wait(); }
    // The confirmed full path of the folder to create.
    QString newFolderName() const;

    // --- through the bridge ---
    void makeFolderNameWithPath(const QString& path, Instant date);
    void openWithPath(const QString& path, Instant date);
    void close();
    bool opened() const { return m_opened; }

    // --- from the application controller ---
    void terminateNow() { m_modal.terminate(); }
    void mainControllerChangedSettings();
    int prefixSuffixType() const { return m_prefixSuffixType; }
    void setPrefixSuffixType(int value);
    const QString& prefix() const { return m_folderPrefix; }
    void setPrefix(const QString& value) { m_folderPrefix = value; }
    const QString& suffix() const { return m_folderSuffix; }
    void setSuffix(const QString& value) { m_folderSuffix = value; }

    // --- the window's controls ---
    void okButtonClick() { m_modal.give(Ok); }
    void abortButtonClick() { m_modal.give(Abort); }
    void resetNameButtonClick() { makeNewFolderName(); }
    void nameTextFieldChange(const QString& text);
    void prefixTextFieldChange(const QString& text);
    void suffixTextFieldChange(const QString& text);
    void presuffixPopUpChange(int index);

    const QString& proposedFolderName() const { return m_newFolderName; }
    int lastCheckResult() const { return m_lastCheck; }

private:
    void updatePrefixSuffix();
    void updatePrefixSuffixEnables();
    void makeNewFolderName();
    void checkNewFolderName();

    MainController& m_mainController;
    FIWView* m_view = nullptr;
    QString m_folderPrefix;
    QString m_folderSuffix;
    QString m_newPath;
    Instant m_folderDate;
    QString m_newFolderName;
    bool m_opened = false;
    int m_prefixSuffixType = 1;
    int m_lastCheck = 0;
    ModalAnswer m_modal;
};

} // namespace lumenscribe
