// The promotion window opens by itself only in runs started on or after 2012-09-12.

#include "promo/PromotionGate.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

TEST(PromotionGate, OpensFromTheTwelfthOfSeptember2012On) {
    struct Case {
        platform::CivilDate today;
        bool opens;
    };
    const Case cases[] = {
        {{1901, 1, 1}, false},  {{2011, 12, 31}, false}, {{2012, 8, 31}, false},
        {{2012, 9, 11}, false}, {{2012, 9, 12}, true},   {{2012, 9, 13}, true},
        {{2012, 10, 1}, true},  {{2013, 1, 1}, true},    {{2049, 12, 31}, true},
    };
    for (const Case& c : cases) {
        const platform::FixedClock clock(c.today);
        EXPECT_EQ(promo::promotionOpens(clock.today()), c.opens)
            << c.today.year << '-' << c.today.month << '-' << c.today.day;
    }
}
