#include "view/MonthGeometry.h"

#include <cmath>

namespace view {

int roundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0))
        return static_cast<int>(down) + 1;
    return static_cast<int>(down);
}

GridGeometry GridGeometry::forSurface(float width, float height, float lineHeight) {
    return {width / 7, (height - lineHeight - 4) / 6, lineHeight};
}

QPoint GridGeometry::cellCorner(int day, int firstWeekday) const {
    const int position = day + firstWeekday - 2; // day 1 stands in column firstWeekday - 1
    const int column = position % 7;
    const int row = position / 7;
    return {roundHalfEven(column * CellWidth + 1), roundHalfEven(row * CellHeight + LineHeight + 5 + 1)};
}

std::optional<int> GridGeometry::dayAt(float x, float y, int firstWeekday, int daysInMonth) const {
    const float top = gridTop();
    if (y < top)
        return std::nullopt;
    const int width = roundHalfEven(CellWidth);
    const int height = roundHalfEven(CellHeight);
    if (width <= 0 || height <= 0) // a surface too small to hold cells
        return std::nullopt;
    // A column past the seventh runs on into the next row, as the day count does.
    const int column = roundHalfEven(x + 1) / width;
    const int row = roundHalfEven(y - top) / height;
    const int day = column + 1 + 7 * row - (firstWeekday - 1);
    if (day < 1 || day > daysInMonth)
        return std::nullopt;
    return day;
}

} // namespace view
