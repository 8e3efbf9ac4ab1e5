// The terminal's two streams and the one progress line that redraws on
// stderr. Every line written goes through here, so that the progress line is
// wiped before anything reaches the terminal and never mixes with results or
// alerts. Result lines are held and written in bursts; the progress line is
// wiped and drawn again around each burst, so on a terminal that shows both
// streams it stays in sight for the whole run.
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
    void flushResults();
    void drawProgress();

    QTextStream& m_out;
    QTextStream& m_err;
    bool m_progressOnTerminal;
    bool m_progressShown = false;
    QString m_progressLine;
    QElapsedTimer m_sinceDraw;
    QElapsedTimer m_sinceFlush;
};

} // namespace lumenscribe
