#pragma once
// A tiny HTTP server on 127.0.0.1 inside the test process, for loading pages without the internet.
// It answers each request through a responder, which can also leave a request unanswered.

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QUrl>
#include <functional>
#include <optional>

class LocalHttpServer final : public QObject {
public:
    // The whole response to a request for `path`, or nothing to leave it unanswered.
    using Responder = std::function<std::optional<QByteArray>(const QByteArray& path)>;

    explicit LocalHttpServer(Responder responder);

    QUrl url(const QString& path = QStringLiteral("/")) const;
    int connections() const { return connections_; }
    const QList<QByteArray>& requestedPaths() const { return requestedPaths_; }

    // A complete HTTP/1.1 response.
    static QByteArray response(int status, const QByteArray& body, const QByteArray& headers = {});
    // An address on 127.0.0.1 where nothing listens.
    static QUrl refusingUrl();

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
    Responder responder_;
    int connections_ = 0;
    QList<QByteArray> requestedPaths_;
};
