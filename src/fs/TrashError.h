// Why the trash refused a file when no errno says it: the refusal is the
// trash's own rule, not the system's, so it is an error of its own.
#pragma once

#include <system_error>

namespace lumenscribe {

enum class TrashError
{
    // The volume's trash folder is there but not the user's own (a link,
    // another owner, open to others): the file stays.
    NotOwnTrash = 1,
};

const std::error_category& trashCategory();

inline std::error_code make_error_code(TrashError error)
{
    return {int(error), trashCategory()};
}

} // namespace lumenscribe

template <> struct std::is_error_code_enum<lumenscribe::TrashError> : std::true_type
{
};
