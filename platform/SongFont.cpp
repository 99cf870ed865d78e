// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SongFont.h"

#include <QStringList>

namespace platform {

void installSongFallbacks() {
    // Song (Ming) faces first, then any Chinese face, in the order Qt should try them.
    const QStringList fallbacks = {
        QStringLiteral("SimSun"),
        QStringLiteral("NSimSun"),
        QStringLiteral("AR PL UMing CN"),
        QStringLiteral("AR PL UMing TW"),
        QStringLiteral("AR PL UMing HK"),
        QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Source Han Serif SC"),
        QStringLiteral("Songti SC"),
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Microsoft YaHei"),
    };
    QFont::insertSubstitutions(kSongFace, fallbacks);
}

QFont songFont(qreal pointSize, bool bold) {
    QFont font(kSongFace);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace platform
