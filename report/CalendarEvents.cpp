// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CalendarEvents.h"

#include "engine/CalendarRange.h"
#include "engine/clsDate.h"

#include <QStringTokenizer>
#include <algorithm>

namespace report {
namespace {

void addEach(std::vector<CalendarEvent>& events, core::DayNumber day, CalendarEventKind kind,
             const QString& names) {
    for (const QStringView name : qTokenize(names, u' ', Qt::SkipEmptyParts))
        events.push_back({day, kind, name.toString()});
}

} // namespace

const CalendarEventKindInfo& calendarEventKindInfo(CalendarEventKind kind) {
    return *std::find_if(kCalendarEventKinds.begin(), kCalendarEventKinds.end(),
                         [kind](const CalendarEventKindInfo& info) { return info.kind == kind; });
}

std::vector<CalendarEvent> calendarEvents(core::DayNumber first, core::DayNumber last,
                                          CalendarEventKinds kinds, const engine::OfficialDays& official) {
    first = std::max(first, engine::kFirstDay);
    last = std::min(last, engine::kLastDay);
    std::vector<CalendarEvent> events;
    clsDate date;
    for (core::DayNumber day = first; day <= last; ++day) {
        const core::CivilDate civil = core::civilDate(day);
        date.sInitDate(civil.year, civil.month, civil.day);
        if (kinds.testFlag(CalendarEventKind::SolarTerm))
            addEach(events, day, CalendarEventKind::SolarTerm, date.lSolarTerm());
        if (kinds.testFlag(CalendarEventKind::SolarFestival))
            addEach(events, day, CalendarEventKind::SolarFestival, date.sHoliday());
        if (kinds.testFlag(CalendarEventKind::LunarFestival))
            addEach(events, day, CalendarEventKind::LunarFestival, date.lHoliday());
        if (kinds.testFlag(CalendarEventKind::WeekdayFestival))
            addEach(events, day, CalendarEventKind::WeekdayFestival, date.wHoliday());
        if (const engine::OfficialDay* entry = official.find(day)) {
            const CalendarEventKind kind = entry->kind == engine::OfficialDayKind::DayOff
                                               ? CalendarEventKind::OfficialDayOff
                                               : CalendarEventKind::OfficialWorkingDay;
            if (kinds.testFlag(kind))
                events.push_back({day, kind, entry->label()});
        }
    }
    return events;
}

} // namespace report
