// The main window's logic: the current styles with their example names, what
// a drop does, the names-first table and the undo of the last run. The
// window only shows it and forwards what the person does.
#pragma once

#include "controllers/MainWindowView.h"
#include "controllers/NamesPreview.h"
#include "journal/UndoRun.h"
#include "platform/Instant.h"

#include <QObject>
#include <QStringList>

namespace lumenscribe {

class MainController;
enum class SettingKey : int;

class MainWindowController : public QObject
{
    Q_OBJECT

public:
    explicit MainWindowController(MainController& controller, QObject* parent = nullptr);

    void setView(MainWindowView* view);
    // Shows everything again (after a run, a style edit, a new start).
    void refresh();

    // --- the window's controls ---
    void fileStyleChosen(int popUpIndex);
    void folderStyleChosen(int popUpIndex);
    enum class Opened
    {
        Nothing,
        Planned, // the names are shown first; renameShown() starts the run
        Started
    };
    Opened open(const QStringList& paths);
    // Renames the files whose names are shown, with the settings as they
    // are now; the table is emptied.
    void renameShown();
    void discardShown();
    NamesPreview& namesPreview() { return m_preview; }

    // --- undo ---
    struct UndoOffer
    {
        QString journal;
        qint64 time = 0;
        int files = 0; // files an undo now would put back
        bool available() const { return files > 0; }
    };
    // The newest run, if it has anything left to take back: the files an
    // undo now would put back, counted by trying it without changing
    // anything. Reads every file's state: for the question, not for each
    // refresh of the window.
    UndoOffer undoOffer() const;
    // The same from the journal's summary alone (its moves less those
    // taken back already); cheap enough for every refresh.
    UndoOffer undoSummary() const;
    QString undoQuestion(const UndoOffer& offer) const;
    enum class UndoOutcome
    {
        Done,
        Partly, // some files could not be put back: `lines` says why
        Locked, // a run or undo is going on
        Failed
    };
    struct UndoResult
    {
        UndoOutcome outcome = UndoOutcome::Failed;
        int restored = 0;
        QStringList lines;
    };
    UndoResult undoLastRun(const UndoOffer& offer);

    // --- texts of the table ---
    static QString dateText(const FileReport& row);
    static QString problemText(const FileReport& row);

private:
    void settingChanged(SettingKey key);
    void showStyles();
    void showDropAction();
    QString dropActionText() const;
    void showNames();
    void showUndo();
    Instant exampleDate() const;

    MainController& m_controller;
    MainWindowView* m_view = nullptr;
    NamesPreview m_preview;
};

} // namespace lumenscribe
