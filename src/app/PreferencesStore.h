// The user's preferences file: one JSON object of settings keys, human
// readable, replaced atomically on save. A file that cannot be used is kept
// aside under a new name, never silently lost.
#pragma once

#include <QString>
#include <QVariantMap>

namespace lumenscribe {

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

    const QString& path() const { return m_path; }
    LoadResult load() const;
    // False with a reason when the file could not be written; the old file
    // is then left as it was.
    bool save(const QVariantMap& values, QString* error = nullptr) const;

    // Far above what any settings file holds, so that a wrong file put at
    // this path is not read into memory whole.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

private:
    // Null when there is no file, empty when `bytes` holds it, else why it
    // could not be read.
    QString read(QByteArray& bytes) const;
    QString keepAside() const;

    QString m_path;
};

} // namespace lumenscribe
