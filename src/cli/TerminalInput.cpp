#include "cli/TerminalInput.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace lumenscribe {

std::atomic<bool>& TerminalInput::interrupted()
{
    static std::atomic<bool> flag{false};
    return flag;
}

bool TerminalInput::isInteractive()
{
    return ::isatty(STDIN_FILENO) == 1;
}

bool TerminalInput::readLine(QString& line)
{
    char* buffer = nullptr;
    size_t capacity = 0;
    const ssize_t length = ::getline(&buffer, &capacity, stdin);
    const bool ok = length >= 0 && !interrupted().load();
    if (ok) {
        QByteArray bytes(buffer, length);
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        line = QString::fromLocal8Bit(bytes);
    }
    std::free(buffer);
    if (length < 0)
        std::clearerr(stdin);
    return ok;
}

} // namespace lumenscribe
