// The hand-over between a confirmation window and the run waiting for it.
// Each question carries a ticket: the window answers the question it shows,
// and an answer to an earlier question (a second click that lands after the
// window moved on in the run, but before it shows the next file) is refused
// instead of being taken for the next file. The confirmed path travels with
// the answer, so it always belongs to the question answered.
#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <mutex>

namespace lumenscribe {

// The answers of the confirm-each-file window and of the folder-name
// window, with the numbers they have always had.
enum class FileAnswer
{
    None = 0,
    Abort = 1,
    DontRename = 2,
    RenameAll = 3,
    Rename = 4
};
enum class FolderAnswer
{
    None = 0,
    Abort = 1,
    Ok = 2
};

class ModalAnswer
{
public:
    static constexpr int kNone = 0;
    static constexpr int kAbort = 1;
    // Longest confirmed path handed to the run, in UTF-8 bytes.
    static constexpr int kMaxPathBytes = 2047;

    // What the window proposes while it shows a question: the full path,
    // and the prefix and suffix chosen in it, which hold for the files the
    // run names after this one.
    struct Proposal
    {
        QString path;
        QString prefix;
        QString suffix;
    };
    struct Reply
    {
        int code = kNone;
        Proposal proposal;
    };

    // The run: a new question, which forgets every earlier answer and path.
    // Called before the window is asked, so an answer given at once is kept.
    quint64 ask();
    // The run: blocks until the question is answered or the application
    // quits (then the reply is kAbort).
    Reply wait(quint64 ticket);
    // The window: the question it is being shown for now.
    quint64 latestQuestion() const;
    // The window: answers question `ticket` with the path set last; false
    // when that is not the question the run waits for, or it is answered.
    bool give(quint64 ticket, int code);
    void terminate();

    // The window's current proposal, handed over with the answer.
    void setProposal(const Proposal& proposal);
    QString path() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_answered;
    quint64 m_asked = 0;
    bool m_hasReply = false;
    bool m_terminate = false;
    Reply m_reply;
    Proposal m_proposal;
};

} // namespace lumenscribe
