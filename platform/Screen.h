// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen the windows live on: its size, its work area (the screen less the taskbar) and its
// twips per pixel. Behind an interface so that tests can give any screen and taskbar.

#include <QRect>

namespace platform {

struct ScreenGeometry {
    QRect screenTwips;   // the whole screen
    QRect workAreaTwips; // the screen less the taskbar and other docked bars
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual ScreenGeometry geometry() const = 0;
};

// The primary screen as Qt reports it.
class QtScreen final : public Screen {
public:
    ScreenGeometry geometry() const override;
};

// The process-wide primary screen.
const Screen& primaryScreen();

} // namespace platform
