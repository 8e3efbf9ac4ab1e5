// Tells the person what became of each file: a line per file (or a JSON
// object per file) and a summary at the end.
#pragma once

#include "app/RunObserver.h"

#include <array>

namespace lumenscribe {

class TerminalOutput;

class RunReporter : public RunObserver
{
public:
    RunReporter(TerminalOutput& output, bool json, bool dryRun);

    void fileDone(const FileReport& report) override;
    void runEnded(bool aborted) override;

    int count(FileReport::Action action) const { return m_counts[static_cast<size_t>(action)]; }
    bool aborted() const { return m_aborted; }
    // Every file was handled as asked.
    bool allHandled() const;
    QString summary() const;

    static QString actionName(FileReport::Action action);

private:
    QString plainLine(const FileReport& report) const;
    static QString jsonLine(const FileReport& report);

    TerminalOutput& m_output;
    bool m_json;
    bool m_dryRun;
    bool m_aborted = false;
    std::array<int, 5> m_counts{};
};

} // namespace lumenscribe
