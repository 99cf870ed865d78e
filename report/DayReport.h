// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day report: the plain text that the report window shows for the chosen day, built from the
// calendar engine and the six text resources. One builder for the report window and for
// `kesparo-days --report`, so that both hold the same bytes.

#include "report/TextResources.h"

#include <QString>

namespace report {

// The line that parts the sections: 35 equal signs.
inline constexpr char kReportSeparator[] = "===================================";

// The whole report of the solar day year-month-day, every line ended by CR LF. The heading and
// the 公历 line name the solar date; the 农历 line and the 属相 section name the lunar year the
// day falls in, so a day in January before the lunar new year shows the year that is ending.
// A record that is not found leaves out its text, never the section's heading, separators or
// fixed line breaks.
QString buildDayReport(const TextResources& texts, int year, int month, int day);

} // namespace report
