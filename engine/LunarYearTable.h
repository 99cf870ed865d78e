// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lunar years 1900..2049: month lengths and leap months, and the day each year begins.
// Lunar year 1900 begins on 1900-01-31 (day number 32); lunar 2049 ends on 2050-01-22.

#include "engine/CalendarRange.h"

#include <array>
#include <bit>
#include <cstdint>

namespace engine {

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2049;
// The tables have one slot more, for 2050, which holds no year (entry 0, length 0).
inline constexpr int kLunarYearSlots = kLastLunarYear - kFirstLunarYear + 2;

// One entry per lunar year:
//   bits 0-3   the month that the year repeats (its leap month), 1..12; 0 for none;
//   bits 4-15  the ordinary months: month m has 30 days when bit (16 - m) is set, else 29;
//   bit 16     the leap month has 30 days when set, else 29;
//   bit 20     set in every entry, carries nothing.
// 1933, 1954, 1956, 1978, 1996 and 2033 follow the astronomical calendar (and the Hong Kong
// Observatory's tables); 2033 repeats its eleventh month.
inline constexpr std::array<std::uint32_t, kLunarYearSlots> LunarYearData = {
    0x104BD8, 0x104AE0, 0x10A570, 0x1054D5, 0x10D260,
    0x10D950, 0x116554, 0x1056A0, 0x109AD0, 0x1055D2, // 1900
    0x104AE0, 0x10A5B6, 0x10A4D0, 0x10D250, 0x11D255,
    0x10B540, 0x10D6A0, 0x10ADA2, 0x1095B0, 0x114977, // 1910
    0x104970, 0x10A4B0, 0x10B4B5, 0x106A50, 0x106D40,
    0x11AB54, 0x102B60, 0x109570, 0x1052F2, 0x104970, // 1920
    0x106566, 0x10D4A0, 0x10EA50, 0x116A95, 0x105AD0,
    0x102B60, 0x1186E3, 0x1092E0, 0x11C8D7, 0x10C950, // 1930
    0x10D4A0, 0x11D8A6, 0x10B550, 0x1056A0, 0x11A5B4,
    0x1025D0, 0x1092D0, 0x10D2B2, 0x10A950, 0x10B557, // 1940
    0x106CA0, 0x10B550, 0x115355, 0x104DA0, 0x10A5B0,
    0x114573, 0x1052B0, 0x10A9A8, 0x10E950, 0x106AA0, // 1950
    0x10AEA6, 0x10AB50, 0x104B60, 0x10AAE4, 0x10A570,
    0x105260, 0x10F263, 0x10D950, 0x105B57, 0x1056A0, // 1960
    0x1096D0, 0x104DD5, 0x104AD0, 0x10A4D0, 0x10D4D4,
    0x10D250, 0x10D558, 0x10B540, 0x10B6A0, 0x1195A6, // 1970
    0x1095B0, 0x1049B0, 0x10A974, 0x10A4B0, 0x10B27A,
    0x106A50, 0x106D40, 0x10AF46, 0x10AB60, 0x109570, // 1980
    0x104AF5, 0x104970, 0x1064B0, 0x1074A3, 0x10EA50,
    0x106B58, 0x105AC0, 0x10AB60, 0x1096D5, 0x1092E0, // 1990
    0x10C960, 0x10D954, 0x10D4A0, 0x10DA50, 0x107552,
    0x1056A0, 0x10ABB7, 0x1025D0, 0x1092D0, 0x10CAB5, // 2000
    0x10A950, 0x10B4A0, 0x10BAA4, 0x10AD50, 0x1055D9,
    0x104BA0, 0x10A5B0, 0x115176, 0x1052B0, 0x10A930, // 2010
    0x107954, 0x106AA0, 0x10AD50, 0x105B52, 0x104B60,
    0x10A6E6, 0x10A4E0, 0x10D260, 0x10EA65, 0x10D530, // 2020
    0x105AA0, 0x1076A3, 0x1096D0, 0x104AFB, 0x104AD0,
    0x10A4D0, 0x11D0B6, 0x10D250, 0x10D520, 0x10DD45, // 2030
    0x10B5A0, 0x1056D0, 0x1055B2, 0x1049B0, 0x10A577,
    0x10A4B0, 0x10AA50, 0x11B255, 0x106D20, 0x10ADA0, // 2040
    0,                                                // 2050
};

namespace detail {
constexpr int yearLength(std::uint32_t entry) {
    if (entry == 0)
        return 0;
    const int leapMonth = static_cast<int>(entry & 0xF);
    const int leapDays = leapMonth == 0 ? 0 : 29 + static_cast<int>((entry >> 16) & 1);
    return 348 + std::popcount(entry & 0xFFF0u) + leapDays;
}
} // namespace detail

// Days of each lunar year, read by the year scan instead of counting month bits every time.
inline constexpr std::array<int, kLunarYearSlots> LunarYearLength = [] {
    std::array<int, kLunarYearSlots> lengths{};
    for (int i = 0; i < kLunarYearSlots; ++i)
        lengths[i] = detail::yearLength(LunarYearData[i]);
    return lengths;
}();

// The day number of each lunar New Year's Day; the slot after 2049 holds the day after the range.
inline constexpr std::array<core::DayNumber, kLunarYearSlots> LunarYearStart = [] {
    std::array<core::DayNumber, kLunarYearSlots> starts{};
    starts[0] = kFirstDay;
    for (int i = 1; i < kLunarYearSlots; ++i)
        starts[i] = starts[i - 1] + LunarYearLength[i - 1];
    return starts;
}();

static_assert(LunarYearStart[0] == 32);
static_assert(LunarYearStart[kLunarYearSlots - 1] == kLastDay + 1);
static_assert([] {
    for (int i = 0; i < kLunarYearSlots - 1; ++i)
        if (LunarYearLength[i] < 353 || LunarYearLength[i] > 385 || (LunarYearData[i] & ~0x11FFFFu) != 0 ||
            (LunarYearData[i] & 0x100000u) == 0)
            return false;
    return true;
}());

} // namespace engine
