// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/WebView.h"

#include "promo/PageReducer.h"

namespace promo {

WebView::WebView(QNetworkAccessManager& network, PageLimits limits, QWidget* parent)
    : QTextBrowser(parent), fetcher_(network, limits) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    connect(&fetcher_, &PageFetcher::fetched, this, &WebView::showFetchedPage);
    connect(&fetcher_, &PageFetcher::failed, this, &WebView::navigateError);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { emit linkClicked(baseUrl_.resolved(url)); });
}

void WebView::navigate(const QUrl& url) {
    if (url == QUrl(QStringLiteral("about:blank"))) {
        fetcher_.cancel();
        display(QString(), QUrl());
        return;
    }
    fetcher_.fetch(url);
}

void WebView::writeDocument(const QStringList& lines) {
    fetcher_.cancel();
    QString html;
    for (const QString& line : lines)
        html += line + u'\n';
    display(html, QUrl());
}

QVariant WebView::loadResource(int, const QUrl&) {
    // An empty but non-null answer: a null one would make the document read local files itself.
    return QByteArray();
}

void WebView::showFetchedPage(const QString& html, const QUrl& url) {
    const QString page = reducePage(html, url);
    if (page.isEmpty()) {
        emit navigateError(); // an empty page is no promotion page
        return;
    }
    display(page, url);
}

void WebView::display(const QString& html, const QUrl& baseUrl) {
    source_ = html;
    baseUrl_ = baseUrl;
    setHtml(html);
}

} // namespace promo
