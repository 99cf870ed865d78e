#include "LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(Responder responder) : responder_(std::move(responder)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl LocalHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void LocalHttpServer::serve(QTcpSocket* socket) {
    // Requests come without a body, so each one ends at its blank line.
    QByteArray buffered = socket->property("buffered").toByteArray() + socket->readAll();
    qsizetype end;
    while ((end = buffered.indexOf("\r\n\r\n")) >= 0) {
        const QByteArray request = buffered.left(end);
        buffered.remove(0, end + 4);
        const QByteArray path = request.split(' ').value(1);
        requestedPaths_.append(path);
        if (const std::optional<QByteArray> answer = responder_(path))
            socket->write(*answer);
    }
    socket->setProperty("buffered", buffered);
}

QByteArray LocalHttpServer::response(int status, const QByteArray& body, const QByteArray& headers) {
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Status\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" + body;
}

QUrl LocalHttpServer::refusingUrl() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port));
}
