// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small files in a folder that others can write to, such as the desktop. A file is written whole or
// not at all: the bytes go to a new file beside it, which then takes its name in one rename, so a
// reader never sees half a file and a failed write leaves the old file, or none, as it was. A file
// is read only when it is small. Neither ever goes through a symbolic link, nor into a
// folder, pipe or device: what stands at the name and is no plain file is left as it is; a write
// says so, and a read finds nothing.

#include "platform/desktop/WriteResult.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace platform {

// The files read here are a few hundred bytes; one longer than this is none of ours.
inline constexpr qint64 kSmallFileLimit = 64 * 1024;

// Writes `contents` to `path`, creating or replacing a plain file, and gives it `permissions` when
// they are given (a new file otherwise gets the usual ones, and a replaced one loses its own).
WriteResult writeWholeFile(const QString& path, const QByteArray& contents,
                           QFileDevice::Permissions permissions = {});

// The plain file at `path` when it holds at most kSmallFileLimit bytes; empty when there is none,
// or a longer one.
QByteArray readSmallFile(const QString& path);

// Whether a plain file (not a link to one) is at `path`.
bool isPlainFile(const QString& path);

// What stands at `path` and is no plain file (a link, a folder, a pipe, a device), in words for the
// user; empty when a plain file or nothing does.
QString obstacleAt(const QString& path);

} // namespace platform
