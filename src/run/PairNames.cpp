#include "run/PairNames.h"

#include "naming/NameGenerator.h"

#include <QSet>

namespace lumenscribe {

PairNames::PairNames(NameGenerator& style, NameProbe& probe, const QStringList& members)
    : m_style(style), m_probe(probe), m_members(members)
{
    // What the style's "%F" writes for each member, in its case and with
    // its dot: the style's own options on a format of that code alone.
    NameGenerator suffixOnly(style);
    suffixOnly.setIsReadOnly(false);
    suffixOnly.setFormatString(QStringLiteral("%F"));
    for (const QString& member : members)
        m_suffixes.append(suffixOnly.makeExampleFileNameForDate(0, member));
}

bool PairNames::canShareName(Instant date) const
{
    QSet<QString> seen;
    const QString first = m_style.makeExampleFileNameForDate(date, m_members.first());
    if (!first.endsWith(m_suffixes.first()))
        return false;
    for (int i = 0; i < m_members.size(); ++i) {
        const QString& suffix = m_suffixes.at(i);
        if (suffix.isEmpty() || seen.contains(suffix))
            return false;
        seen.insert(suffix);
        if (i > 0 && m_style.makeExampleFileNameForDate(date, m_members.at(i)) != targetOf(first, i))
            return false;
    }
    return true;
}

QString PairNames::targetOf(const QString& target, int index) const
{
    return target.chopped(m_suffixes.first().size()) + m_suffixes.at(index);
}

bool PairNames::nameTaken(const QString& path)
{
    if (!path.endsWith(m_suffixes.first()))
        return path != m_members.first() && m_probe.nameTaken(path);
    for (int i = 0; i < m_members.size(); ++i) {
        const QString name = targetOf(path, i);
        if (name != m_members.at(i) && m_probe.nameTaken(name))
            return true;
    }
    return false;
}

OptionalInstant PairNames::creationDate(const QString& path)
{
    return m_probe.creationDate(path);
}

} // namespace lumenscribe
