#pragma once
// kesparo-days: the calendar's answers for a run of days, one TAB-separated line per day, for
// scripts, tests and comparison with other calendars; with --report, the day report of one day
// exactly as the report window holds it.

#include "report/TextResourceLoader.h"

#include <QStringList>
#include <functional>
#include <string>

struct DaysCommandResult {
    int exitCode = 0;
    std::string out; // UTF-8
    std::string err; // UTF-8, one line when the command is refused
};

// Runs the command on its arguments (without the program name). The text resources are loaded
// only for --report, after its date has been accepted.
DaysCommandResult runDaysCommand(const QStringList& arguments);

// The same with the text resources from loadTexts, so that tests can make loading fail.
DaysCommandResult runDaysCommand(const QStringList& arguments,
                                 const std::function<report::TextResourceLoad()>& loadTexts);
