// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internet shortcut files (.url): a section "[InternetShortcut]" with the line "URL=" and the
// link's address, lines ended by CR LF. Windows reads them in its ANSI code page, so they are
// written in it there, and in UTF-8 elsewhere.

#include "platform/desktop/WriteResult.h"

#include <QByteArray>
#include <QString>

namespace platform {

// The whole file for `url`: "[InternetShortcut]" CR LF "URL=" url CR LF.
QByteArray internetShortcutContents(const QString& url);

// The address in the file at `path`, or an empty string when the file cannot be read, is longer
// than kSmallFileLimit bytes or holds none.
QString readInternetShortcut(const QString& path);

// Creates or replaces the file at `path`, whole or not at all, and never through a link.
WriteResult writeInternetShortcut(const QString& path, const QString& url);

} // namespace platform
