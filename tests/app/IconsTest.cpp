// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon: the window carries the pictures drawn for the desktop menu at every size up
// to 256 px, so Qt never has to scale one (a 16 px icon scaled down from a larger one blurs).

#include "app/Icons.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(ProgramIcon, OffersEveryDrawnSize) {
    QList<int> sides;
    for (const QSize& size : app::programIcon().availableSizes())
        sides << (size.width() == size.height() ? size.width() : -1);
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(sides, QList<int>({16, 22, 24, 32, 48, 64, 128, 256}));
}
