#include "cli/TerminalOutput.h"

namespace lumenscribe {

TerminalOutput::TerminalOutput(QTextStream& out, QTextStream& err, bool progressOnTerminal)
    : m_out(out), m_err(err), m_progressOnTerminal(progressOnTerminal)
{
}

void TerminalOutput::result(const QString& line)
{
    clearProgress();
    m_out << line << '\n';
    m_out.flush();
}

void TerminalOutput::message(const QString& line)
{
    clearProgress();
    m_out.flush();
    m_err << line << '\n';
    m_err.flush();
}

void TerminalOutput::progress(int index, int count, const QString& name)
{
    if (!m_progressOnTerminal)
        return;
    if (m_sinceDraw.isValid() && m_sinceDraw.elapsed() < 100 && index != count)
        return;
    m_sinceDraw.start();
    QString line = QStringLiteral("[%1/%2] %3").arg(index).arg(count).arg(name);
    if (line.size() > 78)
        line = line.left(75) + QStringLiteral("...");
    m_err << "\r\x1b[K" << line;
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
