// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows ask for their Chinese text in "宋体" (SimSun). Where that face is not installed,
// Qt is told to use another Song-style Chinese face instead, so Chinese text never shows as boxes.

#include <QFont>
#include <QString>

namespace platform {

inline const QString kSongFace = QStringLiteral("宋体");

// Registers the fallbacks of "宋体"; call once after the application object exists.
void installSongFallbacks();

// "宋体" at the given point size and weight.
QFont songFont(qreal pointSize, bool bold = false);

} // namespace platform
