// Which files of a batch may be named as one group: files in one folder
// whose names share a base name in any letter case, such as a camera's
// RAW+JPEG ("IMG_1.CR2", "IMG_1.JPG") or a phone's Live Photo ("IMG_2.HEIC",
// "IMG_2.MOV"). The index goes by name alone, so that only these few files
// have their dates read ahead of their turn; whether they form a group is
// decided by their dates (group). Companions (thumbnails, sidecars, edit
// files) are not members: they move with their file as they always do.
#pragma once

#include "platform/Instant.h"
#include "run/FolderExpander.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumenscribe {

class PairIndex
{
public:
    // What a member is, by its extension: the group takes the date of a
    // still, preferring the developed image to the raw.
    enum class Role
    {
        Still,
        Raw,
        Movie,
        Other
    };

    struct Candidate
    {
        QString path;
        OptionalInstant date; // a capture date; none when the file has none
    };

    // One shutter press: a Live Photo's movie starts a second or two
    // before or after its still.
    static constexpr double kMaxApart = 3.0;

    PairIndex() = default;
    explicit PairIndex(const QList<ListedFile>& batch);

    // The other files of the batch that share the folder and base name of
    // `path`, in path order. The first of them to ask takes the set: the
    // others then get nothing, so that a set is weighed once.
    QList<ListedFile> takePartners(const QString& path);
    bool hasPartners(const QString& path) const { return m_keyOf.contains(path); }

    static Role roleOf(const QString& path);
    // Of the candidates, the members of their group, by index: the still
    // whose date the group takes first, then every other candidate whose
    // date lies within kMaxApart of it and whose extension no member has
    // already. Empty when there is no still with a date, or nothing is near it.
    static QList<int> group(const QList<Candidate>& candidates);

private:
    static QString keyOf(const QString& path);

    QHash<QString, QString> m_keyOf;             // only files that share their key
    QHash<QString, QList<ListedFile>> m_members; // by key
};

} // namespace lumenscribe
