// The subcommands of the lumenscribe tool, in the order --help lists them.
#pragma once

#include "cli/Command.h"

#include <memory>
#include <vector>

namespace lumenscribe {

class CommandRegistry
{
public:
    CommandRegistry();

    Command* find(const QString& name) const;
    const std::vector<std::unique_ptr<Command>>& commands() const { return m_commands; }

private:
    std::vector<std::unique_ptr<Command>> m_commands;
};

} // namespace lumenscribe
