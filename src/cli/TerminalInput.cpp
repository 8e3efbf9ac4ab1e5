#include "cli/TerminalInput.h"

#include <QByteArray>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace lumenscribe {

namespace {

// How often a waiting prompt looks at the Ctrl-C flag: the signal may be
// delivered to another thread, and then this thread's wait is not broken.
constexpr int kInterruptCheckMs = 50;

} // namespace

std::atomic<bool>& TerminalInput::interrupted()
{
    static std::atomic<bool> flag{false};
    return flag;
}

bool TerminalInput::isInteractive()
{
    return ::isatty(STDIN_FILENO) == 1;
}

TerminalInput::Wait TerminalInput::waitForInput()
{
    for (;;) {
        if (interrupted().load())
            return Wait::Interrupted;
        pollfd input{STDIN_FILENO, POLLIN, 0};
        const int ready = ::poll(&input, 1, kInterruptCheckMs);
        if (ready > 0)
            return Wait::Ready;
        if (ready < 0 && errno != EINTR)
            return Wait::Failed;
    }
}

// Read a byte at a time, straight from the descriptor: nothing is kept in a
// buffer that a later wait would not see.
bool TerminalInput::readLine(QString& line)
{
    QByteArray bytes;
    for (;;) {
        const Wait wait = waitForInput();
        if (wait == Wait::Interrupted)
            return false;
        char c = 0;
        const ssize_t got = wait == Wait::Ready ? ::read(STDIN_FILENO, &c, 1) : 0;
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (bytes.isEmpty())
                return false;
            break; // a last line without its line break
        }
        if (c == '\n')
            break;
        bytes.append(c);
    }
    if (interrupted().load())
        return false;
    while (bytes.endsWith('\r'))
        bytes.chop(1);
    line = QString::fromLocal8Bit(bytes);
    return true;
}

} // namespace lumenscribe
