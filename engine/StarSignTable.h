// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve Western star signs as inclusive month-day ranges; Capricorn spans the turn of the
// year and so has a December and a January range with the same texts.

#include <array>
#include <string_view>

namespace engine {

struct StarSignRange {
    int fromMonth, fromDay;
    int toMonth, toDay;
    std::u16string_view name;        // two characters, e.g. 白羊
    std::u16string_view description; // polarity, element and ruling planet
};

inline constexpr std::array<StarSignRange, 13> StarSignTable = {{
    {3, 21, 4, 19, u"白羊", u"阳性、火象星座，守护行星：火星"},
    {4, 20, 5, 20, u"金牛", u"阴性、地象星座，守护行星：金星"},
    {5, 21, 6, 21, u"双子", u"阳性、风象星座，守护行星：水星"},
    {6, 22, 7, 22, u"巨蟹", u"阴性、水象星座守护行星：月亮"},
    {7, 23, 8, 22, u"狮子", u"阳性、火象星座，守护行星：太阳"},
    {8, 23, 9, 22, u"处女", u"阴性、土象星座，守护行星：水星"},
    {9, 23, 10, 23, u"天秤", u"阳性、风象星座，守护行星：金星"},
    {10, 24, 11, 21, u"天蝎", u"阴性、水象星座，守护行星：冥王星(传统上为火星)"},
    {11, 22, 12, 21, u"射手", u"阳性、火象星座，守护行星：木星"},
    {12, 22, 12, 31, u"摩羯", u"阴性、土象星座，守护行星：土星"},
    {1, 1, 1, 19, u"摩羯", u"阴性、土象星座，守护行星：土星"},
    {1, 20, 2, 18, u"水瓶", u"阳性、风象星座,守护行星：天王星(传统上为土星)"},
    {2, 19, 3, 20, u"双鱼", u"阴性、水象星座，守护行星：海王星"},
}};

} // namespace engine
