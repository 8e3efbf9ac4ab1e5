// The delete rules' wildcard patterns: "?" takes one character, "*" runs to
// the first occurrence of the character that follows it (no backtracking, so
// "*.gif" matches a.gif but not a.b.gif). Case-sensitive, on UTF-16 units.
#pragma once

#include <QString>
#include <QStringList>

namespace lumenscribe {

class WildcardMatcher
{
public:
    static bool nameMatchesPatterns(const QString& name, const QStringList& patterns);
    static bool nameMatchesPattern(const QString& name, const QString& pattern);
};

} // namespace lumenscribe
