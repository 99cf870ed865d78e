#pragma once
// The three shortcuts that the promotion window offers to put on the desktop of all users: an
// internet shortcut to the online shop, one to the shopping guide's mall directory, and a shortcut
// that starts the program. The presence check and every write use the same folder, the one the
// platform reports, so shortcuts once added are found again.

#include "platform/desktop/DesktopFolder.h"
#include "platform/desktop/ProgramFile.h"
#include "platform/desktop/YesNoQuestion.h"

namespace promo {

class DesktopShortcuts {
public:
    DesktopShortcuts(const platform::DesktopFolder& folder, platform::YesNoQuestion& question,
                     platform::ProgramFile program);

    // True when all three shortcuts are on the desktop (as plain, visible files).
    bool allPresent() const;

    // AddDesktopShortcuts: unless all three are there, asks the user and after Yes writes the
    // missing ones and rewrites those that point elsewhere. Each shortcut is written whole or not
    // at all; one that cannot be written is left as it was, and the others are still written.
    void add();

private:
    QString shopPath() const;
    QString mallGuidePath() const;
    QString programPath() const;

    const platform::DesktopFolder& folder_;
    platform::YesNoQuestion& question_;
    platform::ProgramFile program_;
};

} // namespace promo
