// Navigation commands and the keys of the month grid, with the clamps at both ends of 1901..2049.

#include "view/Navigation.h"

#include <gtest/gtest.h>

using view::DisplayState;

namespace {
struct Step {
    DisplayState from;
    int key;
    DisplayState to;
};
} // namespace

TEST(Navigation, Keys) {
    const Step steps[] = {
        {{2013, 1, 28}, view::DownArrow, {2013, 2, 1}}, // past the end: day 1, not the same weekday
        {{2012, 3, 3}, view::UpArrow, {2012, 2, 29}},   // before the start: the last day
        {{2013, 3, 1}, view::LeftArrow, {2013, 2, 28}},
        {{2013, 1, 31}, view::RightArrow, {2013, 2, 1}},
        {{2013, 1, 15}, view::RightArrow, {2013, 1, 16}},
        {{2013, 1, 15}, view::DownArrow, {2013, 1, 22}},
        {{2013, 1, 15}, view::UpArrow, {2013, 1, 8}},
        {{2013, 12, 31}, view::RightArrow, {2014, 1, 1}},
        {{2014, 1, 1}, view::LeftArrow, {2013, 12, 31}},
        {{2049, 12, 31}, view::RightArrow, {2049, 1, 1}}, // the year is clamped alone
        {{2049, 12, 28}, view::DownArrow, {2049, 1, 1}},
        {{1901, 1, 1}, view::LeftArrow, {1901, 12, 31}},
        {{1901, 1, 3}, view::UpArrow, {1901, 12, 31}},
        {{2049, 12, 15}, view::PageDown, {2049, 1, 1}},
        {{1901, 1, 15}, view::PageUp, {1901, 12, 1}},
        {{2013, 3, 31}, view::PageUp, {2013, 2, 1}},
        {{2013, 3, 31}, view::PageDown, {2013, 4, 1}},
        {{2013, 3, 31}, Qt::Key_Home, {2013, 3, 31}},
        {{2013, 3, 31}, 0, {2013, 3, 31}}};
    for (const Step& step : steps) {
        DisplayState state = step.from;
        view::applyKey(state, step.key);
        EXPECT_EQ(state, step.to) << step.from.CurYear << "-" << step.from.CurMonth << "-" << step.from.CurDay
                                  << " key " << step.key;
    }
}

TEST(Navigation, Commands) {
    using view::NavigationCommand;
    const core::CivilDate today{2026, 12, 6};
    const struct {
        DisplayState from;
        NavigationCommand command;
        DisplayState to;
    } steps[] = {{{1901, 1, 20}, NavigationCommand::PreviousMonth, {1901, 12, 1}},
                 {{2049, 12, 20}, NavigationCommand::NextMonth, {2049, 1, 1}},
                 {{1901, 5, 20}, NavigationCommand::PreviousYear, {1901, 5, 1}},
                 {{2049, 5, 20}, NavigationCommand::NextYear, {2049, 5, 1}},
                 {{2009, 1, 20}, NavigationCommand::PreviousMonth, {2008, 12, 1}},
                 {{2009, 12, 20}, NavigationCommand::NextMonth, {2010, 1, 1}},
                 {{2009, 3, 31}, NavigationCommand::PreviousYear, {2008, 3, 1}},
                 {{2009, 3, 31}, NavigationCommand::NextYear, {2010, 3, 1}},
                 {{1905, 3, 31}, NavigationCommand::Today, {2026, 12, 6}}};
    for (const auto& step : steps) {
        DisplayState state = step.from;
        view::navigate(state, step.command, today);
        EXPECT_EQ(state, step.to) << static_cast<int>(step.command);
    }
}
