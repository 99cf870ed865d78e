#pragma once
// Where the days of a month stand in the grid: the one place that maps a day to its cell and a
// point back to a day. Seven columns, Sunday first, six rows under a header band one text line
// (plus 4 pixels) high.

#include "view/DisplayState.h"

#include <QPoint>
#include <optional>

namespace view {

struct GridGeometry {
    float CellWidth = 0;
    float CellHeight = 0;
    float LineHeight = 0; // text height of "星期", which sets the header band's height

    // The grid of a surface of this size.
    static GridGeometry forSurface(float width, float height, float lineHeight);

    // The top of the first row of cells, one pixel under the header separator.
    float gridTop() const { return LineHeight + 5 + 1; }

    // The top-left pixel of the cell of day `day` of a month whose first day has weekday
    // `firstWeekday` (1 = Sunday).
    QPoint cellCorner(int day, int firstWeekday) const;

    // The day under the point (x, y), or nothing when the point lies in the header band, on an
    // empty cell or outside the grid.
    std::optional<int> dayAt(float x, float y, int firstWeekday, int daysInMonth) const;
};

// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfEven(double value);

} // namespace view
