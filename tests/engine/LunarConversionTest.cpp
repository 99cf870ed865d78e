// SPDX-License-Identifier: GPL-3.0-or-later
// Solar to lunar and back: the range's ends and arguments beyond them, leap months, today, and a walk
// over every day of the range.

#include "tests/engine/TestDate.h"
#include "tests/fakes/PlatformFakes.h"

#include <map>
#include <set>

// The range's ends, arguments beyond them and leap flags, as tests/data/conversion-edges.tsv lists them.
TEST(LunarConversion, EdgeArgumentsInTheTable) {
    for (const QStringList& row : dataRows("conversion-edges.tsv")) {
        clsDate date;
        const int y = row[1].toInt(), m = row[2].toInt(), d = row[3].toInt();
        if (row[0] == u"s")
            date.sInitDate(y, m, d);
        else
            date.lInitDate(y, m, d, row[4] == u"1");
        QStringList read = row.mid(0, 5);
        for (const int value : {date.sYear(), date.sMonth(), date.sDay(), date.sWeekDay(), date.lYear(),
                                date.lMonth(), date.lDay(), int{date.IsLeap()}})
            read << QString::number(value);
        read << isoDate(date.SolarDate());
        for (qsizetype i = 0; i < row.size() && i < read.size(); ++i)
            read[i] = row[i] == u"*" ? row[i] : read[i];
        EXPECT_EQ(read, row);
    }
}

// IsToday asks the clock at every call and ignores the object's own date.
TEST(LunarConversion, IsTodayAsksTheClock) {
    fakes::FixedClock clock({2012, 9, 12});
    clsDate date(clock);
    date.sInitDate(1990, 1, 1);
    EXPECT_TRUE(date.IsToday(2012, 9, 12));
    EXPECT_FALSE(date.IsToday(1990, 1, 1) || date.IsToday(2012, 9, 13));
    clock.set({2013, 1, 1});
    EXPECT_TRUE(date.IsToday(2013, 1, 1));
}

// Every solar day of the range: lInitDate of its lunar date gives the day back; lunar days count
// up by one or start again at 1 after a 29th or 30th; months follow each other in order with at
// most one leap month a year, right after its ordinary month; the day before each lunar New
// Year's Day, and no other, is 除夕 (asked of a const date: lHoliday must leave it as it is).
TEST(LunarConversion, WalkEveryDayOfTheRange) {
    std::map<int, std::set<int>> leapMonthsByYear;
    clsDate previous;
    bool previousIsEve = false;
    for (core::DayNumber day = kFirstDay; day <= kLastDay; ++day) {
        const clsDate date = dayOf(day);
        ASSERT_EQ(date.SolarDate(), day);
        clsDate back;
        back.lInitDate(date.lYear(), date.lMonth(), date.lDay(), date.IsLeap());
        ASSERT_EQ(state(back), state(date)) << isoDate(day).toStdString();

        const bool isEve = date.lHoliday() == u"除夕";
        if (date.IsLeap())
            leapMonthsByYear[date.lYear()].insert(date.lMonth());
        if (day > kFirstDay) {
            SCOPED_TRACE(isoDate(day).toStdString());
            const bool newYear = date.lMonth() == 1 && date.lDay() == 1 && !date.IsLeap();
            ASSERT_EQ(previousIsEve, newYear);
            if (date.lDay() == 1) {
                ASSERT_TRUE(previous.lDay() == 29 || previous.lDay() == 30);
                const bool leapAfterOrdinary =
                    !previous.IsLeap() && date.IsLeap() && date.lMonth() == previous.lMonth();
                const bool nextMonth = !date.IsLeap() && date.lMonth() == previous.lMonth() % 12 + 1;
                ASSERT_TRUE(leapAfterOrdinary || nextMonth);
                ASSERT_EQ(date.lYear(), previous.lYear() + (newYear ? 1 : 0));
            } else {
                ASSERT_EQ(
                    std::tuple(date.lYear(), date.lMonth(), date.IsLeap(), date.lDay()),
                    std::tuple(previous.lYear(), previous.lMonth(), previous.IsLeap(), previous.lDay() + 1));
            }
        }
        previous = date;
        previousIsEve = isEve;
    }
    for (const auto& [year, months] : leapMonthsByYear)
        EXPECT_EQ(months.size(), 1u) << year;
}
