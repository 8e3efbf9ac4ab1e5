// Keeps the desktop application to one instance per user. The first start
// holds a lock file and a local socket in the user's private runtime folder;
// a later start hands its paths to it over the socket and exits.
#pragma once

#include <QObject>
#include <QStringList>
#include <chrono>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace lumenscribe {

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role
    {
        Primary,    // this is the one instance; it receives the later starts' paths
        HandedOver, // the running instance has the paths: this start should exit
        Alone,      // no instance could be reached in time, or there is no private
                    // folder to meet in: this start runs on its own
    };

    // name: what the lock and the socket are called, the user's id added;
    // folder: where they lie, by default the user's runtime folder.
    explicit SingleInstance(const QString& name = QStringLiteral("lumenscribe-gui"), const QString& folder = QString(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // Becomes the primary instance, or hands paths to it. Relative paths are
    // made absolute against workingDirectory first, since the primary runs
    // in a folder of its own.
    Role start(const QStringList& paths, const QString& workingDirectory);
    Role role() const { return m_role; }
    // Takes no more paths: an instance about to quit lets a later start
    // become the primary rather than take paths it would never rename.
    void close();

    // How long a second start waits for the primary before it runs alone.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    QString lockPath() const;
    QString serverPath() const;

    static QStringList absolutePaths(const QStringList& paths, const QString& workingDirectory);

signals:
    // A later start's paths, all absolute; never empty.
    void pathsReceived(const QStringList& paths);
    // A later start came, with or without paths: the window may come forward.
    void activationRequested();

private:
    enum class Exchange
    {
        Delivered,
        NoServer,
        Failed,
    };

    bool listen();
    Role handOver(const QStringList& paths);
    Exchange exchange(const QByteArray& message, std::chrono::milliseconds timeout);
    void accept();
    void serve(QLocalSocket* socket, const std::shared_ptr<QByteArray>& buffer);

    QString m_folder;
    QString m_stem;
    Role m_role = Role::Alone;
    std::chrono::milliseconds m_timeout{3000};
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace lumenscribe
