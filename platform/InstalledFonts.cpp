#include "platform/InstalledFonts.h"

#include <QFontDatabase>

namespace platform {

QStringList QtInstalledFonts::families() const {
    QStringList names = QFontDatabase::families();
    names.removeIf([](const QString& name) { return QFontDatabase::isPrivateFamily(name); });
    return names;
}

const InstalledFonts& installedFonts() {
    static const QtInstalledFonts fonts;
    return fonts;
}

} // namespace platform
