// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop folder that every user of the machine sees, where the desktop shortcuts go, and
// making sure it is there. Behind an interface so that tests can use a temporary folder.

#include "platform/desktop/WriteResult.h"

#include <QString>

namespace platform {

class DesktopFolder {
public:
    virtual ~DesktopFolder() = default;
    // The folder's path with '/' separators, or an empty string when the system names none.
    virtual QString path() const = 0;
};

// On Windows the public desktop, which the desktops of all users show; elsewhere, where a desktop
// is each user's own, the user's desktop folder.
class AllUsersDesktop final : public DesktopFolder {
public:
    QString path() const override;
};

// The process-wide desktop of all users.
const DesktopFolder& allUsersDesktop();

// Makes sure a folder is at `path`: creates it, and the folders above it, where they are missing,
// with the usual permissions (what the umask leaves of everyone's).
WriteResult createFolder(const QString& path);

} // namespace platform
