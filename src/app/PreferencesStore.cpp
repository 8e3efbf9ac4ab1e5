#include "app/PreferencesStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace lumenscribe {

QString PreferencesStore::defaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("LUMENSCRIBE_CONFIG");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QStringLiteral("/lumenscribe/settings.json");
}

PreferencesStore::PreferencesStore(QString path) : m_path(std::move(path)) {}

PreferencesStore::LoadResult PreferencesStore::load() const
{
    LoadResult result;
    QFile file(m_path);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = QStringLiteral("cannot read %1: %2").arg(m_path, file.errorString());
        return result;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    file.close();
    if (parseError.error == QJsonParseError::NoError && document.isObject()) {
        result.values = document.object().toVariantMap();
        return result;
    }
    const QString reason = parseError.error != QJsonParseError::NoError
                               ? parseError.errorString()
                               : QStringLiteral("not a JSON object");
    result.keptAsidePath = keepAside();
    result.problem = QStringLiteral("%1 is not a settings file (%2)").arg(m_path, reason);
    return result;
}

QString PreferencesStore::keepAside() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    return QFile::rename(m_path, aside) ? aside : QString();
}

bool PreferencesStore::save(const QVariantMap& values, QString* error) const
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(info.absolutePath());
        return false;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(QJsonObject::fromVariantMap(values)).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace lumenscribe
