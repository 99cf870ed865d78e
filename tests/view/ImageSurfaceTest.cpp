// SPDX-License-Identifier: GPL-3.0-or-later
// The image behind the month grid: its size at every pixel ratio, and what lands on its pixels.

#include "view/ImageSurface.h"

#include <gtest/gtest.h>

TEST(ImageSurface, SizesAndPixels) {
    view::ImageSurface surface;
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        surface.resize({533, 294}, ratio);
        EXPECT_EQ(std::pair(surface.width(), surface.height()), std::pair(533.f, 294.f));
        EXPECT_EQ(surface.image().width(), static_cast<int>(std::ceil(533 * ratio)));
        EXPECT_EQ(surface.image().devicePixelRatio(), ratio);
    }
    surface.resize({100, 60}, 2.0);
    surface.setBackgroundColor(qRgb(255, 255, 255));
    surface.clear();
    surface.setDrawingColor(qRgb(236, 233, 216));
    surface.filledBox(0, 0, 100, 10); // rows 0..10
    surface.setDrawingColor(qRgb(182, 189, 210));
    surface.line(50, 0, 50, 60);
    surface.setDrawingColor(qRgb(0, 0, 255));
    surface.setTextPosition(10, 30);
    surface.printLine(QStringLiteral("星期"));
    const QImage& image = surface.image();
    EXPECT_EQ(image.pixel(20, 20), qRgb(236, 233, 216)); // (10, 10) at twice the pixels
    EXPECT_EQ(image.pixel(20, 24), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(100, 80), qRgb(182, 189, 210));
    int blue = 0;
    for (int y = 60; y < 120; ++y)
        for (int x = 20; x < 100; ++x)
            blue += qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(blue, 20);
    EXPECT_GT(surface.textHeight(QStringLiteral("星期")), 8);
}
