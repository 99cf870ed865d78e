// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/ProgramShortcut.h"

#include "platform/desktop/WholeFile.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <QDir>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#else
#include "platform/desktop/DesktopLauncher.h"
#endif

namespace platform {

#ifdef Q_OS_WIN

namespace {

LPCWSTR wide(const QString& text) {
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

// COM for the calling thread for as long as it lives; Qt's own initialisation of the GUI thread
// counts, and is then only balanced, not undone.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

// Owns one reference to a COM interface.
template <typename Interface> class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_)
            pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface* operator->() const { return pointer_; }
    void** out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

} // namespace

QString programShortcutFileName(const ProgramFile& program) {
    return program.name + QLatin1String(".lnk");
}

QString readProgramShortcut(const QString& path) {
    if (!isPlainFile(path))
        return {};
    ComApartment com;
    ComRef<IShellLinkW> link;
    ComRef<IPersistFile> file;
    if (FAILED(
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
        FAILED(file->Load(wide(QDir::toNativeSeparators(path)), STGM_READ)))
        return {};
    wchar_t target[MAX_PATH] = {};
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK)
        return {};
    return QString::fromWCharArray(target);
}

WriteResult writeProgramShortcut(const QString& path, const ProgramFile& program) {
    // The link is saved beside the target under another name and then moved over it, so that a
    // failed save never leaves half a link behind. What stands at the name and is no plain file is
    // left alone: MoveFileEx would replace a link or fail on a folder.
    if (const QString obstacle = obstacleAt(path); !obstacle.isEmpty())
        return {false, obstacle};
    const QString native = QDir::toNativeSeparators(path);
    const QString temporary = native + QLatin1String(".part");
    ComApartment com;
    ComRef<IShellLinkW> link;
    ComRef<IPersistFile> file;
    HRESULT result =
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out());
    if (SUCCEEDED(result))
        result = link->SetPath(wide(program.path));
    if (SUCCEEDED(result))
        result = link->QueryInterface(IID_IPersistFile, file.out());
    if (SUCCEEDED(result))
        result = file->Save(wide(temporary), TRUE);
    if (FAILED(result)) {
        DeleteFileW(wide(temporary));
        return {false, QStringLiteral("系统无法保存快捷方式（错误 0x%1）")
                           .arg(quint32(result), 8, 16, QLatin1Char('0'))};
    }
    if (MoveFileExW(wide(temporary), wide(native), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const DWORD error = GetLastError();
    DeleteFileW(wide(temporary));
    return {false, QStringLiteral("系统无法保存快捷方式（错误 %1）").arg(error)};
}

#else

QString programShortcutFileName(const ProgramFile& program) {
    return program.name + QLatin1String(".desktop");
}

QString readProgramShortcut(const QString& path) {
    return desktopLauncherProgram(readSmallFile(path));
}

WriteResult writeProgramShortcut(const QString& path, const ProgramFile& program) {
    // File managers start only launchers that are executable.
    constexpr QFileDevice::Permissions kLauncherPermissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
        QFileDevice::WriteUser | QFileDevice::ExeUser | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
        QFileDevice::ReadOther | QFileDevice::ExeOther;
    return writeWholeFile(path, desktopLauncherContents(program), kLauncherPermissions);
}

#endif

} // namespace platform
