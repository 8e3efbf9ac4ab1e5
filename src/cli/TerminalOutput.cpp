#include "cli/TerminalOutput.h"

namespace lumenscribe {

TerminalOutput::TerminalOutput(QTextStream& out, QTextStream& err, bool progressOnTerminal)
    : m_out(out), m_err(err), m_progressOnTerminal(progressOnTerminal)
{
}

void TerminalOutput::result(const QString& line)
{
    m_out << line << '\n';
    // The lines go out in bursts, at most ten a second: a write for every
    // file would cost a run of many small files as much as its renames.
    // Everything that writes to the other stream flushes them first.
    if (!m_sinceFlush.isValid() || m_sinceFlush.elapsed() >= 100) {
        const bool shown = m_progressShown;
        flushResults();
        if (shown)
            drawProgress();
    }
}

void TerminalOutput::message(const QString& line)
{
    flushResults();
    m_err << line << '\n';
    m_err.flush();
}

void TerminalOutput::progress(int index, int count, const QString& name)
{
    if (!m_progressOnTerminal)
        return;
    if (m_sinceDraw.isValid() && m_sinceDraw.elapsed() < 100 && index != count)
        return;
    m_progressLine = QStringLiteral("[%1/%2] %3").arg(index).arg(count).arg(name);
    if (m_progressLine.size() > 78)
        m_progressLine = m_progressLine.left(75) + QStringLiteral("...");
    flushResults();
    drawProgress();
}

void TerminalOutput::flushResults()
{
    clearProgress();
    m_out.flush();
    m_sinceFlush.start();
}

void TerminalOutput::drawProgress()
{
    m_sinceDraw.start();
    m_err << "\r\x1b[K" << m_progressLine;
    m_err.flush();
    m_progressShown = true;
}

void TerminalOutput::clearProgress()
{
    if (!m_progressShown)
        return;
    m_err << "\r\x1b[K";
    m_err.flush();
    m_progressShown = false;
}

} // namespace lumenscribe
