// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar's days as events, for export to other calendars: each solar term, festival and
// official day of a run of days is one event with a day, a kind and a title in Chinese.
//
// A festival name that holds several festivals (the tables separate them by one space, as
// "植树节 孙中山逝世纪念日") gives one event for each: they are different festivals that happen to
// share a date, and a calendar program lists, searches and hides them one by one.

#include "core/DayNumber.h"
#include "engine/OfficialDays.h"

#include <QFlags>
#include <QString>
#include <array>
#include <vector>

namespace report {

enum class CalendarEventKind : unsigned {
    SolarTerm = 1 << 0,          // 节气 (clsDate::lSolarTerm)
    SolarFestival = 1 << 1,      // on a fixed solar date (clsDate::sHoliday)
    LunarFestival = 1 << 2,      // on a fixed lunar date, and 除夕 (clsDate::lHoliday)
    WeekdayFestival = 1 << 3,    // on the n-th weekday of a month (clsDate::wHoliday)
    OfficialDayOff = 1 << 4,     // 休 of the official arrangements
    OfficialWorkingDay = 1 << 5, // 班 of the official arrangements
};
Q_DECLARE_FLAGS(CalendarEventKinds, CalendarEventKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(CalendarEventKinds)

struct CalendarEventKindInfo {
    CalendarEventKind kind;
    const char16_t* category; // the event's category in Chinese, also what a choice of kinds shows
    const char* slug;         // short ASCII name, part of the event's UID
};

// Every kind, in the order in which a day's events are listed.
inline constexpr std::array<CalendarEventKindInfo, 6> kCalendarEventKinds = {{
    {CalendarEventKind::SolarTerm, u"节气", "term"},
    {CalendarEventKind::SolarFestival, u"公历节日", "solar"},
    {CalendarEventKind::LunarFestival, u"农历节日", "lunar"},
    {CalendarEventKind::WeekdayFestival, u"按周节日", "weekday"},
    {CalendarEventKind::OfficialDayOff, u"放假", "off"},
    {CalendarEventKind::OfficialWorkingDay, u"调休上班", "work"},
}};

inline constexpr CalendarEventKinds kAllCalendarEventKinds = [] {
    CalendarEventKinds all;
    for (const CalendarEventKindInfo& info : kCalendarEventKinds)
        all |= info.kind;
    return all;
}();

const CalendarEventKindInfo& calendarEventKindInfo(CalendarEventKind kind);

struct CalendarEvent {
    core::DayNumber day = 0;
    CalendarEventKind kind = CalendarEventKind::SolarTerm;
    QString title; // 立春, 国庆节, 休 国庆节, ...

    friend bool operator==(const CalendarEvent&, const CalendarEvent&) = default;
};

// The events of the kinds `kinds` on the days first..last, in day order and, within a day, in
// the order of kCalendarEventKinds. Days outside the calendar's range (engine/CalendarRange.h)
// have no events.
std::vector<CalendarEvent> calendarEvents(core::DayNumber first, core::DayNumber last,
                                          CalendarEventKinds kinds, const engine::OfficialDays& official);

} // namespace report
