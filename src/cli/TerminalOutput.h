// The terminal's two streams and the one progress line that redraws on
// stderr. Every line written goes through here, so that the progress line is
// wiped first and never mixes with results or alerts.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

namespace lumenscribe {

class TerminalOutput
{
public:
    TerminalOutput(QTextStream& out, QTextStream& err, bool progressOnTerminal);

    void result(const QString& line);
    void message(const QString& line);
    // Redraws at most ten times a second: a run of many small files must not
    // spend its time drawing.
    void progress(int index, int count, const QString& name);
    void clearProgress();

private:
    QTextStream& m_out;
    QTextStream& m_err;
    bool m_progressOnTerminal;
    bool m_progressShown = false;
    QElapsedTimer m_sinceDraw;
    QElapsedTimer m_sinceFlush;
};

} // namespace lumenscribe
