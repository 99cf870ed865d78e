// SPDX-License-Identifier: GPL-3.0-or-later
// The promotion page: the reducer's rules, one row per rule (tests/data/page-reductions.tsv); the
// web view showing the remote page when it can be had within the limits, and the built-in page
// (tests/data/builtin-page.html) whenever it cannot or has nothing to show; hostile pages shown
// reduced within the bounds and without stalling the window. Pages come from a server on 127.0.0.1.

#include "tests/promo/GG1TestRig.h"

#include "promo/PageReducer.h"
#include "promo/WebView.h"
#include "tests/promo/HostilePages.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using namespace promo::page_bounds;

TEST(PageReducer, KeepsTextLinksAndSimpleMarkupAndDropsEverythingElse) {
    const QList<QStringList> cases = testDataRows(QStringLiteral("page-reductions.tsv"));
    EXPECT_EQ(cases.size(), 30);
    for (const QStringList& row : cases)
        EXPECT_EQ(promo::reducePage(row[0], QUrl(QStringLiteral("http://127.0.0.1/promo/"))).toStdString(),
                  row[1].toStdString())
            << row[0].toStdString();
}

// The reduced page `page`, read back from its markup: well formed and within every bound.
void expectWithinBounds(const QString& page) {
    using Pattern = QRegularExpression;
    QStringList open;
    std::size_t deepest = 0; // html and body included
    bool wellFormed = true;
    for (const QRegularExpressionMatch& tag :
         Pattern(QStringLiteral("<(/?)([a-z0-9]+)[^>]*>")).globalMatch(page)) {
        if (!tag.captured(1).isEmpty()) {
            wellFormed = wellFormed && !open.isEmpty() && open.takeLast() == tag.captured(2);
        } else if (tag.captured(2) != QLatin1String("br") && tag.captured(2) != QLatin1String("hr")) {
            open << tag.captured(2);
            deepest = std::max(deepest, std::size_t(open.size()));
        }
    }
    qsizetype widestRow = 0;
    for (const QString& row : page.split(QStringLiteral("<tr")))
        widestRow = std::max(widestRow, row.count(QStringLiteral("<td")));
    // A reference is one character; a zero-width space is no text but a place to break a run.
    const QString text = QString(page)
                             .remove(Pattern(QStringLiteral("<[^>]*>")))
                             .replace(Pattern(QStringLiteral("&[a-z0-9#]+;")), QStringLiteral("&"));
    EXPECT_TRUE(wellFormed && open.isEmpty());
    EXPECT_LE(deepest, kMaxOpen + 2);
    EXPECT_LE(page.count(Pattern(QStringLiteral("<[a-z]"))), kMaxElements + 2);
    EXPECT_LE(page.count(Pattern(QStringLiteral("<t[rd][ >]"))), kMaxTableParts);
    EXPECT_LE(widestRow, kMaxRowCells);
    EXPECT_FALSE(page.contains(
        Pattern(QStringLiteral("<table((?!</table>).)*<table"), Pattern::DotMatchesEverythingOption)));
    EXPECT_LE(text.size() - text.count(QChar(0x200B)), kMaxText);
    EXPECT_FALSE(text.contains(Pattern(QStringLiteral("[A-Za-z0-9]{%1}").arg(kMaxRun + 1))));
}

QByteArray response(int status, const QByteArray& body, const QByteArray& headers = {}) {
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Status\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" + body;
}

QByteArray html(const QByteArray& body, const QByteArray& charset = "utf-8") {
    return response(200, body, "Content-Type: text/html; charset=" + charset + "\r\n");
}

QByteArray pageOfSize(qsizetype size) {
    const QByteArray start = "<html><body><p>大页面</p><!--", end = "--></body></html>";
    return start + QByteArray(size - start.size() - end.size(), 'x') + end;
}

// A web server on 127.0.0.1 with a page for every case, beside a folder with an image. It answers
// what it does not know with 404, and /silent not at all.
class PageServer {
public:
    PageServer() {
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        EXPECT_TRUE(red.save(file("red.png"))); // for the cases below to mean anything
        server_.listen(QHostAddress::LocalHost);
        QUrl secure = url("/promo/"); // followed, it would open a second connection to shake hands
        secure.setScheme(QStringLiteral("https"));
        replies_ = {
            {"/promo/",
             html("<p>远程推广页</p><a href=\"/deals\">今日特价</a><img src=\"" +
                  QUrl::fromLocalFile(file("red.png")).toEncoded() + "\" width=\"8\" height=\"8\">")},
            {"/moved", response(302, {}, "Location: /gbk\r\n")}, // within the scheme
            {"/gbk", html("<p>" + QByteArray::fromHex("d6d0cec4") + "</p>", "GBK")},
            {"/1MiB", html(pageOfSize(1024 * 1024))},
            {"/1MiB+1", html(pageOfSize(1024 * 1024 + 1))},
            // No length: only the bytes received can tell the size.
            {"/streamed", "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n" +
                              QByteArray(1024 * 1024 + 10, 'y')},
            {"/to-https", response(302, {}, "Location: " + secure.toEncoded() + "\r\n")},
            {"/empty", html({})},
            {"/no-content", response(204, {})},
            {"/only-markup", html("<html><body><p></p><script>document.write('x')</script></body></html>")},
        };
        int hostile = 0;
        for (const auto& [name, page] : hostile::pages())
            replies_.insert("/hostile/" + QByteArray::number(hostile++), html(page));
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            }
        });
    }
    QUrl url(const QByteArray& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) +
                    QString::fromLatin1(path));
    }
    QString file(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    int connections = 0;
    QList<QByteArray> paths;

private:
    void serve(QTcpSocket* socket) { // requests have no body: each ends at its blank line
        QByteArray buffered = socket->property("buffered").toByteArray() + socket->readAll();
        for (qsizetype end; (end = buffered.indexOf("\r\n\r\n")) >= 0; buffered.remove(0, end + 4)) {
            paths.append(buffered.left(end).split(' ').value(1));
            if (paths.last() != "/silent")
                socket->write(replies_.value(paths.last(), response(404, "<p>missing</p>")));
        }
        socket->setProperty("buffered", buffered);
    }
    QTemporaryDir folder_;
    QTcpServer server_;
    QMap<QByteArray, QByteArray> replies_;
};

struct PageRig : GG1TestRig {
    promo::WebView* view() const { return control<promo::WebView>(QStringLiteral("WebBrowser1")); }
    bool settle() const {
        return QTest::qWaitFor([this] { return !view()->busy() && !view()->documentSource().isEmpty(); });
    }
};

// The remote page when it can be had within the limits, and otherwise the built-in page; its links
// open in the browser, and the view loads nothing a page refers to, not even a local file.
TEST(GG1Page, ShowsAPageWithinTheLimitsAndOtherwiseWritesTheBuiltInPage) {
    PageServer server;
    const std::tuple<QUrl, const char*, int, bool> cases[] = {
        // The page, its text (none for the built-in page), the connections it takes, and whether it
        // waits for the time limit.
        {server.url("/promo/"), "远程推广页\n今日特价", 1, false},
        {server.url("/moved"), "中文", 1, false}, // a redirect within the scheme, to a page in GBK
        {server.url("/1MiB"), "大页面", 1, false},
        {QUrl(QStringLiteral("http://127.0.0.1:1/")), nullptr, 0, false}, // refused: nothing listens there
        {server.url("/silent"), nullptr, 1, true},
        {server.url("/missing"), nullptr, 1, false},
        {server.url("/1MiB+1"), nullptr, 1, false},
        {server.url("/streamed"), nullptr, 1, false},
        {server.url("/to-https"), nullptr, 1, false},
        {server.url("/empty"), nullptr, 1, false},
        {server.url("/no-content"), nullptr, 1, false},
        {server.url("/only-markup"), nullptr, 1, false},
        {QUrl::fromLocalFile(server.file("red.png")), nullptr, 0, false},
    };
    for (const auto& [page, text, connections, waits] : cases) {
        SCOPED_TRACE(page.toString().toStdString());
        const int connectionsBefore = server.connections;
        PageRig rig;
        rig.open(page, {waits ? std::chrono::milliseconds(400) : promo::PageLimits{}.timeout});
        if (waits) {
            QTest::qWait(150);
            EXPECT_TRUE(rig.view()->busy() && rig.view()->documentSource().isEmpty()) << "gave up early";
        }
        ASSERT_TRUE(rig.settle());
        EXPECT_EQ(server.connections - connectionsBefore, connections);
        if (text)
            EXPECT_EQ(rig.view()->toPlainText().trimmed(), QString::fromUtf8(text));
        else
            EXPECT_EQ(rig.view()->documentSource().toStdString(),
                      testData(QStringLiteral("builtin-page.html")).toStdString());
    }

    PageRig rig;
    rig.open(server.url("/promo/"));
    ASSERT_TRUE(rig.settle());
    rig.window->show();
    rig.view()->grab(); // lays the page out, which would fetch what it refers to
    const QUrl image = QUrl::fromLocalFile(server.file("red.png"));
    const QVariant loaded = rig.view()->document()->resource(QTextDocument::ImageResource, image);
    EXPECT_TRUE(loaded.value<QImage>().isNull() && loaded.toByteArray().isEmpty());
    QTextCursor inside(rig.view()->document());
    inside.setPosition(rig.view()->document()->find(QStringLiteral("今日特价")).selectionStart() + 1);
    QTest::mouseClick(rig.view()->viewport(), Qt::LeftButton, {}, rig.view()->cursorRect(inside).center());
    EXPECT_EQ(rig.links.opened, QList<QUrl>{server.url("/deals")});
    EXPECT_EQ(server.paths.last(), "/promo/");
}

// Before pages were reduced, laying out 20 nested tables held the window up for some ten seconds
// and 30 for minutes; now every hostile page is reduced within the bounds, and none holds up the
// event loop for long (the bound leaves room for sanitizer builds; bench/PageBench.cpp measures
// the pauses themselves).
TEST(GG1Page, ShowsHostilePagesReducedWithoutStallingTheWindow) {
    PageServer server;
    const std::vector<std::pair<QByteArray, QByteArray>> pages = hostile::pages();
    ASSERT_EQ(pages.size(), 17u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(pages[i].first.data());
        expectWithinBounds(promo::reducePage(QString::fromUtf8(pages[i].second), server.url("/")));
        PageRig rig;
        QElapsedTimer sinceTick;
        qint64 longestGapMs = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { longestGapMs = std::max(longestGapMs, sinceTick.restart()); });
        sinceTick.start();
        tick.start(1);
        rig.open(server.url("/hostile/" + QByteArray::number(i)));
        ASSERT_TRUE(rig.settle());
        rig.window->show();
        rig.view()->grab(); // lays the page out and paints it
        QTest::qWait(20);
        ASSERT_LT(longestGapMs, 2000);
    }
}

} // namespace
