// The confirm-each-file window's logic: the proposed name and its check, the
// prefix and suffix choice, the date correction and the answer the waiting
// rename run reads. What is drawn is the view's business (CIWView).
//
// Threads: the run asks and waits through modalAnswer() and calls
// correctDate from its worker thread; everything else runs on the thread
// that owns the view. The window names files with its own copy of the style
// of the run under way; an answer travels with its question's ticket and
// the path and prefix and suffix proposed for it.
#pragma once

#include "controllers/CIWView.h"
#include "naming/NameGenerator.h"
#include "platform/Instant.h"
#include "run/ModalAnswer.h"
#include "run/NameCheck.h"

#include <QString>
#include <array>
#include <atomic>

namespace lumenscribe {

class MainController;
struct RunSnapshot;

class CIWController
{
public:
    enum Answer
    {
        NoAnswer = int(FileAnswer::None),
        Abort = int(FileAnswer::Abort),
        DontRename = int(FileAnswer::DontRename),
        RenameAll = int(FileAnswer::RenameAll),
        Rename = int(FileAnswer::Rename)
    };
    enum CheckResult
    {
        NameOk = NameCheck::Ok,
        NameEmpty = NameCheck::Empty,
        NameTooLong = NameCheck::TooLong,
        NameExists = NameCheck::Exists,
        NameNotAcceptable = NameCheck::NotAcceptable
    };
    // Longest confirmed path handed to the run, in UTF-8 bytes.
    static constexpr int kMaxPathBytes = ModalAnswer::kMaxPathBytes;

    explicit CIWController(MainController& mainController);

    void setView(CIWView* view) { m_view = view; }

    // --- the run's side (worker thread) ---
    // The hand-over the run asks and waits on; each question has a ticket.
    ModalAnswer& modalAnswer() { return m_modal; }
    // A new question: forgets any earlier answer, so an answer given for
    // this file can never be lost to the wait. Returns its ticket.
    quint64 prepareForAnswer() { return m_modal.ask(); }
    ModalAnswer::Reply threadWaitForModal(quint64 ticket) { return m_modal.wait(ticket); }
    // The full target path the window proposes now.
    QString newFileName() const;
    Instant correctDate(Instant date) const;
    static int checkFileName(const QString& name, const QString& path, unsigned flags);
    // The same check for a name just seen free at path.
    // The classic 31-unit limit, checked only when bit 0 of the flags is set.
    static bool exceedsClassicLength(const QString& name, unsigned flags);
    static int checkFreeFileName(const QString& name, const QString& path, unsigned flags);
    void updatePrefixSuffix();
    // Gives `style` the prefix and suffix this window's choice and the
    // snapshot's settings call for.
    void applyPrefixSuffix(NameGenerator& style, const RunSnapshot& snapshot) const;

    // --- shown through the bridge ---
    void open();
    void processFile(const QString& file, const QString& path, Instant date);
    // The fraction of the second of the file to come (see NameGenerator::setSubSeconds).
    void setSubSeconds(const QString& digits) { m_subSeconds = digits; }
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
    // Each answers the question on show; an answer to one the run no longer
    // waits for is refused (false).
    bool renameButtonClick() { return answer(Rename); }
    bool renameAllButtonClick() { return answer(RenameAll); }
    bool dontRenameButtonClick() { return answer(DontRename); }
    bool abortButtonClick() { return answer(Abort); }
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
    bool answer(Answer code) { return m_modal.give(m_question, code); }
    void takeStyle();
    void makeNewFileName(bool focus);
    void checkNewFileName();
    void updatePrefixSuffixEnables();
    void takeCorrectionFromSteppers(const std::array<int, 6>& fields);
    void applyCorrectionDate(bool fromCorrectionDate);

    MainController& m_mainController;
    CIWView* m_view = nullptr;
    // The window's own copy of the style the run goes by.
    NameGenerator m_style{false};
    unsigned m_checkFlags = 0;
    // The question on show.
    quint64 m_question = 0;
    bool m_opened = false;
    bool m_enableCorrectionControlsAreAttached = true;
    std::atomic<bool> m_correctionEnabled{false};
    QString m_filePrefix;
    QString m_fileSuffix;
    QString m_oldFileName;
    QString m_newFileName;
    QString m_newPath;
    Instant m_fileDate;
    QString m_subSeconds;
    OptionalInstant m_correctionDate;
    std::atomic<int> m_correctionInterval{0};
    bool m_usePreview = false;
    int m_prefixSuffixType = 1;
    int m_lastCheck = NameOk;
    ModalAnswer m_modal;
};

} // namespace lumenscribe
