// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/MonthGeometry.h"

#include "core/DayNumber.h"

#include <cmath>

namespace view {

int roundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0))
        return static_cast<int>(down) + 1;
    return static_cast<int>(down);
}

MonthGeometry MonthGeometry::forMonth(int year, int month, float width, float height, float lineHeight) {
    return {width / 7, (height - lineHeight - kHeaderPadding) / 6, lineHeight,
            core::weekday(core::dayNumber(year, month, 1)), core::daysInMonth(year, month)};
}

int MonthGeometry::dayInCell(int index) const {
    const int day = index - FirstWeekday + 2;
    return day >= 1 && day <= DayCount ? day : 0;
}

QPoint MonthGeometry::cellCorner(int day) const {
    const int position = cellIndex(day); // day 1 stands in column FirstWeekday - 1
    const int column = position % 7;
    const int row = position / 7;
    // Summed in this order, so the rounding of the halves stays the same at every size.
    return {roundHalfEven(column * CellWidth + 1),
            roundHalfEven(row * CellHeight + LineHeight + (kHeaderPadding + 1) + 1)};
}

std::optional<int> MonthGeometry::dayAt(float x, float y) const {
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
    const int day = column + 1 + 7 * row - (FirstWeekday - 1);
    if (day < 1 || day > DayCount)
        return std::nullopt;
    return day;
}

} // namespace view
