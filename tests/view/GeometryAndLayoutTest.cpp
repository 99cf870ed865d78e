// The grid's hit test and the window layout in twips.

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
    const view::MonthGeometry tiny = view::MonthGeometry::forMonth(2009, 3, 3, 20, 12);
    EXPECT_EQ(tiny.dayAt(1, 19), std::nullopt);
}

TEST(WindowLayout, DesignSizeAndWidening) {
    const view::ControlLayout design = view::layoutControls(view::kDesignClientTwips);
    EXPECT_EQ(design.combo.right() + 1, 7995 - 120);
    EXPECT_EQ(design.toolbar.right() + 1, design.combo.left() - 120);
    EXPECT_EQ(design.picMain, QRect(0, 1080, 7995, 5490 - 1080));
    EXPECT_EQ(design.command2.right() + 1, 7995);
    EXPECT_EQ(design.command1.right() + 1, design.command2.left());
    EXPECT_EQ(design.command1.top(), 0);

    const view::ControlLayout wider = view::layoutControls(view::kDesignClientTwips + QSize(1500, 0));
    EXPECT_EQ(wider.picMain.width(), design.picMain.width() + 1500);
    for (const auto& [before, after] : {std::pair{design.combo, wider.combo},
                                        {design.toolbar, wider.toolbar},
                                        {design.command1, wider.command1},
                                        {design.command2, wider.command2}})
        EXPECT_EQ(after, before.translated(1500, 0));
}

TEST(WindowLayout, DockingEnlargingCentring) {
    EXPECT_EQ(view::dockedInfoRect(QRect(1000, 2000, 8000, 6000), 3600), QRect(9000, 2000, 3600, 6000));
    const QSize screen(19200, 12000); // 1280 x 800 pixels
    EXPECT_EQ(view::enlargedOuterSize(screen, 3600), QSize(19200 / 20 * 17 - 3600, 12000 / 20 * 17));
    EXPECT_EQ(view::enlargedOuterSize(screen, 0), QSize(16320, 10200));
    EXPECT_EQ(view::centredTopLeft(screen, QSize(8000, 6000), 0), QPoint(5600, 3000));
    // The report window's width shifts the pair left by half of it.
    EXPECT_EQ(view::centredTopLeft(screen, QSize(8000, 6000), 3600), QPoint(3800, 3000));
}
