// Reading typed values out of a settings dictionary that came from a file:
// numbers may arrive as integers, doubles or booleans; a value of the wrong
// kind counts as missing, so the field it was meant for keeps its value.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

namespace lumenscribe {

class SettingValues
{
public:
    static std::optional<int> intValue(const QVariantMap& map, const QString& key);
    static std::optional<quint32> unsignedValue(const QVariantMap& map, const QString& key);
    static std::optional<bool> boolValue(const QVariantMap& map, const QString& key);
    static std::optional<QString> stringValue(const QVariantMap& map, const QString& key);
    static std::optional<QStringList> stringListValue(const QVariantMap& map, const QString& key);
    static std::optional<QVariantMap> mapValue(const QVariantMap& map, const QString& key);
};

} // namespace lumenscribe
