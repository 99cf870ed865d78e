// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The official days the program uses: the table it carries (2002 to the year of its release),
// with the user's own file laid over it date by date, so that a new year's arrangement can be
// added, or a day corrected, before a new release. Nothing here stops start-up: a user file that
// is missing is no matter, and one that cannot be read or has bad lines only gives warnings.

#include "engine/OfficialDays.h"

#include <QStringList>

namespace report {

// Where the build places the carried table in Qt's resource system.
inline constexpr char kOfficialDaysResource[] = ":/data/official-days.tsv";

// The user's file is read only up to this size.
inline constexpr qint64 kMaxUserHolidayFileBytes = 1024 * 1024;

struct OfficialDaysLoad {
    engine::OfficialDays days;
    QStringList warnings; // for stderr, one line each: "FILE:LINE: ..." or "FILE: not read: ..."
};

// The carried table alone, parsed once per process.
const engine::OfficialDays& carriedOfficialDays();

// The carried table with the user's file at `userFile` laid over it.
OfficialDaysLoad loadOfficialDays(const QString& userFile);

// The same with the user's file at its usual place (platform::userHolidayFilePath()).
OfficialDaysLoad loadOfficialDays();

} // namespace report
