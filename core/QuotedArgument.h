// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An argument as an error message quotes it: in single quotes, on one line, with every control,
// format and line-separator character written as an escape (\n, \x1b, \u202e), so that no
// argument can break the message's line or speak to the terminal.

#include <QString>
#include <string>

namespace core {

inline std::string quotedArgument(const QString& argument) {
    QString text = QStringLiteral("'");
    for (const QChar c : argument) {
        switch (c.unicode()) {
        case u'\\':
            text += QLatin1String("\\\\");
            break;
        case u'\n':
            text += QLatin1String("\\n");
            break;
        case u'\r':
            text += QLatin1String("\\r");
            break;
        case u'\t':
            text += QLatin1String("\\t");
            break;
        default:
            if (c.category() == QChar::Other_Control)
                text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else if (c.category() == QChar::Other_Format || c.category() == QChar::Separator_Line ||
                     c.category() == QChar::Separator_Paragraph)
                text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                text += c;
        }
    }
    return (text + u'\'').toStdString();
}

} // namespace core
