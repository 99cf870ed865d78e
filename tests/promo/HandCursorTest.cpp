// The hand cursor: 32 × 32, monochrome, its hot spot on the tip of the pointing finger.

#include "promo/HandCursor.h"

#include <QBitmap>
#include <QImage>
#include <gtest/gtest.h>

TEST(HandCursor, IsA32PixelHandWhoseHotSpotIsOnTheFingertip) {
    const QCursor cursor = promo::handCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(6, 0));
    const QImage shape = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shape.size(), QSize(32, 32));
    ASSERT_EQ(mask.size(), QSize(32, 32));

    auto drawn = [&](int x, int y) { return mask.pixel(x, y) == qRgb(0, 0, 0); };
    auto black = [&](int x, int y) { return drawn(x, y) && shape.pixel(x, y) == qRgb(0, 0, 0); };
    EXPECT_TRUE(black(6, 0)) << "the outline of the fingertip is the hot spot";
    EXPECT_FALSE(drawn(0, 0));
    EXPECT_FALSE(drawn(31, 31));
}
