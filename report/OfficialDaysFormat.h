// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text form of official days, shared by the table the program carries and the user's own
// file: UTF-8, one day a line, the date as YYYY-MM-DD, 休 or 班, and the holiday's name, separated
// by a TAB or by spaces. Blank lines and lines starting with '#' are ignored.
//
// The file may come from anywhere, so every line is checked on its own: a line that does not
// parse is left out with one warning naming the file and its line, and the others still count.
// A day given twice takes its later line, with a warning.

#include "engine/OfficialDays.h"

#include <QByteArrayView>
#include <QStringList>

namespace report {

// A name longer than this is refused: it has to fit a tooltip and a calendar entry's title.
inline constexpr int kMaxOfficialDayNameLength = 40;

struct OfficialDaysParse {
    engine::OfficialDays days;
    QStringList warnings; // "FILE:LINE: what is wrong", one for each line left out or repeated
};

// Parses `text`; `fileName` is what the warnings call the file.
OfficialDaysParse parseOfficialDays(QByteArrayView text, const QString& fileName);

} // namespace report
