#include "windows/VersionDownload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace lumenscribe {

VersionDownload::VersionDownload(QObject* parent) : QObject(parent), m_network(new QNetworkAccessManager(this))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &VersionDownload::timedOut);
}

VersionDownload::~VersionDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool VersionDownload::start(const QUrl& url)
{
    if (m_reply)
        return false;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::finished, this, &VersionDownload::replyFinished);
    // A server that sends more than a version file is cut off at once.
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaximumSize)
            finish(std::nullopt);
    });
    m_timer.start(m_timeoutMs);
    return true;
}

void VersionDownload::replyFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool httpOk = reply->url().scheme().startsWith(QLatin1String("http")) ? status >= 200 && status < 300 : true;
    if (reply->error() != QNetworkReply::NoError || !httpOk || reply->bytesAvailable() > kMaximumSize) {
        finish(std::nullopt);
        return;
    }
    finish(QString::fromUtf8(reply->readAll()));
}

void VersionDownload::timedOut()
{
    finish(std::nullopt);
}

void VersionDownload::finish(std::optional<QString> text)
{
    m_timer.stop();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    if (reply) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    emit finished(text.has_value(), text.value_or(QString()));
}

} // namespace lumenscribe
