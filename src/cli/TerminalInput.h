// Reading the person's answers from the terminal. Ctrl-C while waiting for
// an answer counts as no answer, which the prompts take as abort.
#pragma once

#include <QString>
#include <atomic>

namespace lumenscribe {

class TerminalInput
{
public:
    // Set by the SIGINT handler.
    static std::atomic<bool>& interrupted();
    static bool isInteractive();
    // One line without its line break; false at end of input or on Ctrl-C.
    // The wait wakes up for Ctrl-C whichever thread the signal reaches.
    static bool readLine(QString& line);

private:
    enum class Wait
    {
        Ready,
        Interrupted,
        Failed
    };
    static Wait waitForInput();
};

} // namespace lumenscribe
