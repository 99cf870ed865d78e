// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/BuiltInPage.h"

#include "promo/Endpoints.h"

#include <iterator>

namespace promo {

namespace {

// Each link is an anchor that opens in a new window, written in one of three forms. The forms that
// close a font element close one that is not always open; the page has always been written so,
// and browsers ignore the stray end tags.
enum class AnchorForm {
    Plain,          // the anchor alone
    AfterFontClose, // two spaces, "</font>", the anchor, "</font>"
    AfterSpaces,    // two spaces, the anchor
};

struct PageLink {
    const char16_t* label;
    AnchorForm form;
    QLatin1String target;
};

using enum AnchorForm;
namespace ep = endpoints;

constexpr std::size_t kLinksPerRow = 4;
constexpr PageLink kLinks[] = {
    {u"淘宝特卖", Plain, ep::kShopSpecialOffers},
    {u"商城导航", AfterFontClose, ep::kGuideMallDirectory},
    {u"天猫商城", AfterFontClose, ep::kMallNewArrivals},
    {u"500万彩票", AfterFontClose, ep::kLottery},

    {u"皇冠店铺", AfterFontClose, ep::kShopTopRatedShops},
    {u"淘宝排行", AfterFontClose, ep::kShopBestSellers},
    {u"折扣导航", AfterFontClose, ep::kGuideDiscounts},
    {u"常用导航", AfterFontClose, ep::kHomePage},

    {u"女装频道", AfterFontClose, ep::kShopWomensWear},
    {u"饰品鞋包", AfterFontClose, ep::kShopAccessories},
    {u"美容频道", AfterFontClose, ep::kShopBeauty},
    {u"食品频道", AfterSpaces, ep::kShopFood},

    {u"家装频道", AfterFontClose, ep::kShopHome},
    {u"天天疯狂购", AfterSpaces, ep::kShopDailyDeals},
    {u"聚划算", AfterFontClose, ep::kShopGroupBuying},
    {u"母婴频道", AfterFontClose, ep::kShopMotherAndBaby},

    {u"男人频道", AfterFontClose, ep::kShopMen},
    {u"数码频道", AfterFontClose, ep::kShopDigital},
    {u"购划算", AfterFontClose, ep::kGuideBargains},
    {u"秒杀立减", AfterFontClose, ep::kShopFlashSales},

    {u"机票频道", AfterFontClose, ep::kShopAirTickets},
    {u"旅游导航", AfterFontClose, ep::kGuideTravel},
    {u"团购导航", AfterFontClose, ep::kGuideGroupBuying},
    {u"限时抢购", AfterFontClose, ep::kGuideTimeLimitedSales},
};

QString anchor(const PageLink& link) {
    const QString a = QStringLiteral("<a target=\"_blank\" href=\"%1\">%2</a>")
                          .arg(link.target, QString::fromUtf16(link.label));
    switch (link.form) {
    case Plain:
        return a;
    case AfterFontClose:
        return QStringLiteral("&nbsp;&nbsp;</font>") + a + QStringLiteral("</font>");
    case AfterSpaces:
        return QStringLiteral("&nbsp;&nbsp;") + a;
    }
    return a;
}

} // namespace

QStringList builtInPageLines() {
    const QString rowStart = QStringLiteral("<p align=\"center\"><font size=\"4\" color=\"#FF0000\">");
    QStringList lines = {
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE>"),
        QStringLiteral("</TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QStringLiteral("<SCRIPT language=JavaScript>document.oncontextmenu=new "
                       "Function(\"event.returnValue=false;\");</SCRIPT>"),
        QStringLiteral("<style>BODY{ border:0px; overflow:hidden; }</style>"),
        QStringLiteral("<style type=\"text/css\">A { text-decoration: NONE; color:#0000FF} A:hover "
                       "{font-weight: bold;color:#FF0000}</style>"),
        QStringLiteral("<body bgcolor=\"#C0C0FF\">"),
        QStringLiteral("<p align=\"center\"><font color=\"#FF0000\" size=\"4\">"),
    };
    for (std::size_t first = 0; first < std::size(kLinks); first += kLinksPerRow) {
        QString row;
        for (std::size_t i = first; i < first + kLinksPerRow; ++i)
            row += anchor(kLinks[i]);
        lines << rowStart << row;
    }
    lines << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return lines;
}

} // namespace promo
