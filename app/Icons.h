// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icons: the program icon (a calendar leaf), the same pictures that the desktop menu
// shows, and the five 16 × 16 navigation icons of the icon strip, drawn in code.

#include <QIcon>

namespace app {

QIcon programIcon();

// Icon of navigation command `index`: 0 previous year, 1 previous month, 2 next month,
// 3 next year, 4 today.
QIcon navigationIcon(int index);

} // namespace app
