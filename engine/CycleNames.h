// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sexagenary cycle of years: ten heavenly stems, twelve earthly branches and the twelve
// zodiac animals that go with the branches.

#include <array>
#include <string_view>

namespace engine {

inline constexpr std::array<std::u16string_view, 10> StemNames = {
    u"甲", u"乙", u"丙", u"丁", u"戊", u"己", u"庚", u"辛", u"壬", u"癸",
};

inline constexpr std::array<std::u16string_view, 12> BranchNames = {
    u"子", u"丑", u"寅", u"卯", u"辰", u"巳", u"午", u"未", u"申", u"酉", u"戌", u"亥",
};

inline constexpr std::array<std::u16string_view, 12> AnimalNames = {
    u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡", u"狗", u"猪",
};

// 1864 is a 甲子 year, the first of a cycle; 1900 is a year of the rat.
inline constexpr int kCycleStartYear = 1864;
inline constexpr int kRatYear = 1900;

} // namespace engine
