// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstalledFonts.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QSet>

namespace platform {

QStringList withoutFoundries(const QStringList& names) {
    static const QRegularExpression foundryTag(QStringLiteral(" \\[[^\\]]*\\]$"));
    QStringList families;
    QSet<QString> seen;
    for (QString name : names) {
        name.remove(foundryTag);
        if (!seen.contains(name)) {
            seen.insert(name);
            families << name;
        }
    }
    return families;
}

QStringList QtInstalledFonts::families() const {
    QStringList names = QFontDatabase::families();
    names.removeIf([](const QString& name) { return QFontDatabase::isPrivateFamily(name); });
    return withoutFoundries(names);
}

const InstalledFonts& installedFonts() {
    static const QtInstalledFonts fonts;
    return fonts;
}

} // namespace platform
