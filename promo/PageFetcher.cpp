// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/PageFetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>

namespace promo {

namespace {

bool isWebScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

// The charset parameter of a Content-Type header, e.g. "gbk" of "text/html; charset=gbk".
QByteArray declaredCharset(const QByteArray& contentType) {
    for (const QByteArray& parameter : contentType.split(';')) {
        const QByteArray trimmed = parameter.trimmed();
        if (trimmed.toLower().startsWith("charset="))
            return trimmed.mid(8).replace('"', QByteArray()).trimmed();
    }
    return {};
}

QString decodePage(const QByteArray& body, const QByteArray& contentType) {
    if (const QByteArray charset = declaredCharset(contentType); !charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            return decoder(body);
    }
    // A byte-order mark or a <meta> charset in the page itself, or else UTF-8.
    QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
    if (decoder.isValid())
        return decoder(body);
    return QString::fromUtf8(body);
}

} // namespace

PageFetcher::PageFetcher(QNetworkAccessManager& network, PageLimits limits, QObject* parent)
    : QObject(parent), network_(network), limits_(limits) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &PageFetcher::fail);
}

PageFetcher::~PageFetcher() {
    cancel();
}

void PageFetcher::fetch(const QUrl& url) {
    cancel();
    if (!url.isValid() || !isWebScheme(url.scheme())) {
        deadline_.start(0); // fails from the event loop, as promised
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.maxRedirects);
    scheme_ = url.scheme();
    body_.clear();
    reply_ = network_.get(request);
    connect(reply_, &QNetworkReply::redirected, this, &PageFetcher::onRedirected);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &PageFetcher::onMetaDataChanged);
    connect(reply_, &QNetworkReply::readyRead, this, &PageFetcher::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &PageFetcher::onFinished);
    deadline_.start(limits_.timeout);
}

void PageFetcher::cancel() {
    deadline_.stop();
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    body_.clear();
}

void PageFetcher::onRedirected(const QUrl& target) {
    if (target.scheme() != scheme_) {
        fail();
        return;
    }
    body_.clear();
    emit reply_->redirectAllowed();
}

void PageFetcher::onMetaDataChanged() {
    if (reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong() > limits_.maxBytes)
        fail();
}

void PageFetcher::onReadyRead() {
    body_ += reply_->readAll();
    if (body_.size() > limits_.maxBytes)
        fail();
}

void PageFetcher::onFinished() {
    body_ += reply_->readAll();
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply_->error() != QNetworkReply::NoError || status < 200 || status > 299 ||
        body_.size() > limits_.maxBytes) {
        fail();
        return;
    }
    const QString html = decodePage(body_, reply_->rawHeader("Content-Type"));
    const QUrl url = reply_->url();
    cancel();
    emit fetched(html, url);
}

void PageFetcher::fail() {
    cancel();
    emit failed();
}

} // namespace promo
