#pragma once
// Freedesktop launchers (.desktop files), the program shortcut on desktops other than Windows. A
// launcher here holds only what the format requires: its type, its name and the program it starts.

#include "platform/desktop/ProgramFile.h"

#include <QByteArray>
#include <QString>

namespace platform {

// The whole UTF-8 file of a launcher that starts `program` without arguments.
QByteArray desktopLauncherContents(const ProgramFile& program);

// The program that the launcher in `contents` starts (the first word of its Exec key, unquoted and
// unescaped), or an empty string when it names none.
QString desktopLauncherProgram(const QByteArray& contents);

} // namespace platform
