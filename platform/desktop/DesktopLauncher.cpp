// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DesktopLauncher.h"

#include <QList>
#include <QStringView>

namespace platform {

namespace {

// A value of type string: backslash and control characters take the format's escapes.
QString escapeValue(const QString& text) {
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapeValue(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case u's':
            out += u' ';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'r':
            out += u'\r';
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

// The Exec key is read in three layers, outermost first: string escapes, then the quoting of
// arguments (inside double quotes a backslash escapes '"', '`', '$' and '\'), then field codes, in
// which a literal '%' is "%%". Writing applies them in the opposite order.
QString execArgument(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return quoted + u'"';
}

QString firstExecArgument(QStringView exec) {
    exec = exec.trimmed();
    QString word;
    if (exec.startsWith(u'"')) {
        for (qsizetype i = 1; i < exec.size() && exec[i] != u'"'; ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size())
                ++i;
            word += exec[i];
        }
    } else {
        for (qsizetype i = 0; i < exec.size() && !exec[i].isSpace(); ++i)
            word += exec[i];
    }
    return word.replace(QLatin1String("%%"), QLatin1String("%"));
}

// The unescaped value of `key` in the [Desktop Entry] group of `contents`, or an empty string.
QString entryValue(const QByteArray& contents, QLatin1String key) {
    const QString text = QString::fromUtf8(contents);
    bool inEntry = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0 && line.left(equals).trimmed() == key)
            return unescapeValue(line.mid(equals + 1).trimmed());
    }
    return {};
}

} // namespace

QByteArray desktopLauncherContents(const ProgramFile& program) {
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nIcon=%3\n")
        .arg(escapeValue(program.name), escapeValue(execArgument(program.path)),
             QStringLiteral(KESPARO_APP_ID))
        .toUtf8();
}

QString desktopLauncherProgram(const QByteArray& contents) {
    return firstExecArgument(entryValue(contents, QLatin1String("Exec")));
}

QByteArray desktopLinkContents(const QString& name, const QString& url) {
    return QStringLiteral("[Desktop Entry]\nType=Link\nName=%1\nURL=%2\n")
        .arg(escapeValue(name), escapeValue(url))
        .toUtf8();
}

QString desktopLinkUrl(const QByteArray& contents) {
    return entryValue(contents, QLatin1String("URL"));
}

} // namespace platform
