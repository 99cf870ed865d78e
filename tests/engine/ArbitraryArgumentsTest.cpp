// SPDX-License-Identifier: GPL-3.0-or-later
// Every public operation with arbitrary arguments: a defined answer, never a crash or an
// out-of-bounds read (the test command also runs this under AddressSanitizer and
// UndefinedBehaviorSanitizer).

#include "tests/engine/TestDate.h"

#include <climits>
#include <random>

namespace {

// Mostly values near the interesting edges, sometimes anything at all.
int pick(std::mt19937& random) {
    static const int edges[] = {0,    1,    -1,    12,    13,     29,     30,      31,     32,
                                49,   50,   1863,  1864,  1874,   1899,   1900,    1911,   2049,
                                2050, 2051, 32767, 32768, -32768, -32769, INT_MAX, INT_MIN};
    switch (random() % 4) {
    case 0:
        return edges[random() % std::size(edges)];
    case 1:
        return static_cast<int>(random() % 64) - 16;
    case 2:
        return 1850 + static_cast<int>(random() % 250);
    default:
        return static_cast<int>(random());
    }
}

} // namespace

TEST(ArbitraryArguments, EveryOperationGivesADefinedAnswer) {
    std::mt19937 random(20090126);
    clsDate date;
    for (int round = 0; round < 200000; ++round) {
        const int a = pick(random), b = pick(random), c = pick(random);
        if (round % 2 == 0)
            date.sInitDate(a, b, c);
        else
            date.lInitDate(a, b, c, (round & 2) != 0);
        const auto before = state(date);
        const auto [solar, sYear, sMonth, sDay, lYear, lMonth, lDay, leap] = before;
        ASSERT_TRUE(sYear >= -32768 && sYear <= 32767 && lYear >= 1900 && lYear <= 2050 && lMonth >= 1 &&
                    lMonth <= 12 && lDay >= 1 && lDay <= 30 && date.sWeekDay() >= 1 && date.sWeekDay() <= 7)
            << testing::PrintToString(before) << " weekday " << date.sWeekDay();
        const QString texts[] = {
            date.lSolarTerm(),         date.wHoliday(),    date.lHoliday(),
            date.sHoliday(),           date.sWeekDayStr(), date.Constellation(a, b),
            date.Constellation2(b, c), date.Era(a),        date.GanZhi(b),
            date.YearAttribute(c),     date.CDayStr(a),    date.UpNumber(QString::number(a))};
        (void)date.sHolidayRecess();
        (void)date.IsToday(a, b, c);
        for (const QString& text : texts)
            ASSERT_LE(text.size(), 64);
        ASSERT_EQ(date.GanZhi(b).size(), 2);
        ASSERT_EQ(date.YearAttribute(c).size(), 1);
        ASSERT_EQ(state(date), before);
    }
}
