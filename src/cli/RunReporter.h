// Tells the person what became of each file: a line per file (or a JSON
// object per file) and a summary at the end.
#pragma once

#include "run/RunObserver.h"

#include <array>

namespace lumenscribe {

class TerminalOutput;

class RunReporter : public RunObserver
{
public:
    RunReporter(TerminalOutput& output, bool json, bool dryRun);

    void fileDone(const FileReport& report) override;
    void runEnded(bool aborted) override;
    bool showsFailureReasons() const override { return true; }

    int count(FileReport::Action action) const { return m_counts[static_cast<size_t>(action)]; }
    // Companions whose own move failed; counted among the failures.
    int failedCompanions() const { return m_failedCompanions; }
    // Files named by their file time for want of a capture date.
    int withoutCaptureDate() const { return m_withoutCaptureDate; }
    bool aborted() const { return m_aborted; }
    // Every file was handled as asked.
    bool allHandled() const;
    QString summary() const;

    // A dry run's names say what would happen: "would-rename", "would-delete".
    static QString actionName(FileReport::Action action, bool dryRun = false);

private:
    QString plainLine(const FileReport& report) const;
    QString memberLines(const FileReport& report) const;
    QString companionLines(const FileReport& report) const;
    QString jsonLine(const FileReport& report) const;

    TerminalOutput& m_output;
    bool m_json;
    bool m_dryRun;
    bool m_aborted = false;
    std::array<int, 6> m_counts{};
    int m_failedCompanions = 0;
    int m_copies = 0;
    int m_withoutCaptureDate = 0;
};

} // namespace lumenscribe
