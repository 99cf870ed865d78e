// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DesktopFolder.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <QDir>
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#else
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
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

WriteResult createFolder(const QString& path) {
#ifdef Q_OS_WIN
    if (QDir().mkpath(path))
        return {};
    return {false, QStringLiteral("无法创建文件夹")};
#else
    // Each folder from the top down; one that is there already, as a folder or a link to one, is
    // passed, and a file in the way makes the next step fail with the system's reason.
    const QString clean = QDir::cleanPath(path);
    for (qsizetype slash = clean.indexOf(u'/', 1);; slash = clean.indexOf(u'/', slash + 1)) {
        const QByteArray step = QFile::encodeName(slash < 0 ? clean : clean.left(slash));
        if (::mkdir(step.constData(), 0777) != 0 && errno != EEXIST)
            return failedWith(errno);
        if (slash < 0)
            break;
    }
    struct stat info {};
    if (::stat(QFile::encodeName(clean).constData(), &info) != 0)
        return failedWith(errno);
    return S_ISDIR(info.st_mode) ? WriteResult{} : failedWith(ENOTDIR);
#endif
}

} // namespace platform
