// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar's events as an iCalendar file (RFC 5545), for kesparo-days --ics and the window's
// export: one VCALENDAR of all-day VEVENTs, UTF-8, CR LF line ends, long lines folded.
//
// Each event starts on its day (DTSTART;VALUE=DATE) and ends before the next (DTEND), is marked
// free time (TRANSP:TRANSPARENT) so that it blocks no one's diary, and has SUMMARY (its title)
// and CATEGORIES (its kind) in Chinese. Its UID comes from its day, kind and title alone, so a
// second export of the same days gives every event the same UID again and a calendar program
// updates what it imported before instead of doubling it.

#include "report/CalendarEvents.h"

#include <QByteArray>
#include <QDateTime>
#include <vector>

namespace report {

// The calendar text of `events`; `stamp` is the moment of the export (DTSTAMP, written in UTC).
QByteArray iCalendarText(const std::vector<CalendarEvent>& events, const QDateTime& stamp);

// The calendar text of the events calendarEvents() finds for these days and kinds.
QByteArray iCalendarText(core::DayNumber first, core::DayNumber last, CalendarEventKinds kinds,
                         const engine::OfficialDays& official, const QDateTime& stamp);

} // namespace report
