#pragma once
// kesparo-days: the calendar's answers for a run of days, one TAB-separated line per day, for
// scripts, tests and comparison with other calendars.

#include <QStringList>
#include <string>

struct DaysCommandResult {
    int exitCode = 0;
    std::string out; // UTF-8
    std::string err; // UTF-8, one line when the arguments are refused
};

// Runs the command on its arguments (without the program name).
DaysCommandResult runDaysCommand(const QStringList& arguments);
