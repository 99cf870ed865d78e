// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the month grid and the navigation commands, with the clamps at both ends of
// 1901..2049 and a clock outside them.

#include "view/Navigation.h"

#include <gtest/gtest.h>

using view::DisplayState;

TEST(Navigation, Keys) {
    const struct {
        DisplayState from;
        int key;
        DisplayState to;
    } steps[] = {
        {{2013, 1, 28}, view::DownArrow, {2013, 2, 1}}, // past the end: day 1, not the same weekday
        {{2012, 3, 3}, view::UpArrow, {2012, 2, 29}},   // before the start: the last day
        {{2013, 3, 1}, view::LeftArrow, {2013, 2, 28}},   {{2013, 1, 31}, view::RightArrow, {2013, 2, 1}},
        {{2013, 1, 15}, view::RightArrow, {2013, 1, 16}}, {{2013, 1, 15}, view::DownArrow, {2013, 1, 22}},
        {{2013, 12, 31}, view::RightArrow, {2014, 1, 1}}, {{2014, 1, 1}, view::LeftArrow, {2013, 12, 31}},
        {{2049, 12, 31}, view::RightArrow, {2049, 1, 1}}, // the year is clamped alone
        {{1901, 1, 1}, view::LeftArrow, {1901, 12, 31}},  {{2049, 12, 15}, view::PageDown, {2049, 1, 1}},
        {{1901, 1, 15}, view::PageUp, {1901, 12, 1}},     {{2013, 3, 31}, view::PageUp, {2013, 2, 1}},
        {{2013, 3, 31}, Qt::Key_Home, {2013, 3, 31}}};
    for (const auto& step : steps) {
        DisplayState state = step.from;
        view::applyKey(state, step.key);
        EXPECT_EQ(state, step.to) << "row " << &step - steps;
    }
}

// Steps onto day 1; 转到今天 (today) outside the calendar shows the nearest month of it, on
// today's day of the month where that month has it.
TEST(Navigation, Commands) {
    using enum view::NavigationCommand;
    const struct {
        DisplayState from;
        view::NavigationCommand command;
        DisplayState to;
        core::CivilDate today = {2026, 12, 6};
    } rows[] = {{{1901, 1, 20}, PreviousMonth, {1901, 12, 1}},
                {{2049, 12, 20}, NextMonth, {2049, 1, 1}},
                {{1901, 5, 20}, PreviousYear, {1901, 5, 1}},
                {{2049, 5, 20}, NextYear, {2049, 5, 1}},
                {{2009, 1, 20}, PreviousMonth, {2008, 12, 1}},
                {{2009, 12, 20}, NextMonth, {2010, 1, 1}},
                {{2009, 3, 31}, PreviousYear, {2008, 3, 1}},
                {{2009, 3, 31}, NextYear, {2010, 3, 1}},
                {{1905, 3, 31}, Today, {2026, 12, 6}},
                {{1905, 3, 31}, Today, {2049, 12, 31}, {2060, 5, 31}},
                {{1905, 3, 31}, Today, {1901, 1, 28}, {1899, 2, 28}},
                {{1905, 3, 31}, Today, {2049, 12, 15}, {2050, 1, 15}}};
    for (const auto& row : rows) {
        DisplayState state = row.from;
        view::navigate(state, row.command, row.today);
        EXPECT_EQ(state, row.to) << "row " << &row - rows;
    }
}
