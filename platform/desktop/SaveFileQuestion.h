// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking the user where to save a file: the system's own save dialog, modal.

#include <QString>

namespace platform {

// The path the user chose under the caption `title`, starting at `suggestedPath` and showing the
// files `filter` names (as "iCalendar (*.ics)"); empty when the user cancelled.
QString askWhereToSave(const QString& title, const QString& suggestedPath, const QString& filter);

} // namespace platform
