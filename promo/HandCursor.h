// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hand cursor over the promotion window's links: a 32 × 32 monochrome pointing hand with its
// hot spot at the tip of the index finger, (6, 0). Drawn here rather than taken from the system,
// so that it looks the same on every desktop.

#include <QCursor>

namespace promo {

QCursor handCursor();

} // namespace promo
