// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the days of one month stand in the grid: the one place that maps a day to its cell and a
// point back to a day. Seven columns, Sunday first, six rows under a header band one text line
// (plus kHeaderPadding pixels) high; a separator line under the band, then the cells.

#include <QPoint>
#include <optional>

namespace view {

// The header band is a text line high plus this, in pixels.
inline constexpr float kHeaderPadding = 4;

struct MonthGeometry {
    float CellWidth = 0;
    float CellHeight = 0;
    float LineHeight = 0; // text height of "星期", which sets the header band's height
    int FirstWeekday = 1; // weekday of the month's first day, 1 (Sunday) .. 7
    int DayCount = 0;     // days of the month

    // The grid of month `month` of `year` on a surface of this size.
    static MonthGeometry forMonth(int year, int month, float width, float height, float lineHeight);

    // The header band is filled from the top down to this line, both included.
    float bandBottom() const { return LineHeight + kHeaderPadding; }
    // The separator line under the band.
    float separatorY() const { return bandBottom() + 1; }
    // The top of the first row of cells, one pixel under the separator.
    float gridTop() const { return separatorY() + 1; }
    // The horizontal grid line under row `row` (1..6), for a text line `lineHeight` high.
    float rowLineY(int row, float lineHeight) const { return row * CellHeight + lineHeight + kHeaderPadding; }

    // The grid position of day `day`: row × 7 + column, from the top-left cell (0..41).
    int cellIndex(int day) const { return day + FirstWeekday - 2; }
    // The day in the cell at grid position `index`, or 0 for an empty cell.
    int dayInCell(int index) const;

    // The top-left pixel of the cell of day `day`.
    QPoint cellCorner(int day) const;

    // The day under the point (x, y), or nothing when the point lies in the header band, on an
    // empty cell or outside the grid.
    std::optional<int> dayAt(float x, float y) const;
};

// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfEven(double value);

} // namespace view
