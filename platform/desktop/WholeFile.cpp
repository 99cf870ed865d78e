// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/WholeFile.h"

#include "platform/UserFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QDir>
#include <QSaveFile>
#include <windows.h>
#else
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

const QString kLinkInTheWay = QStringLiteral("同名的链接占着这个位置，程序没有改动它");
const QString kFolderInTheWay = QStringLiteral("同名的文件夹占着这个位置，程序没有改动它");
const QString kSpecialFileInTheWay = QStringLiteral("同名的特殊文件占着这个位置，程序没有改动它");

#ifndef Q_OS_WIN

QString obstacleAtName(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return {}; // nothing there, or nothing to see: the write itself will tell
    if (S_ISLNK(info.st_mode))
        return kLinkInTheWay;
    if (S_ISDIR(info.st_mode))
        return kFolderInTheWay;
    if (!S_ISREG(info.st_mode))
        return kSpecialFileInTheWay;
    return {};
}

mode_t modeOf(QFileDevice::Permissions permissions) {
    // Qt keeps the owner's bits at 0x7000 (and the user's, the same on Unix, at 0x700), the group's
    // at 0x70 and the others' at 0x7.
    const auto bits = static_cast<mode_t>(permissions.toInt());
    return ((bits >> 12) & 07) << 6 | ((bits >> 4) & 07) << 3 | (bits & 07);
}

bool writeAll(int descriptor, const QByteArray& contents) {
    for (qsizetype done = 0; done < contents.size();) {
        const ssize_t written =
            ::write(descriptor, contents.constData() + done, std::size_t(contents.size() - done));
        if (written < 0 && errno != EINTR)
            return false;
        done += written > 0 ? written : 0;
    }
    return true;
}

// Creates a new file beside `target`, hidden, that no one else has opened; -1 on failure.
int createBeside(const QByteArray& target, QByteArray& temporary) {
    const QFileInfo info(QFile::decodeName(target));
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = QFile::encodeName(info.path()) + "/." + QFile::encodeName(info.fileName()) + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
        // O_EXCL makes the name ours alone and never follows a link that stands at it.
        const int descriptor =
            ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

#endif

} // namespace

#ifdef Q_OS_WIN

QString obstacleAt(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(native.utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return {};
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return kLinkInTheWay;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return kFolderInTheWay;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return kSpecialFileInTheWay;
    return {};
}

WriteResult writeWholeFile(const QString& path, const QByteArray& contents,
                           QFileDevice::Permissions permissions) {
    if (const QString obstacle = obstacleAt(path); !obstacle.isEmpty())
        return {false, obstacle};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || (permissions && !file.setPermissions(permissions)) ||
        file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

bool isPlainFile(const QString& path) {
    return QFileInfo::exists(path) && obstacleAt(path).isEmpty();
}

#else

WriteResult writeWholeFile(const QString& path, const QByteArray& contents,
                           QFileDevice::Permissions permissions) {
    const QByteArray target = QFile::encodeName(path);
    if (const QString obstacle = obstacleAtName(target); !obstacle.isEmpty())
        return {false, obstacle};
    QByteArray temporary;
    const int descriptor = createBeside(target, temporary);
    if (descriptor < 0)
        return failedWith(errno);
    const bool written = writeAll(descriptor, contents) &&
                         (!permissions || ::fchmod(descriptor, modeOf(permissions)) == 0) &&
                         ::fsync(descriptor) == 0;
    const int writeError = errno;
    if (::close(descriptor) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.constData());
        return failedWith(error);
    }
    // rename() replaces a link itself rather than writing through it; a link or folder that has
    // turned up meanwhile is still not ours to replace.
    if (const QString obstacle = obstacleAtName(target); !obstacle.isEmpty()) {
        ::unlink(temporary.constData());
        return {false, obstacle};
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return failedWith(error);
    }
    return {};
}

QString obstacleAt(const QString& path) {
    return obstacleAtName(QFile::encodeName(path));
}

bool isPlainFile(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

#endif

QByteArray readSmallFile(const QString& path) {
    UserFileRead read = readUserFile(path, kSmallFileLimit);
    return read.outcome == UserFileRead::Outcome::Read ? std::move(read.bytes) : QByteArray();
}

} // namespace platform
