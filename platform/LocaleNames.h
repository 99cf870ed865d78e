#pragma once
// Chinese (China) weekday and month names, the same on every machine whatever its own locale:
// they come from Qt's built-in CLDR data, not from the system settings.

#include <QString>

namespace platform {

// Full weekday name, 1 (Sunday) .. 7 (Saturday): "星期日" .. "星期六". Empty outside 1..7.
QString chineseWeekdayName(int weekday);

// Full month name, 1..12: "一月" .. "十二月". Empty outside 1..12.
QString chineseMonthName(int month);

} // namespace platform
