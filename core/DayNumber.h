// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Day numbers: whole days counted from 1899-12-30 (day 0), so 1900-01-31 is day 32, and the
// civil (Gregorian) dates they stand for.
// The proleptic Gregorian calendar throughout; the conversions are exact for any day number
// that fits in 32 bits.

#include <cstdint>

namespace core {

using DayNumber = std::int32_t;

struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
    // Calendar order. (Written out rather than a defaulted <=>, whose <compare> header Qt's moc
    // cannot read.)
    friend constexpr bool operator<(const CivilDate& a, const CivilDate& b) { return a.key() < b.key(); }
    friend constexpr bool operator>(const CivilDate& a, const CivilDate& b) { return b < a; }
    friend constexpr bool operator<=(const CivilDate& a, const CivilDate& b) { return !(b < a); }
    friend constexpr bool operator>=(const CivilDate& a, const CivilDate& b) { return !(a < b); }

private:
    constexpr std::int64_t key() const { return (std::int64_t{year} * 16 + month) * 32 + day; }
};

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr std::int64_t floorMod(std::int64_t a, std::int64_t b) {
    return a - floorDiv(a, b) * b;
}

namespace detail {
// Days from 1970-01-01 of a valid civil date. The year is shifted to start in March so that
// the leap day is the last day of its year; a 400-year era then has a fixed length of
// 146097 days, and the day of the shifted year follows from the month by (153 m + 2) / 5.
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;                                   // [0, 399]
    const std::int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The inverse of daysFromCivil.
constexpr CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097; // [0, 146096]
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;                 // [0, 399]
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100); // [0, 365]
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;                                   // [0, 11]
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2);
    return {static_cast<int>(year), month, day};
}

constexpr std::int64_t kDaysFrom1970To18991230 = -25569;
} // namespace detail

// The day number of year-month-day. Like a date-serial construction, a month or day outside its
// range rolls over: month 13 is January of the next year, day 0 the last day of the month before.
constexpr DayNumber dayNumber(std::int64_t year, std::int64_t month, std::int64_t day) {
    const std::int64_t y = year + floorDiv(month - 1, 12);
    const int m = static_cast<int>(floorMod(month - 1, 12)) + 1;
    return static_cast<DayNumber>(detail::daysFromCivil(y, m, 1) - detail::kDaysFrom1970To18991230 + day - 1);
}

constexpr DayNumber dayNumber(const CivilDate& date) {
    return dayNumber(date.year, date.month, date.day);
}

constexpr CivilDate civilDate(DayNumber day) {
    return detail::civilFromDays(std::int64_t{day} + detail::kDaysFrom1970To18991230);
}

// Weekday of a day number, 1 (Sunday) .. 7 (Saturday). Day 0, 1899-12-30, was a Saturday.
constexpr int weekday(DayNumber day) {
    return static_cast<int>(floorMod(std::int64_t{day} + 6, 7)) + 1;
}

constexpr bool isLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days of a month; 0 for a month outside 1..12.
constexpr int daysInMonth(std::int64_t year, std::int64_t month) {
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

constexpr bool isValidDate(std::int64_t year, std::int64_t month, std::int64_t day) {
    return day >= 1 && day <= daysInMonth(year, month);
}

} // namespace core
