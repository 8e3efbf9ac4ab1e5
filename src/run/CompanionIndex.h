// Which files of a batch travel with another: a camera's thumbnail beside
// its movie or raw file (".thm"/".THM"), XMP sidecars ("NAME.xmp" and
// "NAME.EXT.xmp", any case) and a phone's ".AAE" edit file. The batch is
// sorted by path, so a companion often comes before its file
// ("IMG_1.AAE" < "IMG_1.HEIC"); the index lets the run hold it back until
// its file's turn instead of renaming it on its own.
#pragma once

#include "run/FolderExpander.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace lumenscribe {

class CompanionIndex
{
public:
    CompanionIndex() = default;
    explicit CompanionIndex(const QList<ListedFile>& batch);

    // Whether the name has a companion's extension.
    static bool isCompanionName(QStringView name);
    // Whether `companion` belongs to the file at `main` by its name.
    static bool belongsTo(const QString& companion, const QString& main);
    // Where a companion goes when its file goes to `mainTarget`: the new
    // base name with the companion's own extension as it was found.
    static QString targetFor(const QString& companion, const QString& main, const QString& mainTarget);

    // The file of the batch that the companion follows, or empty when it
    // is not a companion of any file in the batch.
    QString mainOf(const QString& path) const { return m_mainOf.value(path); }
    bool isHeldBack(const QString& path) const { return m_mainOf.contains(path); }
    // Companions of `main` among `names` (the companion names of its
    // folder), skipping any that another file of the batch owns.
    QStringList companionsOf(const QString& main, const QSet<QString>& names) const;

private:
    QHash<QString, QString> m_mainOf;
};

} // namespace lumenscribe
