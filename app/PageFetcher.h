#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkReply;

// Fetches one web page at a time without blocking: a new fetch abandons the
// one in progress, and every fetch ends in exactly one of the two signals.
class PageFetcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void fetch(const QUrl& address) = 0;

signals:
    void loaded(const QByteArray& body, const QByteArray& contentType);
    void failed(const QString& reason);
};

// Over HTTP and HTTPS with Qt Network. A server that answers nothing for
// `timeoutMs` ends the fetch, and so does a page larger than `maxBytes`
// (advertisements are a few lines; a huge answer is not one of ours).
class NetworkPageFetcher final : public PageFetcher {
    Q_OBJECT
public:
    explicit NetworkPageFetcher(int timeoutMs = 15000, qint64 maxBytes = 1 << 20, QObject* parent = nullptr);
    ~NetworkPageFetcher() override;

    void fetch(const QUrl& address) override;

private:
    void abandon();
    void finish(QNetworkReply* reply);

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    int timeoutMs_;
    qint64 maxBytes_;
    bool tooLarge_ = false;
    quint64 fetches_ = 0; // a refused address fails later, unless another fetch came first
};
