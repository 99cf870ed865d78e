// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One day of the grid in words, for its tooltip and for assistive technology: the solar date
// and weekday, the lunar date, then the solar term, the festivals and the official arrangement
// the day has, e.g. "2026年12月7日 星期一 农历十月廿九 大雪" or "… 国庆节 … 休 国庆节".

#include "engine/OfficialDays.h"

#include <QString>

namespace view {

QString describeDay(int year, int month, int day, const engine::OfficialDays& official);

} // namespace view
