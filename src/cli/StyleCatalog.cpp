#include "cli/StyleCatalog.h"

namespace lumenscribe {

namespace {

std::optional<QVariantMap> mapValue(const QVariantMap& values, const QString& key)
{
    const auto it = values.constFind(key);
    if (it == values.constEnd() || it->typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return it->toMap();
}

} // namespace

StyleCatalog::StyleCatalog(const PreferencesStore& store, QString* warning)
{
    const PreferencesStore::LoadResult loaded = store.load();
    if (warning)
        *warning = loaded.problem;
    m_files.initFromUserDefaultsDictionary(mapValue(loaded.values, QStringLiteral("fileNameGenerators")));
    m_folders.initFromUserDefaultsDictionary(
        mapValue(loaded.values, QStringLiteral("folderNameGenerators")));
}

} // namespace lumenscribe
