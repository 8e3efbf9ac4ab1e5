// The one name of a group of files (see PairIndex): the name is made for
// the group's first member, and each other member takes it with its own
// file type suffix. As the probe of the free-name search, it answers that
// a name is taken when any member's name beside it is, so that a counter
// or shifted second is chosen that is free for every member at once.
#pragma once

#include "platform/NameProbe.h"

#include <QString>
#include <QStringList>

namespace lumenscribe {

class NameGenerator;

class PairNames : public NameProbe
{
public:
    // `members`: the files' paths, the one the name is made for first.
    // `probe` answers for the file system; each member's own path counts
    // as free (run again, the group keeps its names).
    PairNames(NameGenerator& style, NameProbe& probe, const QStringList& members);

    // Whether the style gives every member the first member's name with its
    // own suffix, and the suffixes differ: without a "%F" code, or with a
    // name code that differs by member, the members cannot share a name.
    bool canShareName(Instant date) const;
    // Where member `index` goes when the first member goes to `target`.
    QString targetOf(const QString& target, int index) const;

    bool nameTaken(const QString& path) override;
    OptionalInstant creationDate(const QString& path) override;

private:
    NameGenerator& m_style;
    NameProbe& m_probe;
    QStringList m_members;
    QStringList m_suffixes;
};

} // namespace lumenscribe
