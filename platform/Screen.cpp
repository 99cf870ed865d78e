#include "platform/Screen.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

ScreenGeometry QtScreen::geometry() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {pixelsToTwips(screen->geometry()), pixelsToTwips(screen->availableGeometry()), kTwipsPerPixel,
            kTwipsPerPixel};
}

const Screen& primaryScreen() {
    static const QtScreen screen;
    return screen;
}

} // namespace platform
