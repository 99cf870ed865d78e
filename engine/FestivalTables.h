// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The festivals: on a fixed solar date, on a fixed lunar date, and on the n-th given weekday of
// a solar month. Records keep their order; where two share a date the earlier one is found.
// A name that holds several festivals separates them by one space.

#include <array>
#include <string_view>

namespace engine {

struct HolidayRecord {
    int Month;
    int Day;  // day of month; in the weekday table, which occurrence of the weekday (1 = first)
    int Flag; // solar table: 1 = day off; weekday table: the weekday, 1 (Sunday) .. 7 (Saturday)
    std::u16string_view Name;
};

inline constexpr std::array<HolidayRecord, 66> sHolidayTable = {{
    {1, 1, 1, u"元旦"},
    {2, 2, 0, u"世界湿地日"},
    {2, 14, 0, u"情人节"},
    {2, 10, 0, u"国际气象节"},
    {3, 1, 0, u"国际海豹日"},
    {3, 5, 0, u"学雷锋纪念日"},
    {3, 8, 0, u"妇女节"},
    {3, 12, 0, u"植树节 孙中山逝世纪念日"},
    {3, 14, 0, u"国际警察日"},
    {3, 15, 0, u"消费者权益日"},
    {3, 17, 0, u"中国国医节 国际航海日"},
    {3, 21, 0, u"世界森林日 消除种族歧视国际日 世界儿歌日"},
    {3, 22, 0, u"世界水日"},
    {3, 24, 0, u"世界防治结核病日"},
    {4, 1, 0, u"愚人节"},
    {4, 28, 0, u"08'胶济铁路火车相撞"},
    {4, 7, 0, u"世界卫生日"},
    {4, 22, 0, u"世界地球日"},
    {5, 1, 1, u"劳动节"},
    {5, 4, 0, u"青年节"},
    {5, 12, 0, u"08'汶川地震 护士节"},
    {5, 31, 0, u"世界无烟日"},
    {5, 8, 0, u"世界红十字日"},
    {5, 12, 0, u"国际护士节"},
    {6, 1, 0, u"儿童节"},
    {6, 5, 0, u"世界环境保护日"},
    {6, 26, 0, u"国际禁毒日"},
    {7, 1, 0, u"建党节 香港回归纪念 世界建筑日"},
    {7, 11, 0, u"世界人口日"},
    {8, 1, 0, u"建军节"},
    {8, 8, 0, u"中国男子节 父亲节"},
    {8, 15, 0, u"抗日战争胜利纪念"},
    {9, 9, 0, u"毛泽东逝世纪念"},
    {9, 10, 0, u"教师节"},
    {9, 18, 0, u"九·一八事变纪念日"},
    {9, 28, 0, u"孔子诞辰"},
    {9, 20, 0, u"国际爱牙日"},
    {9, 27, 0, u"世界旅游日"},
    {10, 1, 0, u"国庆节 国际音乐日"},
    {10, 2, 1, u"国庆节假日"},
    {10, 3, 1, u"国庆节假日"},
    {10, 6, 0, u"老人节"},
    {10, 24, 0, u"联合国日"},
    {11, 12, 0, u"孙中山诞辰纪念"},
    {11, 3, 0, u"本软件作者生日"},
    {11, 1, 0, u"国际旅游电影节"},
    {11, 8, 0, u"中国记者日"},
    {11, 10, 0, u"世界青年日"},
    {11, 14, 0, u"世界糖尿病日"},
    {11, 17, 0, u"世界学生节"},
    {12, 1, 0, u"世界艾滋病日"},
    {12, 3, 0, u"世界残疾人日"},
    {12, 20, 0, u"澳门回归纪念"},
    {12, 24, 0, u"平安夜"},
    {12, 25, 0, u"圣诞节"},
    {12, 26, 0, u"毛泽东诞辰纪念"},
    {12, 9, 0, u"世界足球日"},
    {12, 10, 0, u"世界人权日"},
    {12, 13, 0, u"南京大屠杀纪念日"},
    {9, 3, 0, u"抗日战争胜利日"},
    {9, 17, 0, u"国际和平日"},
    {9, 20, 0, u"全国爱牙日"},
    {10, 8, 0, u"全国高血压日"},
    {10, 15, 0, u"国际盲人节(白手杖日)"},
    {10, 16, 0, u"世界粮食日"},
    {10, 31, 0, u"万圣节"},
}};

// Festivals of the ordinary lunar months; the days of a leap month carry none of them.
inline constexpr std::array<HolidayRecord, 9> lHolidayTable = {{
    {1, 1, 0, u"春节"},
    {1, 15, 0, u"元宵节"},
    {5, 5, 0, u"端午节"},
    {7, 7, 0, u"七夕情人节"},
    {7, 15, 0, u"中元节 盂兰盆节"},
    {8, 15, 0, u"中秋节"},
    {9, 9, 0, u"重阳节"},
    {12, 8, 0, u"腊八节"},
    {12, 24, 0, u"小年"},
}};

// The last day of a lunar year, found by asking whether the next day begins a new one.
inline constexpr std::u16string_view kNewYearsEve = u"除夕";

inline constexpr std::array<HolidayRecord, 8> wHolidayTable = {{
    {5, 2, 1, u"国际母亲节"},
    {5, 3, 1, u"全国助残日"},
    {6, 3, 1, u"父亲节"},
    {9, 3, 3, u"国际和平日"},
    {9, 4, 1, u"国际聋人节"},
    {10, 1, 2, u"国际住房日"},
    {10, 1, 4, u"国际减轻自然灾害日"},
    {11, 4, 5, u"感恩节"},
}};

} // namespace engine
