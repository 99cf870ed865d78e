// The promotion window's web view: the remote page when it loads, the built-in page, written line
// by line, whenever it does not, and the links of both.

#include "GG1TestRig.h"
#include "LocalHttpServer.h"

#include "promo/Endpoints.h"
#include "promo/WebView.h"

#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

namespace ep = promo::endpoints;

// The built-in page as it must be written, line by line. The three anchor forms: a bare anchor,
// one after two spaces and a stray font end tag, and one after two spaces only.
QStringList expectedBuiltInPage() {
    auto anchor = [](QLatin1String target, const char* label) {
        return QStringLiteral("<a target=\"_blank\" href=\"") + target + QStringLiteral("\">") +
               QString::fromUtf8(label) + QStringLiteral("</a>");
    };
    auto A = [&](QLatin1String target, const char* label) { return anchor(target, label); };
    auto B = [&](QLatin1String target, const char* label) {
        return QStringLiteral("&nbsp;&nbsp;</font>") + anchor(target, label) + QStringLiteral("</font>");
    };
    auto C = [&](QLatin1String target, const char* label) {
        return QStringLiteral("&nbsp;&nbsp;") + anchor(target, label);
    };
    const QString P = QStringLiteral("<p align=\"center\"><font size=\"4\" color=\"#FF0000\">");
    return {
        "<HTML>",
        "<HEAD>",
        "<TITLE>",
        "</TITLE>",
        "</HEAD>",
        "<BODY>",
        "<SCRIPT language=JavaScript>document.oncontextmenu=new "
        "Function(\"event.returnValue=false;\");</SCRIPT>",
        "<style>BODY{ border:0px; overflow:hidden; }</style>",
        "<style type=\"text/css\">A { text-decoration: NONE; color:#0000FF} A:hover {font-weight: "
        "bold;color:#FF0000}</style>",
        "<body bgcolor=\"#C0C0FF\">",
        "<p align=\"center\"><font color=\"#FF0000\" size=\"4\">",
        P,
        A(ep::kShopSpecialOffers, "淘宝特卖") + B(ep::kGuideMallDirectory, "商城导航") +
            B(ep::kMallNewArrivals, "天猫商城") + B(ep::kLottery, "500万彩票"),
        P,
        B(ep::kShopTopRatedShops, "皇冠店铺") + B(ep::kShopBestSellers, "淘宝排行") +
            B(ep::kGuideDiscounts, "折扣导航") + B(ep::kHomePage, "常用导航"),
        P,
        B(ep::kShopWomensWear, "女装频道") + B(ep::kShopAccessories, "饰品鞋包") +
            B(ep::kShopBeauty, "美容频道") + C(ep::kShopFood, "食品频道"),
        P,
        B(ep::kShopHome, "家装频道") + C(ep::kShopDailyDeals, "天天疯狂购") +
            B(ep::kShopGroupBuying, "聚划算") + B(ep::kShopMotherAndBaby, "母婴频道"),
        P,
        B(ep::kShopMen, "男人频道") + B(ep::kShopDigital, "数码频道") + B(ep::kGuideBargains, "购划算") +
            B(ep::kShopFlashSales, "秒杀立减"),
        P,
        B(ep::kShopAirTickets, "机票频道") + B(ep::kGuideTravel, "旅游导航") +
            B(ep::kGuideGroupBuying, "团购导航") + B(ep::kGuideTimeLimitedSales, "限时抢购"),
        "</BODY>",
        "</HTML>",
    };
}

// The lines of the document in the view, each of which was ended by a line break.
QStringList writtenLines(const promo::WebView& view) {
    QStringList lines = view.documentSource().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void expectBuiltInPage(const promo::WebView& view) {
    const QStringList expected = expectedBuiltInPage();
    const QStringList written = writtenLines(view);
    ASSERT_EQ(written.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(written[i], expected[i]) << "line " << i + 1;
}

struct PageRig : GG1TestRig {
    promo::WebView* view() const { return control<promo::WebView>(QStringLiteral("WebBrowser1")); }
    bool settled() const { return !view()->busy() && !view()->documentSource().isEmpty(); }
    bool waitUntilSettled(int ms = 5000) const {
        return QTest::qWaitFor([this] { return settled(); }, ms);
    }
};

QByteArray htmlResponse(const QByteArray& body) {
    return LocalHttpServer::response(200, body, "Content-Type: text/html; charset=utf-8\r\n");
}

// Clicks the first place in the view where `text` is shown.
void clickText(QTextBrowser* view, const QString& text) {
    const QTextCursor found = view->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor inside(view->document());
    inside.setPosition(found.selectionStart() + 1);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(inside).center());
}

TEST(GG1Page, TheRemotePageIsShownAndTheBuiltInPageNeverWritten) {
    LocalHttpServer server([](const QByteArray&) {
        return htmlResponse("<html><body><p>远程推广页</p><a href=\"/deals\">今日特价</a></body></html>");
    });
    PageRig rig;
    rig.open(server.url(QStringLiteral("/promo/")));
    ASSERT_TRUE(rig.waitUntilSettled());
    EXPECT_TRUE(rig.view()->toPlainText().contains(QStringLiteral("远程推广页")));
    EXPECT_FALSE(rig.view()->documentSource().contains(QStringLiteral("淘宝特卖")));
    EXPECT_EQ(server.requestedPaths(), QList<QByteArray>{"/promo/"});

    // Its links open in the browser, resolved against the page's address.
    rig.window->show();
    clickText(rig.view(), QStringLiteral("今日特价"));
    ASSERT_EQ(rig.links.opened.size(), 1);
    EXPECT_EQ(rig.links.opened.first(), server.url(QStringLiteral("/deals")));
}

TEST(GG1Page, ARefusedConnectionWritesTheBuiltInPage) {
    PageRig rig;
    rig.open(LocalHttpServer::refusingUrl());
    ASSERT_TRUE(rig.waitUntilSettled());
    expectBuiltInPage(*rig.view());
}

TEST(GG1Page, AServerThatNeverAnswersWritesTheBuiltInPageWhenTheTimeLimitRunsOut) {
    LocalHttpServer server([](const QByteArray&) { return std::nullopt; });
    PageRig rig;
    promo::PageLimits limits;
    limits.timeout = std::chrono::milliseconds(400);
    rig.open(server.url(), limits);
    QTest::qWait(150);
    EXPECT_TRUE(rig.view()->busy()) << "still waiting before the time limit";
    EXPECT_TRUE(rig.view()->documentSource().isEmpty());
    ASSERT_TRUE(rig.waitUntilSettled());
    expectBuiltInPage(*rig.view());
    EXPECT_EQ(server.connections(), 1);
}

TEST(GG1Page, AnErrorStatusWritesTheBuiltInPage) {
    LocalHttpServer server(
        [](const QByteArray&) { return LocalHttpServer::response(404, "<p>missing</p>"); });
    PageRig rig;
    rig.open(server.url());
    ASSERT_TRUE(rig.waitUntilSettled());
    expectBuiltInPage(*rig.view());
}

TEST(GG1Page, APageOfOneMebibyteShowsAndOneByteMoreWritesTheBuiltInPage) {
    for (const qsizetype extra : {0, 1}) {
        const QByteArray start = "<html><body><p>大页面</p><!--";
        const QByteArray end = "--></body></html>";
        const QByteArray page =
            start + QByteArray(1024 * 1024 - start.size() - end.size() + extra, 'x') + end;
        LocalHttpServer server([&](const QByteArray&) { return htmlResponse(page); });
        PageRig rig;
        rig.open(server.url());
        ASSERT_TRUE(rig.waitUntilSettled());
        if (extra == 0)
            EXPECT_TRUE(rig.view()->toPlainText().contains(QStringLiteral("大页面")));
        else
            expectBuiltInPage(*rig.view());
    }
}

TEST(GG1Page, ABodyBeyondTheCapWithoutALengthWritesTheBuiltInPage) {
    // Streamed until the server closes: only the bytes received can tell the size.
    LocalHttpServer server([](const QByteArray&) {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n" +
               QByteArray(1024 * 1024 + 10, 'y');
    });
    PageRig rig;
    rig.open(server.url());
    ASSERT_TRUE(rig.waitUntilSettled());
    expectBuiltInPage(*rig.view());
}

TEST(GG1Page, ARedirectWithinTheSchemeIsFollowedAndOneToAnotherSchemeIsNot) {
    LocalHttpServer server([](const QByteArray& path) -> std::optional<QByteArray> {
        if (path == "/moved")
            return LocalHttpServer::response(302, {}, "Location: /promo/\r\n");
        return htmlResponse("<p>新地址</p>");
    });
    {
        PageRig rig;
        rig.open(server.url(QStringLiteral("/moved")));
        ASSERT_TRUE(rig.waitUntilSettled());
        EXPECT_TRUE(rig.view()->toPlainText().contains(QStringLiteral("新地址")));
    }

    // To https on the same server: followed, it would open a second connection for the handshake.
    QUrl secure = server.url(QStringLiteral("/promo/"));
    secure.setScheme(QStringLiteral("https"));
    LocalHttpServer switching([&](const QByteArray&) {
        return LocalHttpServer::response(302, {}, "Location: " + secure.toEncoded() + "\r\n");
    });
    const int connectionsBefore = server.connections();
    PageRig rig;
    promo::PageLimits limits;
    limits.timeout = std::chrono::milliseconds(2000); // a followed redirect would hang in the handshake
    rig.open(switching.url(), limits);
    ASSERT_TRUE(rig.waitUntilSettled());
    expectBuiltInPage(*rig.view());
    QTest::qWait(100);
    EXPECT_EQ(server.connections(), connectionsBefore);
}

TEST(GG1Page, AnAddressOfAnotherSchemeIsNeverLoaded) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("page.html"));
    QFile page(file);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p>本地文件</p>");
    page.close();
    PageRig rig;
    rig.open(QUrl::fromLocalFile(file));
    ASSERT_TRUE(rig.waitUntilSettled());
    expectBuiltInPage(*rig.view());
}

TEST(GG1Page, TheViewLoadsNothingThatAPageRefersTo) {
    QTemporaryDir folder;
    const QString imageFile = folder.filePath(QStringLiteral("red.png"));
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(imageFile));
    const QUrl imageUrl = QUrl::fromLocalFile(imageFile);
    LocalHttpServer server([&](const QByteArray&) {
        return htmlResponse("<p>图片</p><img src=\"" + imageUrl.toEncoded() + "\" width=\"8\" height=\"8\">");
    });
    PageRig rig;
    rig.open(server.url());
    ASSERT_TRUE(rig.waitUntilSettled());
    rig.window->show();
    rig.view()->grab(); // lays the page out, which fetches what it refers to
    const QVariant image = rig.view()->document()->resource(QTextDocument::ImageResource, imageUrl);
    EXPECT_TRUE(image.value<QImage>().isNull());
    EXPECT_TRUE(image.toByteArray().isEmpty());
}

TEST(GG1Page, BuiltInPageLinksOpenTheirTargets) {
    PageRig rig;
    rig.open(LocalHttpServer::refusingUrl());
    ASSERT_TRUE(rig.waitUntilSettled());
    rig.window->show();
    clickText(rig.view(), QStringLiteral("天猫商城"));
    clickText(rig.view(), QStringLiteral("限时抢购"));
    EXPECT_EQ(rig.links.opened, QList<QUrl>({QUrl(ep::kMallNewArrivals), QUrl(ep::kGuideTimeLimitedSales)}));
}

TEST(GG1Page, APageDeclaredInGbkIsDecoded) {
    const QByteArray gbk = QByteArray::fromHex("d6d0cec4"); // 中文
    LocalHttpServer server([&](const QByteArray&) {
        return LocalHttpServer::response(200, "<p>" + gbk + "</p>",
                                         "Content-Type: text/html; charset=GBK\r\n");
    });
    PageRig rig;
    rig.open(server.url());
    ASSERT_TRUE(rig.waitUntilSettled());
    EXPECT_EQ(rig.view()->toPlainText().trimmed(), QStringLiteral("中文"));
}

} // namespace
