// Solar, lunar and weekday-rule festivals, days off and New Year's Eve.

#include "tests/engine/TestDate.h"

#include <gtest/gtest.h>

namespace {
struct FestivalCase {
    const char* day;
    const char* solar;
    bool recess;
    const char* lunar;
    const char* weekday;
};

const FestivalCase kCases[] = {
    {"2009-01-01", "元旦", true, "", ""},
    {"2009-05-12", "08'汶川地震 护士节", false, "", ""}, // the earlier of two records wins
    {"2009-09-20", "国际爱牙日", false, "", ""},
    {"2009-10-01", "国庆节 国际音乐日", false, "", ""},
    {"2009-10-02", "国庆节假日", true, "", ""},
    {"2009-10-03", "国庆节假日", true, "中秋节", ""},
    {"2009-05-01", "劳动节", true, "", ""},
    {"2009-06-14", "", false, "", ""},
    // New Year's Eve is the day before lunar New Year's Day, in a 30-day and a 29-day 腊月.
    {"2009-01-25", "", false, "除夕", ""},
    {"2009-01-24", "", false, "", ""},
    {"2010-02-13", "", false, "除夕", ""},
    {"2013-02-09", "", false, "除夕", ""}, // 腊月 of lunar 2012 has 29 days
    {"2050-01-22", "", false, "除夕", ""},
    {"2009-01-26", "", false, "春节", ""},
    {"2009-02-09", "", false, "元宵节", ""},
    // Lunar festivals belong to the ordinary months, not to a repeated one.
    {"2009-05-28", "", false, "端午节", ""},
    {"2009-06-27", "", false, "", ""},
    {"2009-01-19", "", false, "小年", ""},
    {"2009-01-03", "", false, "腊八节", ""},
    // Weekday rules count the n-th occurrence of the weekday in the month.
    {"2009-05-10", "", false, "", "国际母亲节"},
    {"2009-05-17", "", false, "", "全国助残日"},
    {"2011-05-08", "世界红十字日", false, "", "国际母亲节"},
    {"2011-05-15", "", false, "", "全国助残日"},
    {"2011-05-22", "", false, "", ""},
    {"2008-11-27", "", false, "", "感恩节"},
    {"2009-11-26", "", false, "", "感恩节"},
    {"2010-11-25", "", false, "", "感恩节"},
    {"2009-06-21", "", false, "", "父亲节"},
    {"2009-10-05", "", false, "", "国际住房日"},
    {"2009-10-07", "", false, "", "国际减轻自然灾害日"},
    {"2009-09-15", "", false, "", "国际和平日"},
    {"2009-09-17", "国际和平日", false, "", ""},
    {"2009-09-27", "世界旅游日", false, "", "国际聋人节"}};
} // namespace

TEST(Festival, KnownDays) {
    for (const FestivalCase& c : kCases) {
        SCOPED_TRACE(c.day);
        const clsDate date = solarDay(c.day);
        EXPECT_EQ(date.sHoliday(), QString::fromUtf8(c.solar));
        EXPECT_EQ(date.sHolidayRecess(), c.recess);
        EXPECT_EQ(date.lHoliday(), QString::fromUtf8(c.lunar));
        EXPECT_EQ(date.wHoliday(), QString::fromUtf8(c.weekday));
    }
}

// Every year of the range has exactly one 母亲节 (second Sunday of May), 父亲节 (third Sunday of
// June) and 感恩节 (fourth Thursday of November), and one 除夕 per lunar year.
TEST(Festival, EveryYearHasItsWeekdayFestivalsAndOneNewYearsEve) {
    clsDate date;
    for (int year = 1901; year <= 2049; ++year) {
        int mothers = 0, fathers = 0, thanksgiving = 0, eves = 0;
        for (core::DayNumber day = core::dayNumber(year, 1, 1); day <= core::dayNumber(year, 12, 31); ++day) {
            const core::CivilDate civil = core::civilDate(day);
            date.sInitDate(civil.year, civil.month, civil.day);
            const QString weekday = date.wHoliday();
            if (weekday == QStringLiteral("国际母亲节")) {
                ++mothers;
                EXPECT_TRUE(civil.day >= 8 && civil.day <= 14 && date.sWeekDay() == 1) << year;
            }
            if (weekday == QStringLiteral("父亲节")) {
                ++fathers;
                EXPECT_TRUE(civil.day >= 15 && civil.day <= 21 && date.sWeekDay() == 1) << year;
            }
            if (weekday == QStringLiteral("感恩节")) {
                ++thanksgiving;
                EXPECT_TRUE(civil.day >= 22 && civil.day <= 28 && date.sWeekDay() == 5) << year;
            }
            if (date.lHoliday() == QStringLiteral("除夕")) {
                ++eves;
                clsDate next;
                next.sInitDate(civil.year, civil.month, civil.day + 1);
                EXPECT_EQ(next.lHoliday(), QStringLiteral("春节")) << year;
            }
        }
        EXPECT_EQ(mothers, 1) << year;
        EXPECT_EQ(fathers, 1) << year;
        EXPECT_EQ(thanksgiving, 1) << year;
        EXPECT_EQ(eves, 1) << year;
    }
}
