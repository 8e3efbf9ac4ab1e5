// Fetches the version file without holding up the window: the answer comes
// as a signal, a failure, an error status or the time running out alike as
// none. The file is one short line; anything beyond a few kilobytes is not
// a version file and counts as a failure.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace lumenscribe {

class VersionDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimeoutMs = 10000;
    static constexpr qint64 kMaximumSize = 4096;

    explicit VersionDownload(QObject* parent = nullptr);
    ~VersionDownload() override;

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // Starts a download unless one is under way; answers whether it started.
    bool start(const QUrl& url);
    bool running() const { return m_reply != nullptr; }

signals:
    // `text` is the file's whole content, unchanged; `ok` false for none.
    void finished(bool ok, const QString& text);

private:
    void replyFinished();
    void timedOut();
    void finish(std::optional<QString> text);

    QNetworkAccessManager* m_network = nullptr;
    QNetworkReply* m_reply = nullptr;
    QTimer m_timer;
    int m_timeoutMs = kDefaultTimeoutMs;
};

} // namespace lumenscribe
