#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file beside the target, which
// then replaces the target in one rename. A reader never sees half a file, and a failed write
// leaves the old file, or no file, as it was.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace platform {

// Writes `contents` to `path`, creating or replacing the file, and gives it `permissions` when they
// are given. Returns whether the file was written.
bool writeWholeFile(const QString& path, const QByteArray& contents,
                    QFileDevice::Permissions permissions = {});

} // namespace platform
