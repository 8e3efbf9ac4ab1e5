// The confirm-each-file window's logic: the proposed name and its check, the
// prefix and suffix choice, the date correction and the answer the waiting
// rename run reads. What is drawn is the view's business (CIWView).
//
// Threads: the run calls threadWaitForModal, prepareForAnswer, newFileName,
// correctDate, checkFileName and updatePrefixSuffix from its worker thread;
// everything else runs on the thread that owns the view. The answer code and
// the terminate flag are atomics; the confirmed path is stored before the
// answer code becomes visible.
#pragma once

#include "controllers/CIWView.h"
#include "platform/Instant.h"
#include "run/ModalAnswer.h"

#include <QString>
#include <array>
#include <atomic>

namespace lumenscribe {

class MainController;

class CIWController
{
public:
    enum Answer
    {
        NoAnswer = 0,
        Abort = 1,
        DontRename = 2,
        RenameAll = 3,
        Rename = 4
    };
    // NameNotAcceptable: "/" or NUL in it, or "." or "..", a name that would
    // leave its folder or cannot be a name at all.
    enum CheckResult
    {
        NameOk = 0,
        NameEmpty = 1,
        NameTooLong = 2,
        NameExists = 3,
        NameNotAcceptable = 4
    };
    // Longest confirmed path handed to the run, in UTF-8 bytes.
    static constexpr int kMaxPathBytes = ModalAnswer::kMaxPathBytes;

    explicit CIWController(MainController& mainController);

    void setView(CIWView* view) { m_view = view; }

    // --- the run's side (worker thread) ---
    // Forgets any earlier answer; the run calls it before asking for a file,
    // so an answer given for this file can never be lost to the wait.
    void prepareForAnswer() { m_modal.prepare(); }
    int threadWaitForModal() { return m_modal.wait(); }
    // The confirmed full target path.
    QString newFileName() const;
    Instant correctDate(Instant date) const;
    static int checkFileName(const QString& name, const QString& path, unsigned flags);
    // The same check for a name just seen free at path.
    // The classic 31-unit limit, checked only when bit 0 of the flags is set.
    static bool exceedsClassicLength(const QString& name, unsigned flags);
    static int checkFreeFileName(const QString& name, const QString& path, unsigned flags);
    void updatePrefixSuffix();

    // --- shown through the bridge ---
    void open();
    void processFile(const QString& file, const QString& path, Instant date);
    void close();
    bool opened() const { return m_opened; }

    // --- from the application controller ---
    void terminateNow() { m_modal.terminate(); }
    void mainControllerChangedSettings();
    bool showsPreview() const { return m_usePreview; }
    void setShowPreview(bool value) { m_usePreview = value; }
    int prefixSuffixType() const { return m_prefixSuffixType; }
    void setPrefixSuffixType(int value);
    const QString& prefix() const { return m_filePrefix; }
    void setPrefix(const QString& value) { m_filePrefix = value; }
    const QString& suffix() const { return m_fileSuffix; }
    void setSuffix(const QString& value) { m_fileSuffix = value; }

    // --- the window's controls ---
    void renameButtonClick() { answer(Rename); }
    void renameAllButtonClick() { answer(RenameAll); }
    void dontRenameButtonClick() { answer(DontRename); }
    void abortButtonClick() { answer(Abort); }
    void resetNameButtonClick() { makeNewFileName(true); }
    void newNameTextFieldChange(const QString& text);
    void prefixTextFieldChange(const QString& text);
    void suffixTextFieldChange(const QString& text);
    void presuffixPopUpChange(int index);
    void showFilePreviewCheckBoxChange(bool on) { m_usePreview = on; }
    void correctionEnableCheckBoxClick(bool on);
    void correctionStepperChange(const std::array<int, 6>& fields);
    void correctionSetFileDateTimeButonClick();
    void correctionSetCurrentDateTimeButonClick();

    // --- state, for views and tests ---
    const QString& proposedFileName() const { return m_newFileName; }
    const QString& oldFileName() const { return m_oldFileName; }
    int lastCheckResult() const { return m_lastCheck; }
    int correctionInterval() const { return m_correctionInterval.load(); }
    bool correctionEnabled() const { return m_correctionEnabled.load(); }

private:
    void answer(Answer code) { m_modal.give(code); }
    void makeNewFileName(bool focus);
    void checkNewFileName();
    void updatePrefixSuffixEnables();
    void takeCorrectionFromSteppers(const std::array<int, 6>& fields);
    void applyCorrectionDate(bool fromCorrectionDate);

    MainController& m_mainController;
    CIWView* m_view = nullptr;
    bool m_opened = false;
    bool m_enableCorrectionControlsAreAttached = true;
    std::atomic<bool> m_correctionEnabled{false};
    QString m_filePrefix;
    QString m_fileSuffix;
    QString m_oldFileName;
    QString m_newFileName;
    QString m_newPath;
    Instant m_fileDate;
    OptionalInstant m_correctionDate;
    std::atomic<int> m_correctionInterval{0};
    bool m_usePreview = false;
    int m_prefixSuffixType = 1;
    int m_lastCheck = NameOk;
    ModalAnswer m_modal;
};

} // namespace lumenscribe
