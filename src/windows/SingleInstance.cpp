#include "windows/SingleInstance.h"

#include "windows/SingleInstanceMessage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <unistd.h>

namespace lumenscribe {

using namespace std::chrono_literals;

namespace {
constexpr char Acknowledged = '\x01';
// A connection that brings no whole message in this time is dropped, so that
// a stray client cannot hold the primary's memory for long.
constexpr auto ConnectionTimeout = 10s;
// How often a second start looks again for a primary that holds the lock
// but does not listen (yet, or any more).
constexpr auto RetryInterval = 50ms;

void pause(std::chrono::milliseconds interval)
{
    // Events go on meanwhile: a test's primary lives in the same thread.
    QEventLoop loop;
    QTimer::singleShot(interval, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
} // namespace

SingleInstance::SingleInstance(const QString& name, const QString& folder, QObject* parent)
    : QObject(parent),
      m_folder(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder),
      // The runtime folder is the user's own already; the id in the name keeps
      // two users apart even where the folder is shared.
      m_stem(name + u'-' + QString::number(::getuid()))
{
}

SingleInstance::~SingleInstance()
{
    close();
}

// The socket goes before the lock: whoever takes the lock next may remove a
// socket it finds, and must not find a live one.
void SingleInstance::close()
{
    delete m_server;
    m_server = nullptr;
    m_lock.reset();
}

QString SingleInstance::lockPath() const
{
    return m_folder + u'/' + m_stem + QStringLiteral(".lock");
}

QString SingleInstance::serverPath() const
{
    return m_folder + u'/' + m_stem + QStringLiteral(".socket");
}

QStringList SingleInstance::absolutePaths(const QStringList& paths, const QString& workingDirectory)
{
    const QDir base(workingDirectory);
    QStringList absolute;
    for (const QString& path : paths) {
        QString local = path;
        if (path.startsWith(u"file://")) {
            const QUrl url(path);
            if (url.isLocalFile())
                local = url.toLocalFile();
        }
        if (local.isEmpty())
            continue;
        // Not cleaned: "link/.." on disk is not always the folder it is in.
        absolute.append(QDir::isAbsolutePath(local) ? local : base.absoluteFilePath(local));
    }
    return absolute;
}

SingleInstance::Role SingleInstance::start(const QStringList& paths, const QString& workingDirectory)
{
    m_role = Role::Alone;
    if (m_folder.isEmpty() || !QDir(m_folder).exists())
        return m_role;
    const QByteArray message = SingleInstanceMessage::frame(absolutePaths(paths, workingDirectory));
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Only a dead holder makes the lock stale, never its age: the primary may
    // run for days. QLockFile then removes a crashed primary's lock itself.
    m_lock->setStaleLockTime(0);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (m_lock->tryLock(0)) {
            if (listen())
                return m_role = Role::Primary;
            m_lock->unlock();
            break;
        }
        // A folder we may not write to: nobody can be met there.
        if (m_lock->error() != QLockFile::LockFailedError)
            break;
        const auto left = m_timeout - std::chrono::milliseconds(clock.elapsed());
        // Paths beyond the message's bound are not handed over but renamed here.
        if (message.isEmpty() || left <= 0ms)
            break;
        const Exchange exchanged = exchange(message, left);
        if (exchanged == Exchange::Delivered)
            return m_role = Role::HandedOver;
        if (exchanged == Exchange::Failed)
            break;
        // The holder of the lock does not listen: it is starting or quitting.
        pause(std::min<std::chrono::milliseconds>(RetryInterval, left));
    }
    m_lock.reset();
    return m_role;
}

bool SingleInstance::listen()
{
    // What a crashed primary left: no live one can own it while we hold the lock.
    QLocalServer::removeServer(serverPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(serverPath())) {
        qWarning("lumenscribe-gui: cannot listen on %s: %s", qPrintable(serverPath()),
                 qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return true;
}

SingleInstance::Exchange SingleInstance::exchange(const QByteArray& message, std::chrono::milliseconds timeout)
{
    QLocalSocket socket;
    QEventLoop loop;
    Exchange result = Exchange::Failed;
    bool done = false;
    const auto finish = [&](Exchange how) {
        // The primary closes the connection after its answer: that is no error.
        if (done)
            return;
        result = how;
        done = true;
        loop.quit();
    };
    connect(&socket, &QLocalSocket::connected, &loop, [&] { socket.write(message); });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (socket.read(1) == QByteArray(1, Acknowledged))
            finish(Exchange::Delivered);
    });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, [&](QLocalSocket::LocalSocketError error) {
        const bool absent = error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError;
        finish(absent ? Exchange::NoServer : Exchange::Failed);
    });
    QTimer::singleShot(timeout, &loop, [&] { finish(Exchange::Failed); });
    socket.connectToServer(serverPath());
    // A missing socket is reported from within connectToServer.
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket.abort();
    return result;
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] { serve(socket, buffer); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(ConnectionTimeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            serve(socket, buffer);
    }
}

void SingleInstance::serve(QLocalSocket* socket, const std::shared_ptr<QByteArray>& buffer)
{
    buffer->append(socket->readAll());
    QStringList paths;
    const SingleInstanceMessage::Status status = SingleInstanceMessage::take(*buffer, paths);
    if (status == SingleInstanceMessage::Status::Incomplete &&
        buffer->size() <= SingleInstanceMessage::HeaderSize + SingleInstanceMessage::MaxPayloadSize)
        return;
    if (status != SingleInstanceMessage::Status::Complete) {
        buffer->clear();
        socket->abort();
        return;
    }
    socket->write(&Acknowledged, 1);
    socket->flush();
    socket->disconnectFromServer();
    // The sender made every path absolute; anything else did not come from it.
    QStringList accepted;
    for (const QString& path : std::as_const(paths)) {
        if (QDir::isAbsolutePath(path) && !path.contains(QChar(u'\0')))
            accepted.append(path);
    }
    emit activationRequested();
    if (!accepted.isEmpty())
        emit pathsReceived(accepted);
}

} // namespace lumenscribe
