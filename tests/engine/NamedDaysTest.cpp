// SPDX-License-Identifier: GPL-3.0-or-later
// What a day is named for: solar terms, solar, lunar and weekday-rule festivals, days off and New
// Year's Eve, row by row from tests/data/named-days.tsv.

#include "tests/engine/TestDate.h"

TEST(NamedDays, EveryDayGivesTheNamesInTheTable) {
    for (const QStringList& row : dataRows("named-days.tsv")) {
        const clsDate date = solarDay(row[0]);
        EXPECT_EQ((QStringList{row[0], date.lSolarTerm(), date.sHoliday(), date.sHolidayRecess() ? "1" : "0",
                               date.lHoliday(), date.wHoliday()}),
                  row);
    }
}
