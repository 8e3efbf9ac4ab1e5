#include "settings/PreferencesStore.h"

#include "fs/FileSystem.h"
#include "platform/NativePath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lumenscribe {

QString PreferencesStore::defaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("LUMENSCRIBE_CONFIG");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QStringLiteral("/lumenscribe/settings.json");
}

PreferencesStore::PreferencesStore(QString path) : PreferencesStore(std::move(path), FileSystem::real())
{
}

PreferencesStore::PreferencesStore(QString path, FileSystem& fileSystem)
    : m_path(std::move(path)), m_fileSystem(&fileSystem)
{
}

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
        result.problem =
            QStringLiteral("%1 is not a settings file (%2)")
                .arg(m_path, parseError.error != QJsonParseError::NoError ? parseError.errorString()
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

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString errorText(const std::error_code& error)
{
    return QString::fromLocal8Bit(error.message().c_str());
}

// Holds the lock file beside the settings while it lives. The lock file
// stays: removing it would let two processes lock two different files.
class SaveLock
{
public:
    explicit SaveLock(const QString& settingsPath)
    {
        const QByteArray name = QFile::encodeName(settingsPath + QStringLiteral(".lock"));
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd < 0) {
            m_error = errno;
            return;
        }
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                m_error = errno;
                break;
            }
        }
    }
    ~SaveLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    int error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};

bool makeFolder(const QString& path, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder))
        return true;
    setError(error, QStringLiteral("cannot create %1").arg(folder));
    return false;
}

bool locked(const SaveLock& lock, const QString& path, QString* error)
{
    if (lock.error() == 0)
        return true;
    setError(error,
             QStringLiteral("cannot lock %1.lock: %2").arg(path, errorText(FileSystem::errorFrom(lock.error()))));
    return false;
}

} // namespace

bool PreferencesStore::save(const QVariantMap& values, QString* error) const
{
    if (!makeFolder(m_path, error))
        return false;
    const SaveLock lock(m_path);
    return locked(lock, m_path, error) && write(values, error);
}

bool PreferencesStore::saveChanges(const QVariantMap& loaded, const QVariantMap& current, QString* error) const
{
    if (!makeFolder(m_path, error))
        return false;
    const SaveLock lock(m_path);
    if (!locked(lock, m_path, error))
        return false;
    QByteArray bytes;
    const QString reason = read(bytes);
    if (reason.isNull())
        return write(current, error);
    QJsonParseError parseError{};
    const QJsonDocument document = reason.isEmpty() ? QJsonDocument::fromJson(bytes, &parseError) : QJsonDocument();
    if (!reason.isEmpty() || parseError.error != QJsonParseError::NoError || !document.isObject()) {
        // Unusable now though it was read at the start: there is nothing to
        // merge into, so it is kept aside and all of this process's settings
        // are written.
        keepAside();
        return write(current, error);
    }
    return write(merged(document.object().toVariantMap(), loaded, current), error);
}

QVariantMap PreferencesStore::merged(QVariantMap stored, const QVariantMap& loaded, const QVariantMap& current)
{
    for (auto it = loaded.constBegin(); it != loaded.constEnd(); ++it) {
        if (!current.contains(it.key()))
            stored.remove(it.key());
    }
    for (auto it = current.constBegin(); it != current.constEnd(); ++it) {
        const auto before = loaded.constFind(it.key());
        if (before != loaded.constEnd() && *before == it.value())
            continue; // not changed here: what is stored stays
        const auto there = stored.constFind(it.key());
        const bool dictionaries = before != loaded.constEnd() && there != stored.constEnd() &&
                                  it.value().typeId() == QMetaType::QVariantMap &&
                                  before->typeId() == QMetaType::QVariantMap &&
                                  there->typeId() == QMetaType::QVariantMap;
        stored.insert(it.key(), dictionaries ? QVariant(merged(there->toMap(), before->toMap(), it.value().toMap()))
                                             : it.value());
    }
    return stored;
}

// A new file beside the old one, every write and the sync checked, then
// renamed over it: a full disk or a crash leaves the old file whole.
bool PreferencesStore::write(const QVariantMap& values, QString* error) const
{
    const QByteArray bytes = QJsonDocument(QJsonObject::fromVariantMap(values)).toJson(QJsonDocument::Indented);
    const QString temporary = m_path + QStringLiteral(".new-%1").arg(::getpid());
    m_fileSystem->unlink(temporary); // left by a process of this number that died
    int fd = -1;
    if (const std::error_code failed = m_fileSystem->open(temporary, O_WRONLY | O_CREAT | O_EXCL, 0666, fd)) {
        setError(error, QStringLiteral("cannot create %1: %2").arg(temporary, errorText(failed)));
        return false;
    }
    std::error_code failed = writeAll(fd, bytes);
    if (!failed)
        failed = m_fileSystem->fsync(fd);
    const std::error_code closeFailed = m_fileSystem->close(fd);
    if (!failed)
        failed = closeFailed;
    if (!failed && ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(m_path).constData()) != 0)
        failed = FileSystem::lastError();
    if (failed) {
        m_fileSystem->unlink(temporary);
        setError(error, QStringLiteral("cannot write %1: %2").arg(m_path, errorText(failed)));
        return false;
    }
    // The rename is durable only with its folder.
    const int folder =
        ::open(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

std::error_code PreferencesStore::writeAll(int fd, const QByteArray& bytes) const
{
    qint64 done = 0;
    while (done < bytes.size()) {
        qint64 count = 0;
        if (const std::error_code failed =
                m_fileSystem->write(fd, bytes.constData() + done, bytes.size() - done, count))
            return failed;
        if (count <= 0)
            return std::make_error_code(std::errc::no_space_on_device);
        done += count;
    }
    return {};
}

} // namespace lumenscribe
