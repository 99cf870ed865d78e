// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main window's controls and the docked report window stand, in twips. The drawing
// surface takes the whole width under the title area; the font list, the icon strip and the two
// small buttons keep to the right edge; the report window stands against the main window's
// right outer edge with the same top and height.

#include <QRect>
#include <QSize>

namespace view {

// The main window as designed.
inline constexpr QSize kDesignClientTwips{7995, 5490};
inline constexpr QRect kImage1Twips{120, 0, 720, 705};
inline constexpr QPoint kLabel1Twips{960, 360};
inline constexpr QPoint kLabel2Twips{990, 390}; // the grey copy, 30 twips right and down
inline constexpr QSize kButtonTwips{255, 255};  // Command1 and Command2
inline constexpr QSize kToolbarTwips{1815, 255};
inline constexpr int kToolbarTopTwips = 720;
inline constexpr QSize kComboTwips{1575, 300};
inline constexpr int kComboTopTwips = 720;
inline constexpr int kPicMainTopTwips = 1080;
inline constexpr int kEdgeGapTwips = 120;
// The report window's design client area.
inline constexpr QSize kInfoDesignClientTwips{3555, 5970};

struct ControlLayout {
    QRect combo;
    QRect toolbar;
    QRect picMain;
    QRect command1;
    QRect command2;
};

// The controls of a client area of the given size.
ControlLayout layoutControls(QSize clientTwips);

// The report window's outer rectangle, docked at the right of the main window's outer rectangle.
QRect dockedInfoRect(const QRect& mainOuterTwips, int infoOuterWidthTwips);

// The enlarged outer size: 17/20 of the screen, less the report window's width when it shows.
QSize enlargedOuterSize(QSize screenTwips, int reportWidthTwips);

// The top-left of the main window that centres it and the report window beside it (of width
// `reportWidthTwips`, 0 when hidden) on the screen.
QPoint centredTopLeft(QSize screenTwips, QSize mainOuterTwips, int reportWidthTwips);

} // namespace view
