#include "fs/TrashError.h"

#include <string>

namespace lumenscribe {

namespace {

class TrashCategory : public std::error_category
{
public:
    const char* name() const noexcept override { return "trash"; }
    std::string message(int value) const override
    {
        switch (TrashError(value)) {
        case TrashError::NotOwnTrash:
            return "the trash folder on that disk is not yours alone";
        }
        return "unknown trash error";
    }
};

} // namespace

const std::error_category& trashCategory()
{
    static const TrashCategory category;
    return category;
}

} // namespace lumenscribe
