#include "platform/desktop/ShortcutPresence.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#else
#include <QFileInfo>
#endif

namespace platform {

bool isShortcutPresent(const QString& path) {
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(native.utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
#else
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
#endif
}

} // namespace platform
