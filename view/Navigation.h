// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that change the display state: the four navigation steps and "today" of the
// icon strip and the menu, and the arrow and page keys of the month grid. Each stays within
// 1901..2049 by clamping the year alone, so stepping past either end of the range lands at the
// other end of the same boundary year.

#include "core/DayNumber.h"
#include "view/DisplayState.h"

#include <QtCore/qnamespace.h>

namespace view {

enum class NavigationCommand { PreviousYear = 0, PreviousMonth = 1, NextMonth = 2, NextYear = 3, Today = 4 };

// Applies a navigation command; every command but Today chooses day 1.
void navigate(DisplayState& state, NavigationCommand command, const core::CivilDate& today);

// The keys of the month grid, as the toolkit reports them.
enum KeyCode : int {
    PageUp = Qt::Key_PageUp,
    PageDown = Qt::Key_PageDown,
    LeftArrow = Qt::Key_Left,
    UpArrow = Qt::Key_Up,
    RightArrow = Qt::Key_Right,
    DownArrow = Qt::Key_Down
};

// Applies a key pressed on the month grid: arrows move the chosen day by one or seven days
// (past a month's end to day 1 of the next month, before its start to the last day of the
// previous one), Page Up and Page Down step the month. Other keys change nothing.
void applyKey(DisplayState& state, int keyCode);

} // namespace view
