// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/InternetShortcut.h"

#include "platform/desktop/WholeFile.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

#ifdef Q_OS_WIN
constexpr QStringConverter::Encoding kFileEncoding = QStringConverter::System; // the ANSI code page
#else
constexpr QStringConverter::Encoding kFileEncoding = QStringConverter::Utf8;
#endif

} // namespace

QByteArray internetShortcutContents(const QString& url) {
    QStringEncoder encode(kFileEncoding);
    return encode(QStringLiteral("[InternetShortcut]\r\nURL=%1\r\n").arg(url));
}

QString readInternetShortcut(const QString& path) {
    QStringDecoder decode(kFileEncoding);
    const QString text = decode(readSmallFile(path));
    // The address is the URL key of the [InternetShortcut] section; other sections (a browser may
    // add some) and other keys are passed over. Like Windows, names ignore case.
    bool inSection = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'['))
            inSection = line.compare(QLatin1String("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
        else if (inSection && line.startsWith(QLatin1String("URL="), Qt::CaseInsensitive))
            return line.mid(4).toString();
    }
    return {};
}

WriteResult writeInternetShortcut(const QString& path, const QString& url) {
    return writeWholeFile(path, internetShortcutContents(url));
}

} // namespace platform
