// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Navigation.h"

#include <algorithm>

namespace view {
namespace {

void clampYear(DisplayState& state) {
    if (state.CurYear < kFirstShownYear)
        state.CurYear = kFirstShownYear;
    if (state.CurYear > kLastShownYear)
        state.CurYear = kLastShownYear;
}

void nextMonth(DisplayState& state) {
    if (++state.CurMonth > 12) {
        state.CurMonth = 1;
        ++state.CurYear;
    }
    clampYear(state);
}

void previousMonth(DisplayState& state) {
    if (--state.CurMonth < 1) {
        state.CurMonth = 12;
        --state.CurYear;
    }
    clampYear(state);
}

// After the chosen day has moved forward: past the month's end it becomes day 1 of the next.
void wrapForward(DisplayState& state) {
    if (state.CurDay > core::daysInMonth(state.CurYear, state.CurMonth)) {
        state.CurDay = 1;
        nextMonth(state);
    }
}

// After the chosen day has moved back: before day 1 it becomes the last day of the previous month.
void wrapBackward(DisplayState& state) {
    if (state.CurDay < 1) {
        previousMonth(state);
        state.CurDay = static_cast<std::int16_t>(core::daysInMonth(state.CurYear, state.CurMonth));
    }
}

} // namespace

void navigate(DisplayState& state, NavigationCommand command, const core::CivilDate& today) {
    switch (command) {
    case NavigationCommand::PreviousYear:
        state.CurDay = 1;
        --state.CurYear;
        clampYear(state);
        break;
    case NavigationCommand::PreviousMonth:
        state.CurDay = 1;
        previousMonth(state);
        break;
    case NavigationCommand::NextMonth:
        state.CurDay = 1;
        nextMonth(state);
        break;
    case NavigationCommand::NextYear:
        state.CurDay = 1;
        ++state.CurYear;
        clampYear(state);
        break;
    case NavigationCommand::Today: {
        // A clock outside the calendar shows the nearest month of it, on today's day of the month
        // where that month has it.
        core::CivilDate shown = today;
        if (today.year < kFirstShownYear)
            shown = {kFirstShownYear, 1, today.day};
        else if (today.year > kLastShownYear)
            shown = {kLastShownYear, 12, today.day};
        shown.day = std::min(shown.day, core::daysInMonth(shown.year, shown.month));
        state = {static_cast<std::int16_t>(shown.year), static_cast<std::int16_t>(shown.month),
                 static_cast<std::int16_t>(shown.day)};
        break;
    }
    }
}

void applyKey(DisplayState& state, int keyCode) {
    switch (keyCode) {
    case RightArrow:
        state.CurDay += 1;
        wrapForward(state);
        break;
    case DownArrow:
        state.CurDay += 7;
        wrapForward(state);
        break;
    case LeftArrow:
        state.CurDay -= 1;
        wrapBackward(state);
        break;
    case UpArrow:
        state.CurDay -= 7;
        wrapBackward(state);
        break;
    case PageUp:
        state.CurDay = 1;
        previousMonth(state);
        break;
    case PageDown:
        state.CurDay = 1;
        nextMonth(state);
        break;
    default:
        break;
    }
}

} // namespace view
