// The folder-name window's logic: the name of the dated download folder made
// from the current folder style, its check, the prefix and suffix choice and
// the answer the waiting rename run reads. Threads as for CIWController.
#pragma once

#include "controllers/FIWView.h"
#include "naming/NameGenerator.h"
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
        NoAnswer = int(FolderAnswer::None),
        Abort = int(FolderAnswer::Abort),
        Ok = int(FolderAnswer::Ok)
    };

    explicit FIWController(MainController& mainController);

    void setView(FIWView* view) { m_view = view; }

    // --- the run's side (worker thread) ---
    ModalAnswer& modalAnswer() { return m_modal; }
    quint64 prepareForAnswer() { return m_modal.ask(); }
    ModalAnswer::Reply threadWaitForModal(quint64 ticket) { return m_modal.wait(ticket); }
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
    // Each answers the question on show; false when the run no longer waits for it.
    bool okButtonClick() { return m_modal.give(m_question, Ok); }
    bool abortButtonClick() { return m_modal.give(m_question, Abort); }
    void resetNameButtonClick() { makeNewFolderName(); }
    void nameTextFieldChange(const QString& text);
    void prefixTextFieldChange(const QString& text);
    void suffixTextFieldChange(const QString& text);
    void presuffixPopUpChange(int index);

    const QString& proposedFolderName() const { return m_newFolderName; }
    int lastCheckResult() const { return m_lastCheck; }

private:
    void updatePrefixSuffix();
    void takeStyle();
    void updatePrefixSuffixEnables();
    void makeNewFolderName();
    void checkNewFolderName();

    MainController& m_mainController;
    FIWView* m_view = nullptr;
    // The window's own copy of the folder style of the run under way.
    NameGenerator m_style{true};
    unsigned m_checkFlags = 0;
    int m_mainPrefixSuffixType = 0;
    QString m_mainPrefix;
    QString m_mainSuffix;
    quint64 m_question = 0;
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
