// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A desktop shortcut that opens a web page, in the form the platform's file manager opens: an
// internet shortcut (.url) on Windows, a freedesktop link entry (.desktop, Type=Link) elsewhere.
// Its caption is its file name, less the extension, and on Linux also its Name.

#include "platform/desktop/WriteResult.h"

#include <QString>

namespace platform {

// The file name of the shortcut with this caption: the caption and the platform's extension.
QString webShortcutFileName(const QString& caption);

// The address the shortcut at `path` opens (read from its first bytes only), or an empty string
// when it cannot be read, is no plain file or holds none.
QString readWebShortcut(const QString& path);

// Creates or replaces the shortcut at `path`, whole or not at all, and never through a link.
WriteResult writeWebShortcut(const QString& path, const QString& caption, const QString& url);

} // namespace platform
