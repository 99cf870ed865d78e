// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/ShortcutPresence.h"

#include "platform/desktop/WholeFile.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#else
#include <QFileInfo>
#endif

namespace platform {

bool isShortcutPresent(const QString& path) {
    if (!isPlainFile(path))
        return false;
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(native.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
#else
    return !QFileInfo(path).isHidden();
#endif
}

} // namespace platform
