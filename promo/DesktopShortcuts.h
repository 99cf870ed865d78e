// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three shortcuts that the promotion window offers to put on the desktop of all users: a web
// shortcut to the online shop, one to the shopping guide's mall directory, and a shortcut that
// starts the program (platform/desktop/WebShortcut.h and ProgramShortcut.h say in which forms). The presence
// check and every write use the same folder, the one the platform reports, so shortcuts once added are found
// again. Nothing that fails is passed over in silence: the user is told which files could not be written, and
// why.

#include "platform/desktop/DesktopFolder.h"
#include "platform/desktop/ErrorMessage.h"
#include "platform/desktop/ProgramFile.h"
#include "platform/desktop/YesNoQuestion.h"

namespace promo {

class DesktopShortcuts {
public:
    DesktopShortcuts(const platform::DesktopFolder& folder, platform::YesNoQuestion& question,
                     platform::ErrorMessage& errorMessage, platform::ProgramFile program);

    // True when all three shortcuts are on the desktop (as plain, visible files).
    bool allPresent() const;

    // AddDesktopShortcuts: unless all three are there, asks the user and after Yes creates the
    // desktop folder if it is missing, writes the missing shortcuts and rewrites those that point
    // elsewhere. Each shortcut is written whole or not at all, and never through a link or over
    // anything but a plain file; one that cannot be written is left as it was, the others are
    // still written, and one message names every file that could not be written and why.
    void add();

private:
    void mendWebShortcut(const QString& path, const QString& caption, const QString& target,
                         QStringList& failures);
    void mendProgramShortcut(QStringList& failures);
    QString shopPath() const;
    QString mallGuidePath() const;
    QString programPath() const;

    const platform::DesktopFolder& folder_;
    platform::YesNoQuestion& question_;
    platform::ErrorMessage& errorMessage_;
    platform::ProgramFile program_;
};

} // namespace promo
