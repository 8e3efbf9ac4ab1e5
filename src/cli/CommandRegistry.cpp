#include "cli/CommandRegistry.h"

#include "cli/ConfigCommand.h"
#include "cli/DateCommand.h"
#include "cli/NameCommand.h"
#include "cli/RunCommand.h"
#include "cli/StylesCommand.h"
#include "cli/TagsCommand.h"
#include "cli/UndoCommand.h"

namespace lumenscribe {

CommandRegistry::CommandRegistry()
{
    m_commands.push_back(std::make_unique<RunCommand>());
    m_commands.push_back(std::make_unique<StylesCommand>());
    m_commands.push_back(std::make_unique<NameCommand>());
    m_commands.push_back(std::make_unique<DateCommand>());
    m_commands.push_back(std::make_unique<TagsCommand>());
    m_commands.push_back(std::make_unique<UndoCommand>());
    m_commands.push_back(std::make_unique<ConfigCommand>());
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
