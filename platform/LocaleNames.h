// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chinese (China) month names, the same on every machine whatever its own locale: they come from
// Qt's built-in CLDR data, not from the system settings.

#include <QString>

namespace platform {

// Full month name, 1..12: "一月" .. "十二月". Empty outside 1..12.
QString chineseMonthName(int month);

} // namespace platform
