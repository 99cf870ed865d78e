// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window positions and sizes are kept in twips, as the window design gives them, and converted
// at the Qt boundary at 15 twips per device-independent pixel, so they hold at any display scaling.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace core {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}
inline int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QPoint twipsToPixels(QPoint p) {
    return {twipsToPixels(p.x()), twipsToPixels(p.y())};
}
inline QSize twipsToPixels(QSize s) {
    return {twipsToPixels(s.width()), twipsToPixels(s.height())};
}
inline QRect twipsToPixels(const QRect& r) {
    return {twipsToPixels(r.topLeft()), twipsToPixels(r.size())};
}
inline QPoint pixelsToTwips(QPoint p) {
    return {pixelsToTwips(p.x()), pixelsToTwips(p.y())};
}
inline QSize pixelsToTwips(QSize s) {
    return {pixelsToTwips(s.width()), pixelsToTwips(s.height())};
}
inline QRect pixelsToTwips(const QRect& r) {
    return {pixelsToTwips(r.topLeft()), pixelsToTwips(r.size())};
}

} // namespace core
