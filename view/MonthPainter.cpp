// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/MonthPainter.h"

#include "engine/WeekdayName.h"
#include "engine/clsDate.h"
#include "platform/LocaleNames.h"

namespace view {
namespace {

constexpr QRgb kBackground = qRgb(255, 255, 255); // surface and cell fill
constexpr QRgb kHeaderBand = qRgb(236, 233, 216);
constexpr QRgb kGridLines = qRgb(182, 189, 210); // header separator too
constexpr QRgb kWeekdayText = qRgb(0, 0, 0);     // Monday..Friday and the header
constexpr QRgb kSundayText = qRgb(255, 0, 0);
constexpr QRgb kSaturdayText = qRgb(0, 128, 0);
constexpr QRgb kTodayText = qRgb(0, 0, 255);
constexpr QRgb kDayOffText = qRgb(255, 0, 0);
constexpr QRgb kOfficialDayOffMark = qRgb(255, 0, 0);      // 休
constexpr QRgb kOfficialWorkingDayMark = qRgb(48, 48, 48); // 班
constexpr float kMarkInset = 2;                            // from the cell's top and right edges

const QString kMeasureText = QStringLiteral("星期");

// The text colour of a day cell; each later rule overrides the earlier ones:
//  1. the weekday: Sunday red, Saturday green, other days black;
//  2. the system's current date: blue;
//  3. a festival that is a day off: red.
// `calendar` must hold the day.
QRgb dayTextColor(const clsDate& calendar, int weekday, const DisplayState& state, int day) {
    QRgb color = weekday == 1 ? kSundayText : weekday == 7 ? kSaturdayText : kWeekdayText;
    if (calendar.IsToday(state.CurYear, state.CurMonth, day))
        color = kTodayText;
    if (calendar.sHolidayRecess())
        color = kDayOffText;
    return color;
}

void drawDayCell(DrawingSurface& surface, const MonthGeometry& grid, const DisplayState& state,
                 clsDate& calendar, const engine::OfficialDays& official, int day) {
    const QPoint corner = grid.cellCorner(day);
    surface.setBold(day == state.CurDay);
    surface.setDrawingColor(kBackground);
    surface.filledBox(corner.x(), corner.y(), corner.x() + grid.CellWidth, corner.y() + grid.CellHeight);

    calendar.sInitDate(state.CurYear, state.CurMonth, day);
    surface.setDrawingColor(dayTextColor(calendar, calendar.sWeekDay(), state, day));
    surface.setTextPosition(corner.x() + 4, corner.y() + 4);
    surface.printLine(QString::number(day) + u' ' + calendar.CDayStr(calendar.lDay()));
    // Festivals and the term follow on lines of their own; empty ones take no line.
    for (const QString& extra : {calendar.sHoliday(), calendar.lHoliday(), calendar.lSolarTerm()}) {
        if (extra.isEmpty())
            continue;
        surface.setTextX(corner.x() + 4);
        surface.printLine(extra);
    }
    // The official arrangement's mark stands in the top-right corner, clear of the day's lines,
    // which start at the left.
    if (const engine::OfficialDay* entry = official.find(calendar.SolarDate())) {
        surface.setDrawingColor(entry->kind == engine::OfficialDayKind::DayOff ? kOfficialDayOffMark
                                                                               : kOfficialWorkingDayMark);
        surface.printCornerMark(entry->mark(), corner.x() + grid.CellWidth - kMarkInset,
                                corner.y() + kMarkInset);
    }
}

} // namespace

QString titleOf(const DisplayState& state) {
    clsDate calendar;
    calendar.sInitDate(state.CurYear, state.CurMonth, state.CurDay);
    const int lunarYear = calendar.lYear();
    return QStringLiteral("%1年%2月%3日 %4  %5(%6) %7%8")
        .arg(state.CurYear)
        .arg(state.CurMonth)
        .arg(state.CurDay)
        .arg(calendar.sWeekDayStr(), calendar.GanZhi(lunarYear), calendar.YearAttribute(lunarYear),
             platform::chineseMonthName(calendar.lMonth()), calendar.CDayStr(calendar.lDay()));
}

MonthPicture drawMonth(DrawingSurface& surface, const DisplayState& state, const platform::Clock& clock,
                       const engine::OfficialDays& official) {
    const float width = surface.width();
    const float height = surface.height();
    const MonthGeometry grid = MonthGeometry::forMonth(state.CurYear, state.CurMonth, width, height,
                                                       surface.textHeight(kMeasureText));

    surface.setBackgroundColor(kBackground);
    surface.clear();

    surface.setDrawingColor(kHeaderBand);
    surface.filledBox(0, 0, width, grid.bandBottom());
    surface.setDrawingColor(kGridLines);
    surface.filledBox(0, grid.separatorY(), width, grid.separatorY());

    clsDate calendar(clock);
    for (int day = 1; day <= grid.DayCount; ++day)
        drawDayCell(surface, grid, state, calendar, official, day);

    // Grid lines over the cells; the vertical ones cross the header band.
    surface.setDrawingColor(kGridLines);
    for (int i = 1; i <= 7; ++i)
        surface.line(i * grid.CellWidth, 0, i * grid.CellWidth, height);
    for (int i = 1; i <= 6; ++i) {
        // Measured afresh: the chosen day, drawn last, may have left the font bold.
        const float y = grid.rowLineY(i, surface.textHeight(kMeasureText));
        surface.line(0, y, width, y);
    }

    // Weekday names last, over the lines that cross the band.
    surface.setDrawingColor(kWeekdayText);
    surface.setBold(false);
    for (int i = 1; i <= 7; ++i) {
        surface.setTextPosition((i - 1) * grid.CellWidth + 3, 3);
        surface.printLine(engine::weekdayName(i));
    }

    return {grid, titleOf(state)};
}

} // namespace view
