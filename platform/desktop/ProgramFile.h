// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own executable, which the program shortcut on the desktop points to.

#include <QString>

namespace platform {

struct ProgramFile {
    QString name; // the file name without its extension, e.g. "kesparo"
    QString path; // the absolute path, in the system's own separators
};

// The executable of the running process.
ProgramFile runningProgram();

} // namespace platform
