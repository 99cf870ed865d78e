// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/WebShortcut.h"

#include "platform/desktop/WholeFile.h"

#ifdef Q_OS_WIN
#include "platform/desktop/InternetShortcut.h"
#else
#include "platform/desktop/DesktopLauncher.h"
#endif

namespace platform {

#ifdef Q_OS_WIN

QString webShortcutFileName(const QString& caption) {
    return caption + QLatin1String(".url");
}

QString readWebShortcut(const QString& path) {
    return readInternetShortcut(path);
}

WriteResult writeWebShortcut(const QString& path, const QString&, const QString& url) {
    return writeInternetShortcut(path, url);
}

#else

QString webShortcutFileName(const QString& caption) {
    return caption + QLatin1String(".desktop");
}

QString readWebShortcut(const QString& path) {
    return desktopLinkUrl(readSmallFile(path));
}

WriteResult writeWebShortcut(const QString& path, const QString& caption, const QString& url) {
    return writeWholeFile(path, desktopLinkContents(caption, url));
}

#endif

} // namespace platform
