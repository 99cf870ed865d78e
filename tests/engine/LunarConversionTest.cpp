// Solar to lunar and back: known days, the range's ends, and a walk over every day of the range.

#include "engine/clsDate.h"
#include "platform/Clock.h"
#include "tests/engine/TestDate.h"
#include "tests/fakes/FixedClock.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

struct LunarCase {
    const char* solar;
    int lYear, lMonth, lDay;
    bool leap;
};

const LunarCase kKnownDays[] = {{"1900-01-31", 1900, 1, 1, false},  {"2050-01-22", 2049, 12, 29, false},
                                {"2009-01-26", 2009, 1, 1, false},  {"2009-01-25", 2008, 12, 30, false},
                                {"2009-05-24", 2009, 5, 1, false},  {"2009-06-23", 2009, 5, 1, true},
                                {"2009-07-21", 2009, 5, 29, true},  {"2009-07-22", 2009, 6, 1, false},
                                {"2020-05-23", 2020, 4, 1, true},   {"2020-06-21", 2020, 5, 1, false},
                                {"1933-07-22", 1933, 5, 30, true},  {"2033-12-22", 2033, 11, 1, true},
                                {"2034-02-19", 2034, 1, 1, false},  {"1954-11-24", 1954, 10, 29, false},
                                {"1954-11-25", 1954, 11, 1, false}, {"1956-10-04", 1956, 9, 1, false},
                                {"1978-08-04", 1978, 7, 1, false},  {"1996-11-11", 1996, 10, 1, false},
                                {"2000-02-05", 2000, 1, 1, false}};

} // namespace

TEST(LunarConversion, KnownDays) {
    for (const LunarCase& c : kKnownDays) {
        SCOPED_TRACE(c.solar);
        const clsDate date = solarDay(c.solar);
        EXPECT_EQ(date.lYear(), c.lYear);
        EXPECT_EQ(date.lMonth(), c.lMonth);
        EXPECT_EQ(date.lDay(), c.lDay);
        EXPECT_EQ(date.IsLeap(), c.leap);
        clsDate back;
        back.lInitDate(c.lYear, c.lMonth, c.lDay, c.leap);
        EXPECT_EQ(solarOf(back), c.solar);
    }
}

TEST(LunarConversion, LeapFlagOnlyCountsForTheRepeatedMonth) {
    clsDate date;
    date.lInitDate(2009, 5, 1, true);
    EXPECT_EQ(solarOf(date), "2009-06-23");
    EXPECT_TRUE(date.IsLeap());
    date.lInitDate(2009, 5, 1);
    EXPECT_EQ(solarOf(date), "2009-05-24");
    date.lInitDate(2009, 5, 1, false);
    EXPECT_EQ(solarOf(date), "2009-05-24");
    date.lInitDate(2009, 6, 1);
    EXPECT_EQ(solarOf(date), "2009-07-22");
    date.lInitDate(2009, 6, 1, true); // 2009 does not repeat month 6
    EXPECT_EQ(solarOf(date), "2009-07-22");
    EXPECT_FALSE(date.IsLeap());
    date.lInitDate(2008, 3, 1, true); // 2008 repeats no month at all
    EXPECT_FALSE(date.IsLeap());
}

TEST(LunarConversion, RangeEnds) {
    clsDate date;
    date.lInitDate(1900, 1, 1);
    EXPECT_EQ(solarOf(date), "1900-01-31");
    date.lInitDate(2049, 12, 30); // not checked against the 29-day month
    EXPECT_EQ(solarOf(date), "2050-01-23");
    date.sInitDate(2050, 1, 23); // the day after the range still names the next lunar year
    EXPECT_EQ(date.lYear(), 2050);
    EXPECT_EQ(date.lMonth(), 1);
    EXPECT_EQ(date.lDay(), 1);
}

TEST(LunarConversion, SolarFieldsKeepTheValuesGiven) {
    clsDate date;
    date.sInitDate(2009, 13, 1); // rolls over to 2010-01-01 for the lunar date
    EXPECT_EQ(date.sYear(), 2009);
    EXPECT_EQ(date.sMonth(), 13);
    EXPECT_EQ(date.sDay(), 1);
    EXPECT_EQ(isoDate(date.SolarDate()), "2010-01-01");
    EXPECT_EQ(date.lYear(), 2009);
    EXPECT_EQ(date.lMonth(), 11);
    EXPECT_EQ(date.lDay(), 17);
}

TEST(LunarConversion, WeekdayAndToday) {
    EXPECT_EQ(solarDay("2009-01-25").sWeekDay(), 1);
    EXPECT_EQ(solarDay("2009-01-26").sWeekDay(), 2);
    EXPECT_EQ(solarDay("2009-01-31").sWeekDay(), 7);

    fakes::FixedClock clock({2012, 9, 12});
    clsDate date(clock);
    date.sInitDate(1990, 1, 1); // IsToday ignores the object's own date
    EXPECT_TRUE(date.IsToday(2012, 9, 12));
    EXPECT_FALSE(date.IsToday(1990, 1, 1));
    EXPECT_FALSE(date.IsToday(2012, 9, 13));
    clock.set({2013, 1, 1});
    EXPECT_TRUE(date.IsToday(2013, 1, 1)); // read afresh at every call
}

// Every solar day of the range: sInitDate then lInitDate gives the day back; lunar days count
// up by one or start again at 1 after a 29th or 30th; months follow each other in order with at
// most one leap month a year, right after its ordinary month; reading festivals moves nothing.
TEST(LunarConversion, WalkEveryDayOfTheRange) {
    const core::DayNumber first = core::dayNumber(1900, 1, 31);
    const core::DayNumber last = core::dayNumber(2050, 1, 22);
    std::map<int, std::set<int>> leapMonthsByYear;
    clsDate previous;
    clsDate date;
    int days = 0;
    for (core::DayNumber day = first; day <= last; ++day, ++days) {
        const core::CivilDate civil = core::civilDate(day);
        date.sInitDate(civil.year, civil.month, civil.day);
        ASSERT_EQ(date.SolarDate(), day);

        clsDate back;
        back.lInitDate(date.lYear(), date.lMonth(), date.lDay(), date.IsLeap());
        ASSERT_EQ(back.SolarDate(), day) << isoDate(day);
        ASSERT_EQ(back.IsLeap(), date.IsLeap()) << isoDate(day);

        if (date.IsLeap())
            leapMonthsByYear[date.lYear()].insert(date.lMonth());

        if (day == first) {
            ASSERT_EQ(date.lDay(), 1);
        } else if (date.lDay() == 1) {
            ASSERT_TRUE(previous.lDay() == 29 || previous.lDay() == 30) << isoDate(day);
            const bool sameMonthRepeated =
                !previous.IsLeap() && date.IsLeap() && date.lMonth() == previous.lMonth();
            const bool nextMonth = !date.IsLeap() && date.lMonth() == previous.lMonth() % 12 + 1;
            ASSERT_TRUE(sameMonthRepeated || nextMonth) << isoDate(day);
            ASSERT_EQ(date.lYear(), previous.lYear() + (date.lMonth() == 1 && !date.IsLeap() ? 1 : 0))
                << isoDate(day);
        } else {
            ASSERT_EQ(date.lDay(), previous.lDay() + 1) << isoDate(day);
            ASSERT_EQ(date.lMonth(), previous.lMonth());
            ASSERT_EQ(date.IsLeap(), previous.IsLeap());
            ASSERT_EQ(date.lYear(), previous.lYear());
        }

        const clsDate before = date;
        (void)date.lHoliday();
        ASSERT_EQ(date.SolarDate(), before.SolarDate());
        ASSERT_EQ(date.lDay(), before.lDay());
        ASSERT_EQ(date.lMonth(), before.lMonth());
        ASSERT_EQ(date.lYear(), before.lYear());
        ASSERT_EQ(date.IsLeap(), before.IsLeap());
        ASSERT_EQ(date.sDay(), before.sDay());
        previous = date;
    }
    EXPECT_EQ(days, 54779);
    for (const auto& [year, months] : leapMonthsByYear)
        EXPECT_EQ(months.size(), 1u) << year;
}
