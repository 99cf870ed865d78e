// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers, weekdays and month lengths of the calendar arithmetic.

#include "core/DayNumber.h"

#include <gtest/gtest.h>

using namespace core;

// Known days, and months and days outside their range rolling over as a date serial does.
TEST(DayNumber, KnownDaysAndRollOver) {
    const struct {
        int year, month, day;
        DayNumber number;
        CivilDate date;
        int weekday;
    } cases[] = {
        {1899, 12, 30, 0, {1899, 12, 30}, 7},   {1899, 12, 29, -1, {1899, 12, 29}, 6},
        {1900, 1, 31, 32, {1900, 1, 31}, 4},    {1970, 1, 1, 25569, {1970, 1, 1}, 5},
        {2000, 2, 29, 36585, {2000, 2, 29}, 3}, {2009, 13, 1, 40179, {2010, 1, 1}, 6},
        {2009, 3, 0, 39872, {2009, 2, 28}, 7},  {2008, 3, 0, 39507, {2008, 2, 29}, 6},
        {2009, 0, 1, 39783, {2008, 12, 1}, 2},  {2009, -11, 1, 39448, {2008, 1, 1}, 3},
        {2009, 2, 31, 39875, {2009, 3, 3}, 3},  {2009, 1, -31, 39782, {2008, 11, 30}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(dayNumber(c.year, c.month, c.day), c.number);
        EXPECT_TRUE(civilDate(c.number) == c.date);
        EXPECT_EQ(weekday(c.number), c.weekday);
    }
}

// Within 1..12 the walk below holds the month lengths to the day numbers.
TEST(DayNumber, MonthLengthsAndValidDates) {
    EXPECT_EQ(daysInMonth(2013, 13), 0);
    EXPECT_EQ(daysInMonth(2013, 0), 0);
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_FALSE(isValidDate(2000, 2, 30) || isValidDate(1900, 2, 29) || isValidDate(2000, 13, 1) ||
                 isValidDate(2000, 4, 0));
}

// Every day from 1800 to 2200: the number goes up by one, the weekday turns by one, the day
// converts back to itself, and the calendar date advances by exactly one day.
TEST(DayNumber, WalkFourCenturies) {
    CivilDate previous = civilDate(dayNumber(1800, 1, 1) - 1);
    for (DayNumber day = dayNumber(1800, 1, 1); day <= dayNumber(2200, 12, 31); ++day) {
        const CivilDate date = civilDate(day);
        ASSERT_EQ(dayNumber(date), day);
        ASSERT_EQ(weekday(day), weekday(day - 1) % 7 + 1);
        const bool nextInMonth =
            date.year == previous.year && date.month == previous.month && date.day == previous.day + 1;
        const bool firstOfMonth = date.day == 1 &&
                                  previous.day == daysInMonth(previous.year, previous.month) &&
                                  date.month == previous.month % 12 + 1 &&
                                  date.year == previous.year + (previous.month == 12 ? 1 : 0);
        ASSERT_TRUE(nextInMonth || firstOfMonth) << date.year << "-" << date.month << "-" << date.day;
        previous = date;
    }
}
