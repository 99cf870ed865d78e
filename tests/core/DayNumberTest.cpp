// Day numbers, weekdays and month lengths of the calendar arithmetic.

#include "core/DayNumber.h"

#include <gtest/gtest.h>

using namespace core;

TEST(DayNumber, KnownDays) {
    EXPECT_EQ(dayNumber(1899, 12, 30), 0);
    EXPECT_EQ(dayNumber(1900, 1, 30), 31);
    EXPECT_EQ(dayNumber(1900, 1, 31), 32);
    EXPECT_EQ(dayNumber(1970, 1, 1), 25569);
    EXPECT_EQ(dayNumber(2000, 2, 29), 36585);
    EXPECT_EQ(civilDate(0), (CivilDate{1899, 12, 30}));
    EXPECT_EQ(civilDate(-1), (CivilDate{1899, 12, 29}));
    EXPECT_EQ(civilDate(36585), (CivilDate{2000, 2, 29}));
}

TEST(DayNumber, MonthAndDayRollOver) {
    EXPECT_EQ(civilDate(dayNumber(2009, 13, 1)), (CivilDate{2010, 1, 1}));
    EXPECT_EQ(civilDate(dayNumber(2009, 3, 0)), (CivilDate{2009, 2, 28}));
    EXPECT_EQ(civilDate(dayNumber(2008, 3, 0)), (CivilDate{2008, 2, 29}));
    EXPECT_EQ(civilDate(dayNumber(2009, 0, 1)), (CivilDate{2008, 12, 1}));
    EXPECT_EQ(civilDate(dayNumber(2009, -11, 1)), (CivilDate{2008, 1, 1}));
    EXPECT_EQ(civilDate(dayNumber(2009, 2, 31)), (CivilDate{2009, 3, 3}));
    EXPECT_EQ(civilDate(dayNumber(2009, 1, -31)), (CivilDate{2008, 11, 30}));
}

TEST(DayNumber, WeekdaysCountFromSunday) {
    EXPECT_EQ(weekday(dayNumber(2009, 1, 25)), 1);
    EXPECT_EQ(weekday(dayNumber(2009, 1, 31)), 7);
    EXPECT_EQ(weekday(0), 7); // 1899-12-30 was a Saturday
    EXPECT_EQ(weekday(-1), 6);
    EXPECT_EQ(weekday(dayNumber(1900, 1, 31)), 4);
}

TEST(DayNumber, MonthLengths) {
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2012, 2), 29);
    EXPECT_EQ(daysInMonth(2013, 2), 28);
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_FALSE(isValidDate(2000, 2, 30));
    EXPECT_FALSE(isValidDate(2000, 13, 1));
    EXPECT_FALSE(isValidDate(2000, 4, 0));
    EXPECT_EQ(daysInMonth(2048, 2), 29);
    EXPECT_EQ(daysInMonth(2013, 4), 30);
    EXPECT_EQ(daysInMonth(2013, 12), 31);
    EXPECT_EQ(daysInMonth(2013, 13), 0);
    EXPECT_EQ(daysInMonth(2013, 0), 0);
}

// Every day from 1800 to 2200: the number goes up by one, the weekday turns by one, the day
// converts back to itself, and the calendar date advances by exactly one day.
TEST(DayNumber, WalkFourCenturies) {
    const DayNumber first = dayNumber(1800, 1, 1);
    const DayNumber last = dayNumber(2200, 12, 31);
    CivilDate previous = civilDate(first - 1);
    for (DayNumber day = first; day <= last; ++day) {
        const CivilDate date = civilDate(day);
        ASSERT_EQ(dayNumber(date), day);
        ASSERT_EQ(weekday(day), weekday(day - 1) % 7 + 1);
        const bool nextInMonth =
            date.year == previous.year && date.month == previous.month && date.day == previous.day + 1;
        const bool firstOfMonth = date.day == 1 &&
                                  previous.day == daysInMonth(previous.year, previous.month) &&
                                  (date.month == previous.month % 12 + 1) &&
                                  date.year == previous.year + (previous.month == 12 ? 1 : 0);
        ASSERT_TRUE(nextInMonth || firstOfMonth) << date.year << "-" << date.month << "-" << date.day;
        previous = date;
    }
}
