// Which files a run deletes instead of renaming: a pure decision from the
// rule, the file's name and its size, so that every rule can be checked
// without a file.
#pragma once

#include "settings/SettingCodes.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace lumenscribe {

class DeleteRules
{
public:
    // `size`: the file's size in bytes, none when it could not be looked
    // at (it then counts as not small). `limitKB`: the size below which a
    // file is small, in units of 1024 bytes. A rule number no setting knows
    // deletes nothing.
    static bool shouldDelete(DeleteRule rule, const QString& name, const QStringList& patterns,
                             std::optional<qint64> size, int limitKB);
};

} // namespace lumenscribe
