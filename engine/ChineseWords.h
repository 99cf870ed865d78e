// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Characters of Chinese numerals, lunar day names, weekday names and era names.

#include <array>
#include <string_view>

namespace engine {

// The second character of a lunar day name (index = day mod 10) and, for 1..9, the digits.
inline constexpr std::array<std::u16string_view, 11> DigitNames = {
    u"日", u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十",
};

// The first character of a lunar day name, by day / 10; 40..49 begin with a full-width space.
inline constexpr std::array<std::u16string_view, 5> DayPrefixes = {u"初", u"十", u"廿", u"卅", u"\u3000"};

// Digits of UpNumber, 0..9.
inline constexpr std::array<std::u16string_view, 10> NumeralDigits = {
    u"零", u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九",
};

inline constexpr std::array<std::u16string_view, 7> WeekdayNames = {
    u"星期日", u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六",
};

} // namespace engine
