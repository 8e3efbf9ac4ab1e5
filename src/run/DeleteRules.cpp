#include "run/DeleteRules.h"

#include "platform/WildcardMatcher.h"

namespace lumenscribe {

bool DeleteRules::shouldDelete(DeleteRule rule, const QString& name, const QStringList& patterns,
                               std::optional<qint64> size, int limitKB)
{
    if (rule == DeleteRule::None)
        return false;
    const bool match = WildcardMatcher::nameMatchesPatterns(name, patterns);
    const quint64 limit = static_cast<quint64>(limitKB < 0 ? 0 : limitKB) * 1024u;
    const bool small = size && *size >= 0 && static_cast<quint64>(*size) < limit;
    switch (rule) {
    case DeleteRule::MatchingPatterns:
        return match;
    case DeleteRule::SmallerThanLimit:
        return small;
    case DeleteRule::SmallerAndNotMatching:
        return small && !match;
    case DeleteRule::MatchingOrSmaller:
        return match || small;
    case DeleteRule::None:
        break;
    }
    return false;
}

} // namespace lumenscribe
