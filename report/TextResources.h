// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six bodies of Chinese text that the day report quotes, each split at every CR LF into its
// records. Loaded once at start-up (TextResourceLoader.h), never changed afterwards.
//
// The records of 104, 105 and 106 are each followed by CR LF, so those arrays end with one empty
// element that belongs to no record; the lookups (TextLookups.h) never find it. Break marks stay
// as stored (backslash and n in 102, 103 and 104; "$" in 106): the report turns them into line
// breaks when it quotes a record.

#include <QStringList>

namespace report {

struct TextResources {
    QStringList SignBirthdays;   // 101: a birthday character for every date, 1 January .. 31 December
    QStringList SignCouples;     // 102: the love text of each star sign
    QStringList ZodiacLegends;   // 103: the legend of each zodiac animal
    QStringList BirthFlowers;    // 104: the birthday flower of every date, index-aligned with 101
    QStringList DayOfMonthTexts; // 105: a character text for each day of the month, day 1 first
    QStringList SignProfiles;    // 106: the profile of each star sign, 白羊 .. 双鱼
};

} // namespace report
