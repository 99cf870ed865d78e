// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WebBrowser1, the promotion window's web view: a light HTML view that shows a page fetched from
// the network or a document written into it. It runs no scripts and loads nothing a page refers
// to (no images, style sheets or frames, and never a local file), because the remote page is
// untrusted input; a fetched page is reduced (PageReducer) before the view lays it out. Clicked
// links are handed out, resolved against the page's address, and never followed inside the view.

#include "promo/PageFetcher.h"

#include <QStringList>
#include <QTextBrowser>
#include <QUrl>

namespace promo {

class WebView final : public QTextBrowser {
    Q_OBJECT
public:
    WebView(QNetworkAccessManager& network, PageLimits limits, QWidget* parent = nullptr);

    // Loads the page at `url` in place of what is shown; "about:blank" shows an empty page at once.
    // Returns at once; a page that cannot be loaded, or that has nothing to show, raises
    // navigateError().
    void navigate(const QUrl& url);
    // Shows a document made of `lines`, each ended by a line break, in place of what is shown
    // and of any load under way.
    void writeDocument(const QStringList& lines);
    bool busy() const { return fetcher_.busy(); }

    // The HTML source of what the view shows: a fetched page as reduced, a document as written.
    const QString& documentSource() const { return source_; }

signals:
    void navigateError();
    void linkClicked(const QUrl& url);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void showFetchedPage(const QString& html, const QUrl& url);
    void display(const QString& html, const QUrl& baseUrl);

    PageFetcher fetcher_;
    QString source_;
    QUrl baseUrl_;
};

} // namespace promo
