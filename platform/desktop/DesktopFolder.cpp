#include "platform/desktop/DesktopFolder.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <QDir>
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#else
#include <QStandardPaths>
#endif

namespace platform {

QString AllUsersDesktop::path() const {
#ifdef Q_OS_WIN
    PWSTR folder = nullptr;
    QString result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_PublicDesktop, 0, nullptr, &folder)))
        result = QDir::fromNativeSeparators(QString::fromWCharArray(folder));
    CoTaskMemFree(folder);
    return result;
#else
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
#endif
}

const DesktopFolder& allUsersDesktop() {
    static const AllUsersDesktop folder;
    return folder;
}

} // namespace platform
