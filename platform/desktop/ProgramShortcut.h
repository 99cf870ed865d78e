// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop shortcut that starts the program: a shell link (.lnk) on Windows, a freedesktop
// launcher (.desktop) elsewhere.

#include "platform/desktop/ProgramFile.h"
#include "platform/desktop/WriteResult.h"

#include <QString>

namespace platform {

// The shortcut's file name for `program`: its name and the platform's shortcut extension.
QString programShortcutFileName(const ProgramFile& program);

// The program that the shortcut at `path` starts, or an empty string when it cannot be read (or it
// is no plain file).
QString readProgramShortcut(const QString& path);

// Creates or replaces the shortcut at `path` so that it starts `program` without arguments; the
// launcher of freedesktop desktops also names the program's installed icon, the shell link sets
// nothing else. Whole or not at all, and never through a link.
WriteResult writeProgramShortcut(const QString& path, const ProgramFile& program);

} // namespace platform
