// Chinese numerals, lunar day and weekday names, eras and star signs.

#include "engine/WeekdayName.h"
#include "tests/engine/TestDate.h"

#include <gtest/gtest.h>

TEST(Words, LunarDayNames) {
    const clsDate date;
    const std::pair<int, const char*> cases[] = {
        {1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"},     {15, "十五"},         {19, "十九"},
        {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"},     {31, "卅一"},         {40, "\u3000日"},
        {0, ""},      {-1, ""},     {50, ""},     {2147483647, ""}, {-2147483647 - 1, ""}};
    for (const auto& [day, name] : cases)
        EXPECT_EQ(date.CDayStr(day), QString::fromUtf8(name)) << day;
}

TEST(Words, WeekdayNames) {
    EXPECT_EQ(solarDay("2009-01-25").sWeekDayStr(), QStringLiteral("星期日"));
    EXPECT_EQ(solarDay("2009-01-26").sWeekDayStr(), QStringLiteral("星期一"));
    EXPECT_EQ(solarDay("2009-01-31").sWeekDayStr(), QStringLiteral("星期六"));
    EXPECT_EQ(engine::weekdayName(1), QStringLiteral("星期日"));
    EXPECT_EQ(engine::weekdayName(2), QStringLiteral("星期一"));
    EXPECT_EQ(engine::weekdayName(7), QStringLiteral("星期六"));
    EXPECT_TRUE(engine::weekdayName(0).isEmpty());
}

TEST(Words, ChineseNumerals) {
    const clsDate date;
    const std::pair<const char*, const char*> cases[] = {
        {"1", "一"},
        {"10", "一十"},
        {"11", "一十一"},
        {"26", "二十六"},
        {"100", "一百"},
        {"101", "一百零一"},
        {"110", "一百一十"},
        {"1001", "一千零一"},
        {"10000", "一万"},
        {"100001", "一十万零一"},
        {"123456789", "一亿二千三百四十五万六千七百八十九"},
        {"100000000", "一亿"},
        {"100000001", "一亿零一"},
        {"100010000", "一亿零一万"},
        {" 35 ", "三十五"},
        {"0", ""},
        {"", ""},
        {"   ", ""},
        {"1x", "一十"}, // a character that is not a digit reads as zero
        {"1234567890", "一二亿三千四百五十六万七千八百九十"}};
    for (const auto& [digits, numeral] : cases)
        EXPECT_EQ(date.UpNumber(QString::fromUtf8(digits)), QString::fromUtf8(numeral)) << digits;
}

TEST(Words, Eras) {
    const clsDate date;
    const std::pair<int, const char*> cases[] = {{1873, "未知"},
                                                 {1874, "清朝同治十三年"},
                                                 {1875, "清朝光绪元年"},
                                                 {1876, "清朝光绪二年"},
                                                 {1900, "清朝光绪二十六年"},
                                                 {1908, "清朝光绪三十四年"},
                                                 {1909, "清朝宣统元年"},
                                                 {1910, "清朝宣统二年"},
                                                 {1911, "清朝宣统三年"},
                                                 {1912, "中华民国元年"},
                                                 {1913, "中华民国二年"},
                                                 {1948, "中华民国三十七年"},
                                                 {1949, "中华人民共和国成立了"},
                                                 {1959, "中华人民共和国成立一十周年"},
                                                 {1999, "中华人民共和国成立五十周年"},
                                                 {2000, "千禧年"},
                                                 {2009, "中华人民共和国成立六十周年"},
                                                 {2049, "中华人民共和国成立一百周年"},
                                                 {-2147483647 - 1, "未知"}};
    for (const auto& [year, era] : cases)
        EXPECT_EQ(date.Era(year), QString::fromUtf8(era)) << year;
}

TEST(Words, StarSigns) {
    const clsDate date;
    struct SignCase {
        int m, d;
        const char* name;
    };
    const SignCase cases[] = {{3, 20, "双鱼"},
                              {3, 21, "白羊"},
                              {4, 19, "白羊"},
                              {4, 20, "金牛"},
                              {5, 21, "双子"},
                              {6, 22, "巨蟹"},
                              {7, 23, "狮子"},
                              {8, 23, "处女"},
                              {9, 22, "处女"},
                              {9, 23, "天秤"},
                              {10, 23, "天秤"},
                              {10, 24, "天蝎"},
                              {11, 21, "天蝎"},
                              {11, 22, "射手"},
                              {12, 21, "射手"},
                              {12, 22, "摩羯"},
                              {12, 31, "摩羯"},
                              {1, 1, "摩羯"},
                              {1, 19, "摩羯"},
                              {1, 20, "水瓶"},
                              {2, 18, "水瓶"},
                              {2, 19, "双鱼"},
                              {2, 29, "双鱼"},
                              // No date, no sign.
                              {2, 30, ""},
                              {13, 1, ""},
                              {0, 1, ""},
                              {4, 31, ""},
                              {1, 0, ""},
                              {-1, -1, ""}};
    for (const SignCase& c : cases)
        EXPECT_EQ(date.Constellation(c.m, c.d), QString::fromUtf8(c.name)) << c.m << "-" << c.d;

    EXPECT_EQ(date.Constellation2(12, 22), date.Constellation2(1, 19));
    EXPECT_EQ(date.Constellation2(12, 22), QStringLiteral("阴性、土象星座，守护行星：土星"));
    EXPECT_EQ(date.Constellation2(6, 22), QStringLiteral("阴性、水象星座守护行星：月亮"));
    EXPECT_EQ(date.Constellation2(2, 1), QStringLiteral("阳性、风象星座,守护行星：天王星(传统上为土星)"));
    EXPECT_EQ(date.Constellation2(2, 30), QString());

    // Every day of the leap year has exactly one sign.
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= core::daysInMonth(2000, m); ++d)
            EXPECT_EQ(date.Constellation(m, d).size(), 2) << m << "-" << d;
}
