// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the day report finds its records in the text resources. Every search runs from element 0
// upwards, compares exactly, character by character, and stops at the first match; nothing found
// is an empty optional, and the report then leaves that section out.
//
// The first match is the right one because of the order of the stored texts: the key "1月1日"
// also occurs inside "11月1日" and "2月1日" inside "12月1日", but 101 runs in calendar order, so a
// date's own record comes before the record that merely contains its key. Likewise in 103 no
// legend mentions an animal before that animal's own legend.

#include "report/TextResources.h"

#include <QString>
#include <optional>

namespace report {

// Index in SignBirthdays (and so in BirthFlowers) of the date month-day: the first element that
// contains month, "月", day, "日", digits without leading zeros.
std::optional<qsizetype> birthdayIndex(const TextResources& texts, int month, int day);

// The birthday character of the date, quoted whole.
std::optional<QString> birthdayCharacter(const TextResources& texts, int month, int day);

// The birthday flower of the date: the BirthFlowers element at the date's birthdayIndex.
std::optional<QString> birthdayFlower(const TextResources& texts, int month, int day);

// The character text of a day of the month, 1..31.
std::optional<QString> dayOfMonthText(const TextResources& texts, int day);

// The profile of a star sign (clsDate::Constellation's name): the first element whose first
// three characters are the name and "座".
std::optional<QString> signProfile(const TextResources& texts, const QString& signName);

// The love text of a star sign: the first element that contains the name and "座的男人和女人".
std::optional<QString> signLoveText(const TextResources& texts, const QString& signName);

// The legend of a zodiac animal (clsDate::YearAttribute's name): the first element that contains
// the animal's simplified name.
std::optional<QString> animalLegend(const TextResources& texts, const QString& animalName);

} // namespace report
