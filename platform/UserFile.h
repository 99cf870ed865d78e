// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that others write and the program reads, such as the user's holiday file or a shortcut on
// the desktop, read with care: they may be missing, huge, a folder, a link or a pipe. Only a regular
// file of bounded size is read; anything else is refused with a reason, never a hang or a crash.

#include <QByteArray>
#include <QString>

namespace platform {

// Where the user's own official days live: $XDG_DATA_HOME/kesparo/holidays.tsv, by default
// ~/.local/share/kesparo/holidays.tsv (on Windows under the local application data folder).
QString userHolidayFilePath();

struct UserFileRead {
    enum class Outcome {
        Read,    // bytes holds the whole file
        Absent,  // there is no file: nothing to read, nothing wrong
        Refused, // problem says why the file was not read
    };
    Outcome outcome = Outcome::Absent;
    QByteArray bytes;
    QString problem; // for the user: "not a regular file", "larger than 1048576 bytes", ...
};

// Reads the regular file at `path` (a symbolic link there is refused, not followed) when it holds
// at most `maxBytes` bytes.
UserFileRead readUserFile(const QString& path, qint64 maxBytes);

} // namespace platform
