#pragma once

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A web server on the loopback interface, in the test's own thread: it
// answers GET requests for the pages it was given (404 for others) and
// never answers paths listed as silent, like a server that hangs.
class LoopbackHttpServer : public QObject {
public:
    struct Page {
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
    };

    LoopbackHttpServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }

    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    void serve(const QString& path, const Page& page) { pages_[path] = page; }
    void hang(const QString& path) { silent_ << path; }

private:
    void answer(QTcpSocket* socket) {
        QByteArray& request = requests_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        requests_.remove(socket);
        if (silent_.contains(path))
            return;
        const auto found = pages_.constFind(path);
        const QByteArray status = found != pages_.constEnd() ? "200 OK" : "404 Not Found";
        const Page page = found != pages_.constEnd() ? *found : Page{"not here", "text/plain"};
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + page.contentType +
                      "\r\nContent-Length: " + QByteArray::number(page.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + page.body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QString, Page> pages_;
    QStringList silent_;
    QHash<QTcpSocket*, QByteArray> requests_;
};
