#include "cli/CommandRegistry.h"

namespace lumenscribe {

CommandRegistry::CommandRegistry()
{
    // Each command adds itself here as it is written.
}

Command* CommandRegistry::find(const QString& name) const
{
    for (const auto& command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

} // namespace lumenscribe
