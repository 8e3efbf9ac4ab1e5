#include "app/PreferencesStore.h"

#include "naming/NativePath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

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
    QByteArray bytes;
    const QString reason = read(bytes);
    if (reason.isNull())
        return {};
    LoadResult result;
    if (reason.isEmpty()) {
        QJsonParseError parseError{};
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
        if (parseError.error == QJsonParseError::NoError && document.isObject()) {
            result.values = document.object().toVariantMap();
            return result;
        }
        result.problem = QStringLiteral("%1 is not a settings file (%2)")
                             .arg(m_path, parseError.error != QJsonParseError::NoError
                                              ? parseError.errorString()
                                              : QStringLiteral("not a JSON object"));
    } else {
        result.problem = QStringLiteral("cannot read %1: %2").arg(m_path, reason);
    }
    // Whatever is there is moved out of the way, readable or not: the save
    // at the end would otherwise replace it, and with it settings that a
    // change of permissions or a damaged disk only hid for a moment.
    result.keptAsidePath = keepAside();
    return result;
}

QString PreferencesStore::read(QByteArray& bytes) const
{
    int fd = -1;
    // Opened without blocking: a FIFO at this path would otherwise stop the
    // program before it shows anything.
    const int error = NativePath::openForReading(m_path, fd);
    if (error == ENOENT)
        return QString();
    if (error == NativePath::NotRegularFile)
        return QStringLiteral("it is not a regular file");
    if (error != 0)
        return QString::fromLocal8Bit(std::strerror(error));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return file.errorString();
    if (file.size() > MaxFileSize)
        return QStringLiteral("larger than any settings file");
    bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return QStringLiteral("");
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
