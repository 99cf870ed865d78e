// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kesparo-days: the calendar's answers for a run of days, one TAB-separated line per day, for
// scripts, tests and comparison with other calendars; with --report, the day report of one day
// exactly as the report window holds it; with --ics, the days' events as an iCalendar file.

#include "report/OfficialDaysLoader.h"
#include "report/TextResourceLoader.h"

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <string>

struct DaysCommandResult {
    int exitCode = 0;
    std::string out; // UTF-8
    std::string err; // UTF-8, one line when the command is refused
};

// What the command reads besides its arguments; tests give their own.
struct DaysCommandSources {
    std::function<report::TextResourceLoad()> loadTexts;
    std::function<report::OfficialDaysLoad()> loadOfficialDays;
    std::function<QDateTime()> now; // the moment an iCalendar file is made (its DTSTAMP)

    // The program's own texts, the official days with the user's file, the system clock.
    static DaysCommandSources ofThisSystem();
};

// Runs the command on its arguments (without the program name). The text resources are loaded
// only for --report and the official days only for day lines and --ics, each after the dates
// have been accepted; the official days' warnings go to `err` without changing the exit status.
DaysCommandResult runDaysCommand(const QStringList& arguments,
                                 const DaysCommandSources& sources = DaysCommandSources::ofThisSystem());
