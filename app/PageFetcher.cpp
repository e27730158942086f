#include "PageFetcher.h"

#include <QMetaObject>
#include <QNetworkReply>
#include <QNetworkRequest>

NetworkPageFetcher::NetworkPageFetcher(int timeoutMs, qint64 maxBytes, QObject* parent)
    : PageFetcher(parent), timeoutMs_(timeoutMs), maxBytes_(maxBytes) {}

NetworkPageFetcher::~NetworkPageFetcher() {
    abandon();
}

void NetworkPageFetcher::fetch(const QUrl& address) {
    abandon();
    const quint64 fetch = ++fetches_;
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != u"http" && scheme != u"https")) {
        // Queued, so that a refused address ends like any other fetch: after the caller has returned.
        QMetaObject::invokeMethod(
            this,
            [this, address, fetch] {
                if (fetch == fetches_)
                    emit failed(QStringLiteral("not a web address: %1").arg(address.toString()));
            },
            Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(address);
    request.setTransferTimeout(timeoutMs_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    tooLarge_ = false;
    QNetworkReply* reply = manager_.get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (received > maxBytes_ && reply == reply_) {
            tooLarge_ = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void NetworkPageFetcher::abandon() {
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void NetworkPageFetcher::finish(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != reply_)
        return;
    reply_ = nullptr;
    if (tooLarge_) {
        emit failed(QStringLiteral("the page is larger than %1 bytes").arg(maxBytes_));
    } else if (reply->error() != QNetworkReply::NoError) {
        emit failed(reply->errorString());
    } else {
        emit loaded(reply->readAll(), reply->header(QNetworkRequest::ContentTypeHeader).toByteArray());
    }
}
