// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Screen.h"

#include "core/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

ScreenGeometry QtScreen::geometry() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {core::pixelsToTwips(screen->geometry()), core::pixelsToTwips(screen->availableGeometry())};
}

const Screen& primaryScreen() {
    static const QtScreen screen;
    return screen;
}

} // namespace platform
