// Today's date from the system clock and from a fixed clock.

#include "platform/Clock.h"
#include "tests/fakes/FixedClock.h"

#include <QDate>
#include <gtest/gtest.h>

TEST(Clock, SystemClockGivesTheLocalDate) {
    const QDate before = QDate::currentDate();
    const core::CivilDate today = platform::systemClock().today();
    const QDate after = QDate::currentDate();
    const QDate seen(today.year, today.month, today.day);
    EXPECT_TRUE(seen == before || seen == after); // midnight may pass between the reads
    EXPECT_EQ(platform::systemClock().today(), platform::systemClock().today());
}

TEST(Clock, FixedClockAnswersWhatItWasSet) {
    fakes::FixedClock clock({2012, 9, 11});
    EXPECT_EQ(clock.today(), (core::CivilDate{2012, 9, 11}));
    clock.set({2012, 9, 12});
    EXPECT_EQ(clock.today(), (core::CivilDate{2012, 9, 12}));
    EXPECT_LT((core::CivilDate{2012, 9, 11}), (core::CivilDate{2012, 9, 12}));
}
