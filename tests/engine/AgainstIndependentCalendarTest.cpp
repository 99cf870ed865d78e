// SPDX-License-Identifier: GPL-3.0-or-later
// The engine against a calendar that no one here wrote: the first day of every lunar month and
// the day of every solar term of 1900..2049, computed by an independent astronomical library
// (provenance in the header of each data file in tests/data).

#include "tests/engine/TestDate.h"

TEST(AgainstIndependentCalendar, EveryLunarMonthBeginsAndEndsOnItsDay) {
    const QList<QStringList> rows = dataRows("lunar-month-starts.tsv");
    ASSERT_EQ(rows.size(), 1855);
    for (const QStringList& row : rows) {
        SCOPED_TRACE(row.join(u' ').toStdString());
        const int year = row[0].toInt(), month = row[1].toInt(), length = row[4].toInt();
        const bool leap = row[2] == u"1";
        const clsDate first = solarDay(row[3]);
        EXPECT_EQ(std::tuple(first.lYear(), first.lMonth(), first.lDay(), first.IsLeap()),
                  std::tuple(year, month, 1, leap));
        const clsDate last = dayOf(first.SolarDate() + length - 1);
        EXPECT_EQ(std::tuple(last.lYear(), last.lMonth(), last.lDay(), last.IsLeap()),
                  std::tuple(year, month, length, leap));
    }
}

// Every term day of the range names its term, and no other day of the range names one.
TEST(AgainstIndependentCalendar, EverySolarTermFallsOnItsDay) {
    const QList<QStringList> rows = dataRows("solar-term-days.tsv");
    ASSERT_EQ(rows.size(), 3600);
    int termDaysInRange = 0;
    for (const QStringList& row : rows) {
        const clsDate date = solarDay(row[3]);
        if (date.SolarDate() < kFirstDay)
            continue;
        ++termDaysInRange;
        EXPECT_EQ(date.lSolarTerm(), row[2]) << row[3].toStdString();
    }
    int namedDays = 0;
    for (core::DayNumber day = kFirstDay; day <= kLastDay; ++day)
        namedDays += dayOf(day).lSolarTerm().isEmpty() ? 0 : 1;
    // 2050's 小寒 and 大寒 fall inside the range but after the data's last year (named-days.tsv).
    EXPECT_EQ(namedDays, termDaysInRange + 2);
}
