// Every public operation with arbitrary arguments: a defined answer, never a crash or an
// out-of-bounds read (the test command also runs this under AddressSanitizer and
// UndefinedBehaviorSanitizer).

#include "tests/engine/TestDate.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

// Mostly values near the interesting edges, sometimes anything at all.
int pick(std::mt19937& random) {
    static const int edges[] = {0,
                                1,
                                -1,
                                12,
                                13,
                                29,
                                30,
                                31,
                                32,
                                49,
                                50,
                                1863,
                                1864,
                                1874,
                                1899,
                                1900,
                                1911,
                                2049,
                                2050,
                                2051,
                                32767,
                                32768,
                                -32768,
                                -32769,
                                std::numeric_limits<int>::max(),
                                std::numeric_limits<int>::min()};
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

void expectSoundLunarDate(const clsDate& date) {
    ASSERT_GE(date.lYear(), 1900);
    ASSERT_LE(date.lYear(), 2050);
    ASSERT_GE(date.lMonth(), 1);
    ASSERT_LE(date.lMonth(), 12);
    ASSERT_GE(date.lDay(), 1);
    ASSERT_LE(date.lDay(), 30);
    ASSERT_GE(date.sWeekDay(), 1);
    ASSERT_LE(date.sWeekDay(), 7);
}

} // namespace

TEST(ArbitraryArguments, EveryOperationGivesADefinedAnswer) {
    std::mt19937 random(20090126);
    clsDate date;
    for (int round = 0; round < 200000; ++round) {
        const int a = pick(random), b = pick(random), c = pick(random);
        if (round % 2 == 0) {
            date.sInitDate(a, b, c);
            ASSERT_GE(date.sYear(), -32768);
            ASSERT_LE(date.sYear(), 32767);
        } else {
            date.lInitDate(a, b, c, (round & 2) != 0);
        }
        expectSoundLunarDate(date);
        const clsDate before = date;
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
        ASSERT_EQ(date.SolarDate(), before.SolarDate());
        ASSERT_EQ(date.lDay(), before.lDay());
    }
}

TEST(ArbitraryArguments, DaysOutsideTheRangeAreHeldToItsEnds) {
    clsDate date;
    date.sInitDate(1900, 1, 30);
    EXPECT_EQ(date.lYear(), 1900);
    EXPECT_EQ(date.lMonth(), 1);
    EXPECT_EQ(date.lDay(), 1);
    date.sInitDate(-32768, -32768, -32768);
    EXPECT_EQ(date.lYear(), 1900);
    date.sInitDate(2050, 2, 21); // within lunar 2050's twelve 29-day months
    EXPECT_EQ(date.lYear(), 2050);
    EXPECT_EQ(date.lMonth(), 2);
    EXPECT_EQ(date.lDay(), 1);
    date.sInitDate(32767, 32767, 32767);
    EXPECT_EQ(date.lYear(), 2050);
    EXPECT_EQ(date.lMonth(), 12);
    EXPECT_EQ(date.lDay(), 29);
    EXPECT_EQ(date.sYear(), 32767);
    date.sInitDate(std::numeric_limits<int>::max(), 1, 1); // held to 16 bits
    EXPECT_EQ(date.sYear(), 32767);
    date.lInitDate(1800, 0, 99);
    EXPECT_EQ(date.lYear(), 1900);
    EXPECT_EQ(date.lMonth(), 1);
    EXPECT_EQ(date.lDay(), 30);
    EXPECT_EQ(solarOf(date), "1900-03-01");
    date.lInitDate(2100, 13, -5, true);
    EXPECT_EQ(date.lYear(), 2050);
    EXPECT_EQ(date.lMonth(), 12);
    EXPECT_EQ(date.lDay(), 1);
}
