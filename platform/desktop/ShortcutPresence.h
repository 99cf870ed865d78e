// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a shortcut file counts as present on the desktop.

#include <QString>

namespace platform {

// True when `path` names a plain file that a directory listing shows: a link (even to a shortcut),
// a folder or another special file of that name, a hidden file or (on Windows) a system file
// counts as absent.
bool isShortcutPresent(const QString& path);

} // namespace platform
