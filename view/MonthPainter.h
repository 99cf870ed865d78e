// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws one solar month on a drawing surface: header band with the weekday names, a cell for
// every day with its lunar day name, solar festival, lunar festival and solar term, the chosen
// day in bold, and the grid lines; and composes the title line of the chosen day.

#include "engine/OfficialDays.h"
#include "platform/Clock.h"
#include "view/DisplayState.h"
#include "view/DrawingSurface.h"
#include "view/MonthGeometry.h"

#include <QString>

namespace view {

struct MonthPicture {
    MonthGeometry geometry; // the cells the hit test reads until the next redraw
    QString title;          // the title line of the chosen day
};

// Redraws the whole surface for `state`; `clock` says which day is today, `official` which days
// the official arrangements make days off (休) or working days (班).
MonthPicture drawMonth(DrawingSurface& surface, const DisplayState& state, const platform::Clock& clock,
                       const engine::OfficialDays& official);

// The title line of the chosen day, e.g. "2009年1月20日 星期二  戊子(鼠) 十二月廿五". The year's
// stem-branch name and animal are those of the lunar year of the date it names.
QString titleOf(const DisplayState& state);

} // namespace view
