// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/WindowLayout.h"

namespace view {

ControlLayout layoutControls(QSize clientTwips) {
    ControlLayout layout;
    const int width = clientTwips.width();
    layout.combo = QRect({width - kComboTwips.width() - kEdgeGapTwips, kComboTopTwips}, kComboTwips);
    layout.toolbar =
        QRect({layout.combo.left() - kToolbarTwips.width() - kEdgeGapTwips, kToolbarTopTwips}, kToolbarTwips);
    layout.picMain = QRect(0, kPicMainTopTwips, width, clientTwips.height() - kPicMainTopTwips);
    layout.command1 = QRect({width - 2 * kButtonTwips.width(), 0}, kButtonTwips);
    layout.command2 = QRect({width - kButtonTwips.width(), 0}, kButtonTwips);
    return layout;
}

QRect dockedInfoRect(const QRect& mainOuterTwips, int infoOuterWidthTwips) {
    return {mainOuterTwips.left() + mainOuterTwips.width(), mainOuterTwips.top(), infoOuterWidthTwips,
            mainOuterTwips.height()};
}

QSize enlargedOuterSize(QSize screenTwips, int reportWidthTwips) {
    const float width = screenTwips.width() / 20.0f * 17 - reportWidthTwips;
    const float height = screenTwips.height() / 20.0f * 17;
    return {static_cast<int>(width), static_cast<int>(height)};
}

QPoint centredTopLeft(QSize screenTwips, QSize mainOuterTwips, int reportWidthTwips) {
    const float left = (screenTwips.width() - mainOuterTwips.width() - reportWidthTwips) / 2.0f;
    const float top = (screenTwips.height() - mainOuterTwips.height()) / 2.0f;
    return {static_cast<int>(left), static_cast<int>(top)};
}

} // namespace view
