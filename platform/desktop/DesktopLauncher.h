// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Freedesktop desktop entries (.desktop files), the desktop shortcuts on desktops other than
// Windows: a launcher (Type=Application) that starts the program, with the installed icon, and a
// link (Type=Link) that opens a web page. Each holds what the format requires and little more.

#include "platform/desktop/ProgramFile.h"

#include <QByteArray>
#include <QString>

namespace platform {

// The whole UTF-8 file of a launcher that starts `program` without arguments, shown with the
// program's installed icon.
QByteArray desktopLauncherContents(const ProgramFile& program);

// The program that the launcher in `contents` starts (the first word of its Exec key, unquoted and
// unescaped), or an empty string when it names none.
QString desktopLauncherProgram(const QByteArray& contents);

// The whole UTF-8 file of a link entry named `name` that opens `url`.
QByteArray desktopLinkContents(const QString& name, const QString& url);

// The address that the link entry in `contents` opens (its URL key), or an empty string.
QString desktopLinkUrl(const QByteArray& contents);

} // namespace platform
