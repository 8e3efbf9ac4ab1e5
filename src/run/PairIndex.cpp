#include "run/PairIndex.h"

#include "platform/PathNames.h"
#include "run/CompanionIndex.h"

#include <QSet>
#include <cmath>

namespace lumenscribe {

namespace {

bool isOneOf(const QString& extension, std::initializer_list<QStringView> list)
{
    for (const QStringView item : list) {
        if (extension == item)
            return true;
    }
    return false;
}

} // namespace

PairIndex::PairIndex(const QList<ListedFile>& batch)
{
    QHash<QString, QList<ListedFile>> byKey;
    for (const ListedFile& file : batch) {
        const QString key = keyOf(file.path);
        if (!key.isEmpty())
            byKey[key].append(file);
    }
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it->size() < 2)
            continue;
        for (const ListedFile& file : *it)
            m_keyOf.insert(file.path, it.key());
        m_members.insert(it.key(), *it);
    }
}

// The folder as it is, the base name in any letter case; empty for a file
// that cannot be a member: one without an extension, or a companion.
QString PairIndex::keyOf(const QString& path)
{
    const QString name = PathNames::lastComponent(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0 || dot + 1 >= name.size() || CompanionIndex::isCompanionName(name))
        return {};
    return PathNames::folderOf(path) + u'/' + name.first(dot).toCaseFolded();
}

QList<ListedFile> PairIndex::takePartners(const QString& path)
{
    const QString key = m_keyOf.value(path);
    if (key.isEmpty())
        return {};
    QList<ListedFile> partners = m_members.take(key);
    for (const ListedFile& member : std::as_const(partners))
        m_keyOf.remove(member.path);
    partners.removeIf([&path](const ListedFile& member) { return member.path == path; });
    return partners;
}

PairIndex::Role PairIndex::roleOf(const QString& path)
{
    const QString extension = PathNames::extension(path).toLower();
    if (isOneOf(extension, {u"jpg", u"jpeg", u"jpe", u"heic", u"heif", u"hif", u"avif", u"png", u"tif", u"tiff",
                            u"webp", u"gif", u"bmp", u"jxl", u"mpo"}))
        return Role::Still;
    if (isOneOf(extension,
                {u"cr2", u"cr3", u"crw", u"nef", u"nrw", u"arw", u"srf", u"sr2", u"orf", u"rw2", u"raf", u"dng",
                 u"pef", u"srw", u"x3f", u"3fr", u"erf", u"kdc", u"dcr", u"mrw", u"mos", u"iiq", u"rwl", u"raw"}))
        return Role::Raw;
    if (isOneOf(extension, {u"mov", u"mp4", u"m4v", u"3gp", u"avi", u"mts", u"m2ts", u"mpg", u"mkv"}))
        return Role::Movie;
    return Role::Other;
}

QList<int> PairIndex::group(const QList<Candidate>& candidates)
{
    int still = -1;
    for (int i = 0; i < candidates.size(); ++i) {
        const Role role = roleOf(candidates.at(i).path);
        if (!candidates.at(i).date || (role != Role::Still && role != Role::Raw))
            continue;
        if (still < 0 || (role == Role::Still && roleOf(candidates.at(still).path) == Role::Raw))
            still = i;
    }
    if (still < 0)
        return {};
    const Instant date = *candidates.at(still).date;
    QList<int> members{still};
    // Two members with one extension would get one name.
    QSet<QString> extensions{PathNames::extension(candidates.at(still).path).toLower()};
    for (int i = 0; i < candidates.size(); ++i) {
        const Candidate& candidate = candidates.at(i);
        if (i == still || !candidate.date || std::abs(*candidate.date - date) > kMaxApart)
            continue;
        const QString extension = PathNames::extension(candidate.path).toLower();
        if (extensions.contains(extension))
            continue;
        extensions.insert(extension);
        members.append(i);
    }
    return members.size() > 1 ? members : QList<int>{};
}

} // namespace lumenscribe
