// The promotion window's web view: the remote page when it can be had within the limits, and the
// built-in page, compared line by line, whenever it cannot or has nothing to show; hostile pages
// shown without stalling the window. Pages come from a server on 127.0.0.1.

#include "tests/promo/GG1TestRig.h"

#include "promo/Endpoints.h"
#include "promo/WebView.h"
#include "tests/promo/HostilePages.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <optional>

namespace {

namespace ep = promo::endpoints;

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

// A web server on 127.0.0.1 with a page for every case, beside a folder with an image.
class PageServer {
public:
    PageServer() {
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        EXPECT_TRUE(red.save(file("red.png"))); // for the cases below to mean anything
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            }
        });
    }
    QUrl url(const char* path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    QString file(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    int connections = 0;
    QList<QByteArray> paths;

private:
    std::optional<QByteArray> answer(const QByteArray& path) const {
        if (path == "/promo/")
            return html("<p>远程推广页</p><a href=\"/deals\">今日特价</a><img src=\"" +
                        QUrl::fromLocalFile(file("red.png")).toEncoded() + "\" width=\"8\" height=\"8\">");
        if (path == "/moved") // within the scheme
            return response(302, {}, "Location: /gbk\r\n");
        if (path == "/gbk")
            return html("<p>" + QByteArray::fromHex("d6d0cec4") + "</p>", "GBK");
        if (path == "/1MiB" || path == "/1MiB+1")
            return html(pageOfSize(1024 * 1024 + path.endsWith("+1")));
        if (path == "/streamed") // no length: only the bytes received can tell the size
            return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n" +
                   QByteArray(1024 * 1024 + 10, 'y');
        if (path == "/to-https") { // followed, it would open a second connection to shake hands
            QUrl secure = url("/promo/");
            secure.setScheme(QStringLiteral("https"));
            return response(302, {}, "Location: " + secure.toEncoded() + "\r\n");
        }
        if (path == "/silent")
            return std::nullopt;
        if (path == "/empty")
            return html({});
        if (path == "/no-content")
            return response(204, {});
        if (path == "/only-markup")
            return html("<html><body><p></p><script>document.write('x')</script></body></html>");
        if (path.startsWith("/hostile/")) {
            static const std::vector<std::pair<const char*, QByteArray>> pages = hostile::pages();
            return html(pages.at(path.mid(9).toInt()).second);
        }
        return response(404, "<p>missing</p>");
    }
    void serve(QTcpSocket* socket) { // requests have no body: each ends at its blank line
        QByteArray buffered = socket->property("buffered").toByteArray() + socket->readAll();
        for (qsizetype end; (end = buffered.indexOf("\r\n\r\n")) >= 0; buffered.remove(0, end + 4)) {
            paths.append(buffered.left(end).split(' ').value(1));
            if (const std::optional<QByteArray> reply = answer(paths.last()))
                socket->write(*reply);
        }
        socket->setProperty("buffered", buffered);
    }
    QTemporaryDir folder_;
    QTcpServer server_;
};

// The built-in page as it must be written. Anchors come bare (a), after two spaces and a stray
// font end tag (b), or after two spaces only (c).
QStringList expectedBuiltInPage() {
    auto a = [](QLatin1String target, const char* label) {
        return "<a target=\"_blank\" href=\"" + target + "\">" + QString::fromUtf8(label) + "</a>";
    };
    auto b = [&](QLatin1String target, const char* label) {
        return "&nbsp;&nbsp;</font>" + a(target, label) + "</font>";
    };
    auto c = [&](QLatin1String target, const char* label) { return "&nbsp;&nbsp;" + a(target, label); };
    QStringList page =
        QStringLiteral(
            "<HTML>\n<HEAD>\n<TITLE>\n</TITLE>\n</HEAD>\n<BODY>\n"
            "<SCRIPT language=JavaScript>document.oncontextmenu=new "
            "Function(\"event.returnValue=false;\");</SCRIPT>\n"
            "<style>BODY{ border:0px; overflow:hidden; }</style>\n"
            "<style type=\"text/css\">A { text-decoration: NONE; color:#0000FF} A:hover {font-weight: bold;"
            "color:#FF0000}</style>\n"
            "<body bgcolor=\"#C0C0FF\">\n<p align=\"center\"><font color=\"#FF0000\" size=\"4\">")
            .split(u'\n');
    for (const QString& row :
         {a(ep::kShopSpecialOffers, "淘宝特卖") + b(ep::kGuideMallDirectory, "商城导航") +
              b(ep::kMallNewArrivals, "天猫商城") + b(ep::kLottery, "500万彩票"),
          b(ep::kShopTopRatedShops, "皇冠店铺") + b(ep::kShopBestSellers, "淘宝排行") +
              b(ep::kGuideDiscounts, "折扣导航") + b(ep::kHomePage, "常用导航"),
          b(ep::kShopWomensWear, "女装频道") + b(ep::kShopAccessories, "饰品鞋包") +
              b(ep::kShopBeauty, "美容频道") + c(ep::kShopFood, "食品频道"),
          b(ep::kShopHome, "家装频道") + c(ep::kShopDailyDeals, "天天疯狂购") +
              b(ep::kShopGroupBuying, "聚划算") + b(ep::kShopMotherAndBaby, "母婴频道"),
          b(ep::kShopMen, "男人频道") + b(ep::kShopDigital, "数码频道") + b(ep::kGuideBargains, "购划算") +
              b(ep::kShopFlashSales, "秒杀立减"),
          b(ep::kShopAirTickets, "机票频道") + b(ep::kGuideTravel, "旅游导航") +
              b(ep::kGuideGroupBuying, "团购导航") + b(ep::kGuideTimeLimitedSales, "限时抢购")})
        page << QStringLiteral("<p align=\"center\"><font size=\"4\" color=\"#FF0000\">") << row;
    return page << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
}

struct PageRig : GG1TestRig {
    promo::WebView* view() const { return control<promo::WebView>(QStringLiteral("WebBrowser1")); }
    bool settle() const {
        return QTest::qWaitFor([this] { return !view()->busy() && !view()->documentSource().isEmpty(); });
    }
};

TEST(GG1Page, ShowsTheRemotePageOpensItsLinksAndLoadsNothingItRefersTo) {
    PageServer server;
    PageRig rig;
    rig.open(server.url("/promo/"));
    ASSERT_TRUE(rig.settle());
    EXPECT_TRUE(rig.view()->toPlainText().contains(QStringLiteral("远程推广页")));
    EXPECT_FALSE(rig.view()->documentSource().contains(QStringLiteral("淘宝特卖")));
    rig.window->show();
    rig.view()->grab(); // lays the page out, which would fetch what it refers to
    const QUrl image = QUrl::fromLocalFile(server.file("red.png"));
    const QVariant loaded = rig.view()->document()->resource(QTextDocument::ImageResource, image);
    EXPECT_TRUE(loaded.value<QImage>().isNull() && loaded.toByteArray().isEmpty());

    // A link opens in the browser, resolved against the page's address.
    QTextCursor inside(rig.view()->document());
    inside.setPosition(rig.view()->document()->find(QStringLiteral("今日特价")).selectionStart() + 1);
    QTest::mouseClick(rig.view()->viewport(), Qt::LeftButton, {}, rig.view()->cursorRect(inside).center());
    EXPECT_EQ(rig.links.opened, QList<QUrl>{server.url("/deals")});
    EXPECT_EQ(server.paths, QList<QByteArray>{"/promo/"});
}

TEST(GG1Page, ShowsAPageWithinTheLimitsAndOtherwiseWritesTheBuiltInPage) {
    PageServer server;
    const std::tuple<QUrl, const char*, int, bool> cases[] = {
        // The page, its text (none for the built-in page), the connections it takes, and whether it
        // waits for the time limit.
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
    const QStringList expected = expectedBuiltInPage();
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
        if (text) {
            EXPECT_EQ(rig.view()->toPlainText().trimmed(), QString::fromUtf8(text));
            continue;
        }
        QStringList written = rig.view()->documentSource().split(u'\n');
        EXPECT_EQ(written.takeLast(), QString()) << "the last line ends with a line break too";
        ASSERT_EQ(written.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            EXPECT_EQ(written[i], expected[i]) << "line " << i + 1;
    }
}

// Before pages were reduced, laying out 20 nested tables held the window up for some ten seconds
// and 30 for minutes; now no hostile page holds up the event loop for long (the bound leaves room
// for sanitizer builds; bench/PageBench.cpp measures the pauses themselves).
TEST(GG1Page, ShowsHostilePagesWithoutStallingTheWindow) {
    PageServer server;
    const std::vector<std::pair<const char*, QByteArray>> pages = hostile::pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(pages[i].first);
        PageRig rig;
        QElapsedTimer sinceTick;
        qint64 longestGapMs = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { longestGapMs = std::max(longestGapMs, sinceTick.restart()); });
        sinceTick.start();
        tick.start(1);
        rig.open(server.url(("/hostile/" + std::to_string(i)).c_str()));
        ASSERT_TRUE(rig.settle());
        rig.window->show();
        rig.view()->grab(); // lays the page out and paints it
        QTest::qWait(20);
        ASSERT_LT(longestGapMs, 2000);
    }
}

} // namespace
