// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFile.h"

#include <QStandardPaths>

#include <QFile>
#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

UserFileRead refused(QString problem) {
    return {UserFileRead::Outcome::Refused, {}, std::move(problem)};
}

QString tooLarge(qint64 maxBytes) {
    return QStringLiteral("larger than %1 bytes").arg(maxBytes);
}

} // namespace

QString userHolidayFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/kesparo/holidays.tsv");
}

#ifdef Q_OS_WIN

UserFileRead readUserFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (info.isSymLink() || info.isShortcut())
        return refused(QStringLiteral("a link, not a regular file"));
    if (!info.isFile())
        return refused(QStringLiteral("not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return refused(tooLarge(maxBytes));
    return {UserFileRead::Outcome::Read, std::move(bytes), {}};
}

#else

UserFileRead readUserFile(const QString& path, qint64 maxBytes) {
    // O_NOFOLLOW refuses a link in the last place of the path; O_NONBLOCK keeps a named pipe from
    // blocking the open, and fstat then refuses it with anything else that is no regular file.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return {};
        if (error == ELOOP)
            return refused(QStringLiteral("a symbolic link, not a regular file"));
        return refused(QString::fromLocal8Bit(std::strerror(error)));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return refused(QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(status.st_mode))
        return refused(QStringLiteral("not a regular file"));

    // Read until the end or past the bound, whatever size fstat said: the file may be growing.
    QByteArray bytes;
    bytes.reserve(std::min<qint64>(status.st_size, maxBytes) + 1);
    char chunk[16384];
    while (bytes.size() <= maxBytes) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return refused(QString::fromLocal8Bit(std::strerror(errno)));
        if (count == 0)
            break;
        bytes.append(chunk, count);
    }
    if (bytes.size() > maxBytes)
        return refused(tooLarge(maxBytes));
    return {UserFileRead::Outcome::Read, std::move(bytes), {}};
}

#endif

} // namespace platform
