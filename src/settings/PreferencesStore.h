// The user's preferences file: one JSON object of settings keys, human
// readable, replaced atomically on save. A file that cannot be used is kept
// aside under a new name, never silently lost.
//
// Several processes may save at once (a run ending while "config set"
// runs): each writes only the keys it changed into the file as it is at that
// moment, under a lock file beside it, so no one's change is lost.
#pragma once

#include <QString>
#include <QVariantMap>
#include <system_error>

namespace lumenscribe {

class FileSystem;

class PreferencesStore
{
public:
    struct LoadResult
    {
        QVariantMap values;
        // Empty when the file was fine or absent; otherwise what went wrong
        // and where the unusable file was put.
        QString problem;
        QString keptAsidePath;
    };

    // The file named by LUMENSCRIBE_CONFIG, else settings.json in the
    // platform's configuration folder.
    static QString defaultPath();

    explicit PreferencesStore(QString path = defaultPath());
    // Writes go through `fileSystem`, so that a full disk can be tried.
    PreferencesStore(QString path, FileSystem& fileSystem);

    const QString& path() const { return m_path; }
    LoadResult load() const;
    // Replaces the whole file. False with a reason when any write, the sync
    // or the rename failed; the old file is then left as it was.
    bool save(const QVariantMap& values, QString* error = nullptr) const;
    // Saves what changed from `loaded` (the values as this process read
    // them) to `current`: the file is read again under the lock and only
    // those keys are replaced; a key gone from `current` is removed, and a
    // dictionary is merged key by key. With no usable file, all of
    // `current` is written.
    bool saveChanges(const QVariantMap& loaded, const QVariantMap& current, QString* error = nullptr) const;
    static QVariantMap merged(QVariantMap stored, const QVariantMap& loaded, const QVariantMap& current);

    // Far above what any settings file holds, so that a wrong file put at
    // this path is not read into memory whole.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

private:
    // Null when there is no file, empty when `bytes` holds it, else why it
    // could not be read.
    QString read(QByteArray& bytes) const;
    QString keepAside() const;
    bool write(const QVariantMap& values, QString* error) const;
    std::error_code writeAll(int fd, const QByteArray& bytes) const;

    QString m_path;
    FileSystem* m_fileSystem;
};

} // namespace lumenscribe
