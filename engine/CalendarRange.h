// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solar days the calendar covers: lunar year 1900 begins on the first of them and lunar year
// 2049 ends on the last. Every other place that names the range takes it from here.

#include "core/DayNumber.h"

namespace engine {

inline constexpr core::CivilDate kFirstDate{1900, 1, 31};
inline constexpr core::CivilDate kLastDate{2050, 1, 22};
inline constexpr core::DayNumber kFirstDay = core::dayNumber(kFirstDate);
inline constexpr core::DayNumber kLastDay = core::dayNumber(kLastDate);

} // namespace engine
