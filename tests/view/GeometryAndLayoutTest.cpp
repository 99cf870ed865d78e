// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's hit test and the controls' layout in twips; docking and centring: see tests/app.

#include "view/MonthGeometry.h"
#include "view/WindowLayout.h"

#include <gtest/gtest.h>

TEST(HitTest, HeaderEmptyCellsAndEdges) {
    // March 2009: 31 days from a Sunday. April 2009: 30 days from a Wednesday (weekday 4).
    const view::MonthGeometry march = view::MonthGeometry::forMonth(2009, 3, 533, 294, 12);
    const view::MonthGeometry april = view::MonthGeometry::forMonth(2009, 4, 533, 294, 12);
    EXPECT_EQ(march.dayAt(10, 17.9f), std::nullopt); // header band and separator
    EXPECT_EQ(march.dayAt(10, 18), 1);               // exactly at the grid's top: row 0
    EXPECT_EQ(april.dayAt(10, 18), std::nullopt);    // an empty cell before day 1
    EXPECT_EQ(april.dayAt(3 * 76.2f, 18), 1);
    EXPECT_EQ(april.dayAt(4 * 76.2f + 5, 18 + 4 * 46.4f), 30);
    EXPECT_EQ(april.dayAt(7 * 76.2f + 5, 18), 5);            // past the seventh column: the next row
    EXPECT_EQ(april.dayAt(0, 18 + 5 * 46.4f), std::nullopt); // after the last day
    EXPECT_EQ(march.dayAt(2 * 76.2f, 18 + 4 * 46.4f), 31);
    // Every cell's own corner maps back to its day.
    for (int day = 1; day <= 31; ++day) {
        const QPoint corner = march.cellCorner(day);
        EXPECT_EQ(march.dayAt(corner.x() + 5, corner.y() + 5), day);
    }
    // A surface too small for cells selects nothing.
    EXPECT_EQ(view::MonthGeometry::forMonth(2009, 3, 3, 20, 12).dayAt(1, 19), std::nullopt);
    // Cell corners round halves to the even neighbour.
    EXPECT_EQ(std::tuple(view::roundHalfEven(2.5), view::roundHalfEven(3.5), view::roundHalfEven(3.49)),
              std::tuple(2, 4, 3));
}

// The font list, the icon strip and the buttons keep to the right edge, the grid takes the width
// under the title area; at the design size and wider alike.
TEST(WindowLayout, ControlsKeepToTheRightEdge) {
    for (const int width : {7995, 7995 + 1500}) {
        const view::ControlLayout layout = view::layoutControls({width, 5490});
        EXPECT_EQ(layout.combo, QRect(width - 120 - 1575, 720, 1575, 300));
        EXPECT_EQ(layout.toolbar, QRect(layout.combo.left() - 120 - 1815, 720, 1815, 255));
        EXPECT_EQ(layout.picMain, QRect(0, 1080, width, 5490 - 1080));
        EXPECT_EQ(layout.command1, QRect(width - 2 * 255, 0, 255, 255));
        EXPECT_EQ(layout.command2, QRect(width - 255, 0, 255, 255));
    }
}
