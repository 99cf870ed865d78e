// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar's own command line, read before any window or display is needed: --help and
// --version answer on stdout; any other argument is refused with one line on stderr. The calendar
// takes no other arguments (toolkit settings go through the environment, as QT_SCALE_FACTOR).

#include <QStringList>
#include <optional>
#include <string>

namespace app {

struct CommandLineAnswer {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// The answer to `arguments` (without the program name), or nothing when the calendar should start.
std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments);

} // namespace app
