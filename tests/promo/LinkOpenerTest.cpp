// The desktop link opener hands only http and https links to the desktop.

#include "platform/desktop/LinkOpener.h"

#include <QDesktopServices>
#include <QObject>
#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's handlers of the schemes it is registered for.
class DesktopHandlers final : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kSchemes[] = {"http", "https",      "file",   "mailto",
                                               "ftp",  "javascript", "kesparo"};
    DesktopHandlers() {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "handle");
    }
    ~DesktopHandlers() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> handled;

public slots:
    void handle(const QUrl& url) { handled.append(url); }
};

TEST(DesktopLinkOpener, OpensWebLinksAndIgnoresEveryOtherScheme) {
    DesktopHandlers desktop;
    platform::DesktopLinkOpener opener;
    const QList<QUrl> web = {QUrl("https://www.tmall.com/"), QUrl("http://127.0.0.1:8080/a?b=c"),
                             QUrl("HTTPS://WWW.500.COM/")};
    const QList<QUrl> others = {QUrl("file:///etc/passwd"),
                                QUrl("mailto:someone@example.org"),
                                QUrl("ftp://ftp.example.org/"),
                                QUrl("javascript:alert(1)"),
                                QUrl("kesparo:run"),
                                QUrl("relative/page.html"),
                                QUrl()};
    for (const QUrl& url : others)
        opener.open(url);
    EXPECT_TRUE(desktop.handled.isEmpty()) << desktop.handled.first().toString().toStdString();
    for (const QUrl& url : web)
        opener.open(url);
    EXPECT_EQ(desktop.handled, web);
}

} // namespace

#include "LinkOpenerTest.moc"
