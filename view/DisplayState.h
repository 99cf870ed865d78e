// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's display state: the shown solar month and the chosen day in it. Every
// command that changes it keeps the year within 1901..2049.

#include <cstdint>

namespace view {

inline constexpr std::int16_t kFirstShownYear = 1901;
inline constexpr std::int16_t kLastShownYear = 2049;

struct DisplayState {
    std::int16_t CurYear = kFirstShownYear;
    std::int16_t CurMonth = 1; // 1..12
    std::int16_t CurDay = 1;   // 1..days of the month
    friend bool operator==(const DisplayState&, const DisplayState&) = default;
};

} // namespace view
