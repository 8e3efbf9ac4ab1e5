#include "platform/WildcardMatcher.h"

namespace lumenscribe {

bool WildcardMatcher::nameMatchesPatterns(const QString& name, const QStringList& patterns)
{
    for (const QString& pattern : patterns) {
        if (nameMatchesPattern(name, pattern))
            return true;
    }
    return false;
}

bool WildcardMatcher::nameMatchesPattern(const QString& name, const QString& pattern)
{
    qsizetype n = 0;
    qsizetype p = 0;
    for (;;) {
        if (p == pattern.size())
            return n == name.size();
        if (n == name.size())
            return false;
        const QChar c = pattern.at(p);
        if (c == u'?') {
            ++n;
            ++p;
        } else if (c == u'*') {
            while (p < pattern.size() && pattern.at(p) == u'*')
                ++p;
            if (p == pattern.size())
                return true;
            // The star runs to the first occurrence of the next pattern
            // character, taken literally even when it is "?".
            n = name.indexOf(pattern.at(p), n);
            if (n < 0)
                return false;
        } else {
            if (c != name.at(n))
                return false;
            ++n;
            ++p;
        }
    }
}

} // namespace lumenscribe
