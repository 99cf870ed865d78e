// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every web address that the promotion window, its built-in page and the desktop shortcuts use,
// in one table. The shop, mall, lottery and guide addresses are the sites' public pages, without
// affiliate tags; where a site has no stable page for a channel, its search for the channel's
// word stands in (the word is given beside the address).

#include <QLatin1String>

namespace promo::endpoints {

// The program's own site: its home page and the promotion page that the window shows. The name
// is reserved and resolves nowhere until the project has a site, so for now every load of the
// promotion page fails and the built-in page is shown.
inline constexpr QLatin1String kHomePage{"https://kesparo.example/"};
inline constexpr QLatin1String kPromotionPage{"https://kesparo.example/promo/"};

// The online shop.
inline constexpr QLatin1String kShopOnSale{"https://www.taobao.com/"};
inline constexpr QLatin1String kShopSpecialOffers{"https://tejia.taobao.com/"};
inline constexpr QLatin1String kShopBestSellers{"https://top.taobao.com/"};
inline constexpr QLatin1String kShopGroupBuying{"https://ju.taobao.com/"};
inline constexpr QLatin1String kShopAirTickets{"https://www.fliggy.com/"};
inline constexpr QLatin1String kShopTopRatedShops{
    "https://shopsearch.taobao.com/search?q=%E7%9A%87%E5%86%A0%E5%BA%97%E9%93%BA"}; // 皇冠店铺
inline constexpr QLatin1String kShopWomensWear{"https://s.taobao.com/search?q=%E5%A5%B3%E8%A3%85"}; // 女装
inline constexpr QLatin1String kShopAccessories{
    "https://s.taobao.com/search?q=%E9%A5%B0%E5%93%81%E9%9E%8B%E5%8C%85"}; // 饰品鞋包
inline constexpr QLatin1String kShopBeauty{"https://s.taobao.com/search?q=%E7%BE%8E%E5%AE%B9"}; // 美容
inline constexpr QLatin1String kShopFood{"https://s.taobao.com/search?q=%E9%A3%9F%E5%93%81"};   // 食品
inline constexpr QLatin1String kShopHome{"https://s.taobao.com/search?q=%E5%AE%B6%E8%A3%85"};   // 家装
inline constexpr QLatin1String kShopMotherAndBaby{"https://s.taobao.com/search?q=%E6%AF%8D%E5%A9%B4"}; // 母婴
inline constexpr QLatin1String kShopMen{"https://s.taobao.com/search?q=%E7%94%B7%E8%A3%85"};        // 男装
inline constexpr QLatin1String kShopDigital{"https://s.taobao.com/search?q=%E6%95%B0%E7%A0%81"};    // 数码
inline constexpr QLatin1String kShopFlashSales{"https://s.taobao.com/search?q=%E7%A7%92%E6%9D%80"}; // 秒杀
inline constexpr QLatin1String kShopDailyDeals{
    "https://s.taobao.com/search?q=%E5%A4%A9%E5%A4%A9%E7%89%B9%E4%BB%B7"}; // 天天特价

// The online mall and the lottery site.
inline constexpr QLatin1String kMallNewArrivals{"https://www.tmall.com/"};
inline constexpr QLatin1String kLottery{"https://www.500.com/"};

// The shopping-guide service.
inline constexpr QLatin1String kGuideMallDirectory{"https://www.smzdm.com/mall/"};
inline constexpr QLatin1String kGuideDiscounts{"https://www.smzdm.com/youhui/"};
inline constexpr QLatin1String kGuideBargains{"https://www.smzdm.com/jingxuan/"};
inline constexpr QLatin1String kGuideTravel{"https://search.smzdm.com/?s=%E6%97%85%E6%B8%B8"};      // 旅游
inline constexpr QLatin1String kGuideGroupBuying{"https://search.smzdm.com/?s=%E5%9B%A2%E8%B4%AD"}; // 团购
inline constexpr QLatin1String kGuideTimeLimitedSales{
    "https://search.smzdm.com/?s=%E9%99%90%E6%97%B6%E6%8A%A2%E8%B4%AD"}; // 限时抢购

} // namespace promo::endpoints
