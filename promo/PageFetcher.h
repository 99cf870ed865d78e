// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fetches one web page for the promotion window, with the limits that untrusted input deserves:
// http or https only, redirects only within the same scheme, a deadline for the whole load and a
// cap on its size. Whatever goes wrong ends in failed(), so the caller has one path for errors.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

namespace promo {

struct PageLimits {
    std::chrono::milliseconds timeout{10'000}; // for the whole load, redirects included
    qint64 maxBytes = 1024 * 1024;             // of the page's body
    int maxRedirects = 5;
};

class PageFetcher final : public QObject {
    Q_OBJECT
public:
    PageFetcher(QNetworkAccessManager& network, PageLimits limits, QObject* parent = nullptr);
    ~PageFetcher() override;

    // Starts loading `url`, dropping any load still under way. Returns at once; the outcome
    // arrives as fetched() or failed(), never both and never from within this call.
    void fetch(const QUrl& url);
    // Drops the load under way, if any, without a signal.
    void cancel();
    bool busy() const { return !reply_.isNull(); }

signals:
    // The page's text, decoded by its declared character set (UTF-8 when it declares none), and
    // the address it finally came from.
    void fetched(const QString& html, const QUrl& url);
    void failed();

private:
    void onRedirected(const QUrl& target);
    void onMetaDataChanged();
    void onReadyRead();
    void onFinished();
    void fail();

    QNetworkAccessManager& network_;
    PageLimits limits_;
    QPointer<QNetworkReply> reply_;
    QString scheme_;
    QByteArray body_;
    QTimer deadline_;
};

} // namespace promo
