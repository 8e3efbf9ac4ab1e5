#include "platform/SettingValues.h"

namespace lumenscribe {

namespace {

std::optional<double> numberValue(const QVariantMap& map, const QString& key)
{
    const auto it = map.constFind(key);
    if (it == map.constEnd())
        return std::nullopt;
    switch (it->typeId()) {
    case QMetaType::Bool:
        return it->toBool() ? 1.0 : 0.0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return it->toDouble();
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<int> SettingValues::intValue(const QVariantMap& map, const QString& key)
{
    const auto number = numberValue(map, key);
    if (!number || !(*number >= -2147483648.0 && *number <= 2147483647.0))
        return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<quint32> SettingValues::unsignedValue(const QVariantMap& map, const QString& key)
{
    const auto number = numberValue(map, key);
    if (!number || !(*number >= 0.0 && *number <= 4294967295.0))
        return std::nullopt;
    return static_cast<quint32>(*number);
}

std::optional<bool> SettingValues::boolValue(const QVariantMap& map, const QString& key)
{
    const auto number = numberValue(map, key);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}

std::optional<QString> SettingValues::stringValue(const QVariantMap& map, const QString& key)
{
    const auto it = map.constFind(key);
    if (it == map.constEnd() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

std::optional<QStringList> SettingValues::stringListValue(const QVariantMap& map, const QString& key)
{
    const auto it = map.constFind(key);
    if (it == map.constEnd())
        return std::nullopt;
    if (it->typeId() == QMetaType::QStringList)
        return it->toStringList();
    if (it->typeId() != QMetaType::QVariantList)
        return std::nullopt;
    QStringList list;
    for (const QVariant& item : it->toList()) {
        if (item.typeId() != QMetaType::QString)
            return std::nullopt;
        list.append(item.toString());
    }
    return list;
}

std::optional<QVariantMap> SettingValues::mapValue(const QVariantMap& map, const QString& key)
{
    const auto it = map.constFind(key);
    if (it == map.constEnd() || it->typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return it->toMap();
}

} // namespace lumenscribe
