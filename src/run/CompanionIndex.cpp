#include "run/CompanionIndex.h"

#include "platform/PathNames.h"

namespace lumenscribe {

namespace {

bool hasExtension(QStringView name, QStringView extension, Qt::CaseSensitivity cs)
{
    return name.size() > extension.size() && name.endsWith(extension, cs);
}

bool isSidecar(QStringView name)
{
    return hasExtension(name, u".xmp", Qt::CaseInsensitive);
}

} // namespace

bool CompanionIndex::isCompanionName(QStringView name)
{
    // Thumbnails only in the two spellings cameras write; sidecars as any
    // program spells them.
    return hasExtension(name, u".thm", Qt::CaseSensitive) || hasExtension(name, u".THM", Qt::CaseSensitive) ||
           isSidecar(name) || hasExtension(name, u".aae", Qt::CaseInsensitive);
}

bool CompanionIndex::belongsTo(const QString& companion, const QString& main)
{
    if (companion == main || isCompanionName(PathNames::lastComponent(main)))
        return false;
    const QString base = PathNames::withoutExtension(companion);
    // "NAME.EXT.xmp" names its file whole; the others share its base name.
    if (isSidecar(companion) && base == main)
        return true;
    return base == PathNames::withoutExtension(main) && main.size() > base.size() && main.at(base.size()) == u'.';
}

QString CompanionIndex::targetFor(const QString& companion, const QString& main, const QString& mainTarget)
{
    const QString extension = PathNames::extension(companion);
    if (PathNames::withoutExtension(companion) == main)
        return mainTarget + u'.' + extension;
    return PathNames::withoutExtension(mainTarget) + u'.' + extension;
}

CompanionIndex::CompanionIndex(const QList<ListedFile>& batch)
{
    // Each file by its base name; the first in path order owns a shared
    // sidecar (IMG_1.CR2 before IMG_1.JPG).
    QHash<QString, QString> byBase;
    QSet<QString> mains;
    for (const ListedFile& file : batch) {
        if (isCompanionName(PathNames::lastComponent(file.path)))
            continue;
        mains.insert(file.path);
        const QString base = PathNames::withoutExtension(file.path);
        if (!byBase.contains(base))
            byBase.insert(base, file.path);
    }
    for (const ListedFile& file : batch) {
        if (!isCompanionName(PathNames::lastComponent(file.path)))
            continue;
        const QString base = PathNames::withoutExtension(file.path);
        if (isSidecar(file.path) && mains.contains(base))
            m_mainOf.insert(file.path, base);
        else if (const auto found = byBase.constFind(base); found != byBase.cend())
            m_mainOf.insert(file.path, *found);
    }
}

QStringList CompanionIndex::companionsOf(const QString& main, const QSet<QString>& names) const
{
    QStringList found;
    const QString folder = PathNames::folderOf(main);
    for (const QString& name : names) {
        const QString path = PathNames::join(folder, name);
        if (!belongsTo(path, main))
            continue;
        const auto owner = m_mainOf.constFind(path);
        if (owner == m_mainOf.cend() || *owner == main)
            found.append(path);
    }
    found.sort();
    return found;
}

} // namespace lumenscribe
