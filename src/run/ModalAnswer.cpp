#include "run/ModalAnswer.h"

namespace lumenscribe {

quint64 ModalAnswer::ask()
{
    const std::lock_guard lock(m_mutex);
    m_hasReply = false;
    m_reply = Reply();
    m_proposal = Proposal();
    return ++m_asked;
}

ModalAnswer::Reply ModalAnswer::wait(quint64 ticket)
{
    std::unique_lock lock(m_mutex);
    m_answered.wait(lock, [&] { return m_terminate || (m_hasReply && m_asked == ticket); });
    if (m_terminate)
        return Reply{kAbort, m_proposal};
    return m_reply;
}

quint64 ModalAnswer::latestQuestion() const
{
    const std::lock_guard lock(m_mutex);
    return m_asked;
}

bool ModalAnswer::give(quint64 ticket, int code)
{
    {
        const std::lock_guard lock(m_mutex);
        if (ticket != m_asked || m_hasReply || code == kNone)
            return false;
        m_reply = Reply{code, m_proposal};
        m_hasReply = true;
    }
    m_answered.notify_all();
    return true;
}

void ModalAnswer::terminate()
{
    {
        const std::lock_guard lock(m_mutex);
        m_terminate = true;
    }
    m_answered.notify_all();
}

void ModalAnswer::setProposal(const Proposal& proposal)
{
    const std::lock_guard lock(m_mutex);
    m_proposal = proposal;
    m_proposal.path = QString::fromUtf8(proposal.path.toUtf8().left(kMaxPathBytes));
}

QString ModalAnswer::path() const
{
    const std::lock_guard lock(m_mutex);
    return m_proposal.path;
}

} // namespace lumenscribe
