// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The weekday names, 星期日 .. 星期六: the one source for the grid's header, the title and the
// day report.

#include "engine/ChineseWords.h"
#include "engine/StaticText.h"

namespace engine {

// The name of weekday 1 (Sunday) .. 7 (Saturday); empty outside 1..7.
inline QString weekdayName(int weekday) {
    return weekday >= 1 && weekday <= 7 ? staticText(WeekdayNames[weekday - 1]) : QString();
}

} // namespace engine
