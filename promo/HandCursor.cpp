// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/HandCursor.h"

#include <QBitmap>
#include <QImage>
#include <array>
#include <string_view>

namespace promo {

namespace {

// 'X' black outline, 'o' white inside, '.' transparent. Rows below the hand are transparent.
constexpr std::array<std::string_view, 21> kHand = {
    "......XX..........", //
    ".....XooX.........", //
    ".....XooX.........", //
    ".....XooX.........", //
    ".....XooX.........", //
    ".....XooXXX.......", //
    ".....XooXooXXX....", //
    ".....XooXooXooXX..", //
    ".....XooXooXooXoX.", //
    ".XX..XooXooXooXoX.", //
    "XooX.XooooooooooX.", //
    "XoooXXooooooooooX.", //
    ".XooXoooooooooooX.", //
    ".XoooooooooooooX..", //
    "..XooooooooooooX..", //
    "..XooooooooooooX..", //
    "...XoooooooooooX..", //
    "...XooooooooooX...", //
    "....XoooooooooX...", //
    "....XoooooooooX...", //
    "....XXXXXXXXXXX...", //
};

constexpr int kSize = 32;
constexpr int kHotX = 6;
constexpr int kHotY = 0;

// A 1-bit image in which the pixels drawn with one of `inks` are set.
QBitmap plane(std::string_view inks) {
    QImage image(kSize, kSize, QImage::Format_MonoLSB);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (std::size_t y = 0; y < kHand.size(); ++y)
        for (std::size_t x = 0; x < kHand[y].size(); ++x)
            if (inks.find(kHand[y][x]) != std::string_view::npos)
                image.setPixel(int(x), int(y), 1);
    return QBitmap::fromImage(image);
}

} // namespace

QCursor handCursor() {
    // The bitmap selects black where the mask is set and white elsewhere within the mask.
    return QCursor(plane("X"), plane("Xo"), kHotX, kHotY);
}

} // namespace promo
