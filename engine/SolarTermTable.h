// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 24 solar terms: their names, the rule that places them, and the days on which the rule is
// a day off the astronomical instant.
//
// The rule: the terms of solar year Y fall at fixed offsets (TermMinutes) from the start of the
// term year, which begins at TermBase (1900-01-06 02:05, the 小寒 of 1900) plus Y - 1900 years
// of 525948.76 minutes; the minute count is rounded to the nearest whole minute. That mean year
// drifts against the true one, so on 113 days of 1900..2049 the rule names the wrong day;
// SolarTermCorrections puts those terms on the day of their instant in Beijing time (UTC+8).

#include "core/DayNumber.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

inline constexpr std::array<std::u16string_view, 24> TermNames = {
    u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰", u"春分", u"清明", u"谷雨",
    u"立夏", u"小满", u"芒种", u"夏至", u"小暑", u"大暑", u"立秋", u"处暑",
    u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至",
};

// Minutes from the start of the term year to each term, in calendar order from 小寒.
inline constexpr std::array<std::int64_t, 24> TermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758,
};

// TermBase, 1900-01-06 02:05, in minutes from day 0.
inline constexpr std::int64_t kTermBaseMinutes = 7 * 1440 + 2 * 60 + 5;
// The rule's year, 525948.76 minutes, in hundredths of a minute so the arithmetic stays exact.
inline constexpr std::int64_t kTermYearCentiminutes = 52594876;

// The day of term `index` (0..23) of solar year `year` under the rule alone. Exact integer
// arithmetic: the fraction of 525948.76 k is a multiple of 0.04, so rounding never meets a tie.
constexpr core::DayNumber ruleTermDay(std::int64_t year, int index) {
    const std::int64_t centiminutes = kTermYearCentiminutes * (year - 1900) + TermMinutes[index] * 100;
    const std::int64_t minutes = core::floorDiv(centiminutes + 50, 100);
    return static_cast<core::DayNumber>(core::floorDiv(kTermBaseMinutes + minutes, 1440));
}

struct TermCorrection {
    int year;
    int index;
    int month;
    int day; // the day of the term's instant in Beijing time
};

inline constexpr TermCorrection SolarTermCorrections[] = {
    {1909, 1, 1, 21},   // 大寒
    {1911, 8, 5, 7},    // 立夏
    {1912, 0, 1, 7},    // 小寒
    {1912, 18, 10, 9},  // 寒露
    {1917, 9, 5, 21},   // 小满
    {1917, 22, 12, 8},  // 大雪
    {1935, 10, 6, 6},   // 芒种
    {1942, 1, 1, 21},   // 大寒
    {1943, 2, 2, 5},    // 立春
    {1943, 6, 4, 6},    // 清明
    {1945, 0, 1, 6},    // 小寒
    {1947, 23, 12, 23}, // 冬至
    {1950, 7, 4, 20},   // 谷雨
    {1950, 22, 12, 8},  // 大雪
    {1951, 23, 12, 23}, // 冬至
    {1952, 5, 3, 21},   // 春分
    {1955, 13, 7, 23},  // 大暑
    {1956, 3, 2, 20},   // 雨水
    {1957, 20, 11, 8},  // 立冬
    {1958, 12, 7, 7},   // 小暑
    {1958, 15, 8, 23},  // 处暑
    {1960, 16, 9, 7},   // 白露
    {1961, 11, 6, 21},  // 夏至
    {1973, 8, 5, 5},    // 立夏
    {1974, 21, 11, 23}, // 小雪
    {1975, 1, 1, 21},   // 大寒
    {1975, 17, 9, 23},  // 秋分
    {1976, 2, 2, 5},    // 立春
    {1977, 4, 3, 6},    // 惊蛰
    {1977, 14, 8, 7},   // 立秋
    {1978, 0, 1, 6},    // 小寒
    {1978, 21, 11, 23}, // 小雪
    {1979, 9, 5, 21},   // 小满
    {1980, 2, 2, 5},    // 立春
    {1980, 23, 12, 22}, // 冬至
    {1981, 4, 3, 6},    // 惊蛰
    {1982, 0, 1, 6},    // 小寒
    {1983, 22, 12, 8},  // 大雪
    {1984, 13, 7, 22},  // 大暑
    {1984, 23, 12, 22}, // 冬至
    {1985, 5, 3, 21},   // 春分
    {1987, 12, 7, 7},   // 小暑
    {1988, 13, 7, 22},  // 大暑
    {1989, 3, 2, 19},   // 雨水
    {1989, 16, 9, 7},   // 白露
    {1990, 11, 6, 21},  // 夏至
    {1990, 20, 11, 8},  // 立冬
    {1991, 12, 7, 7},   // 小暑
    {1991, 15, 8, 23},  // 处暑
    {1994, 11, 6, 21},  // 夏至
    {1997, 10, 6, 5},   // 芒种
    {2006, 8, 5, 5},    // 立夏
    {2006, 14, 8, 7},   // 立秋
    {2007, 21, 11, 23}, // 小雪
    {2008, 1, 1, 21},   // 大寒
    {2008, 17, 9, 22},  // 秋分
    {2009, 2, 2, 4},    // 立春
    {2010, 4, 3, 6},    // 惊蛰
    {2010, 14, 8, 7},   // 立秋
    {2011, 0, 1, 6},    // 小寒
    {2011, 21, 11, 23}, // 小雪
    {2012, 1, 1, 21},   // 大寒
    {2012, 9, 5, 20},   // 小满
    {2012, 22, 12, 7},  // 大雪
    {2013, 2, 2, 4},    // 立春
    {2013, 13, 7, 22},  // 大暑
    {2013, 23, 12, 22}, // 冬至
    {2014, 4, 3, 6},    // 惊蛰
    {2015, 0, 1, 6},    // 小寒
    {2016, 22, 12, 7},  // 大雪
    {2017, 13, 7, 22},  // 大暑
    {2017, 23, 12, 22}, // 冬至
    {2018, 3, 2, 19},   // 雨水
    {2018, 5, 3, 21},   // 春分
    {2019, 11, 6, 21},  // 夏至
    {2020, 12, 7, 6},   // 小暑
    {2020, 15, 8, 22},  // 处暑
    {2020, 22, 12, 7},  // 大雪
    {2022, 3, 2, 19},   // 雨水
    {2022, 16, 9, 7},   // 白露
    {2023, 11, 6, 21},  // 夏至
    {2023, 19, 10, 24}, // 霜降
    {2023, 20, 11, 8},  // 立冬
    {2024, 15, 8, 22},  // 处暑
    {2026, 10, 6, 5},   // 芒种
    {2030, 10, 6, 5},   // 芒种
    {2035, 8, 5, 5},    // 立夏
    {2035, 14, 8, 7},   // 立秋
    {2037, 1, 1, 20},   // 大寒
    {2039, 14, 8, 7},   // 立秋
    {2040, 0, 1, 6},    // 小寒
    {2040, 18, 10, 8},  // 寒露
    {2040, 21, 11, 22}, // 小雪
    {2041, 1, 1, 20},   // 大寒
    {2041, 9, 5, 20},   // 小满
    {2042, 2, 2, 4},    // 立春
    {2043, 4, 3, 6},    // 惊蛰
    {2043, 14, 8, 7},   // 立秋
    {2044, 0, 1, 6},    // 小寒
    {2044, 21, 11, 22}, // 小雪
    {2045, 1, 1, 20},   // 大寒
    {2045, 7, 4, 19},   // 谷雨
    {2045, 9, 5, 20},   // 小满
    {2045, 22, 12, 7},  // 大雪
    {2046, 2, 2, 4},    // 立春
    {2046, 13, 7, 22},  // 大暑
    {2046, 23, 12, 22}, // 冬至
    {2047, 4, 3, 6},    // 惊蛰
    {2048, 0, 1, 6},    // 小寒
    {2048, 11, 6, 20},  // 夏至
    {2049, 12, 7, 6},   // 小暑
    {2049, 15, 8, 22},  // 处暑
    {2049, 22, 12, 7},  // 大雪
};

inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2050;

// The day of every term of 1900..2050: the rule, corrected where it misses.
inline constexpr auto TermDays = [] {
    std::array<std::array<core::DayNumber, 24>, kLastTermYear - kFirstTermYear + 1> days{};
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year)
        for (int index = 0; index < 24; ++index)
            days[year - kFirstTermYear][index] = ruleTermDay(year, index);
    for (const TermCorrection& c : SolarTermCorrections)
        days[c.year - kFirstTermYear][c.index] = core::dayNumber(c.year, c.month, c.day);
    return days;
}();

// Every correction moves its term by exactly one day, and no two name the same term.
static_assert([] {
    for (const TermCorrection& c : SolarTermCorrections) {
        const int shift = core::dayNumber(c.year, c.month, c.day) - ruleTermDay(c.year, c.index);
        if (shift != 1 && shift != -1)
            return false;
        for (const TermCorrection& other : SolarTermCorrections)
            if (&other != &c && other.year == c.year && other.index == c.index)
                return false;
    }
    return true;
}());

// The day of term `index` of solar year `year`: corrected within 1900..2050, the rule elsewhere.
constexpr core::DayNumber termDay(std::int64_t year, int index) {
    if (year >= kFirstTermYear && year <= kLastTermYear)
        return TermDays[year - kFirstTermYear][index];
    return ruleTermDay(year, index);
}

} // namespace engine
