// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface over an off-screen image that keeps its picture between redraws. The image
// has the screen's device pixel ratio, so text stays crisp at 125 %, 150 % and 200 % while the
// drawing itself is in device-independent pixels.

#include "view/DrawingSurface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

namespace view {

class ImageSurface final : public DrawingSurface {
public:
    ImageSurface();
    ~ImageSurface() override;

    // Gives the surface a new size (device-independent pixels) and pixel ratio; the picture
    // is lost and the next redraw paints a new one.
    void resize(QSize size, qreal devicePixelRatio);
    // The face, size and weight in which text is drawn.
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    const QImage& image() const { return image_; }
    QSize size() const { return size_; }

    float width() const override;
    float height() const override;
    void setBackgroundColor(QRgb color) override;
    void clear() override;
    void setDrawingColor(QRgb color) override;
    void setBold(bool bold) override;
    float textHeight(const QString& text) const override;
    void setTextPosition(float x, float y) override;
    void setTextX(float x) override;
    void printLine(const QString& text) override;
    void line(float x1, float y1, float x2, float y2) override;
    void filledBox(float x1, float y1, float x2, float y2) override;
    void printCornerMark(const QString& text, float right, float top) override;

private:
    QPainter& painter();

    QImage image_;
    QSize size_; // device-independent pixels; the image may be a fraction larger
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    QColor background_ = Qt::white;
    QColor drawing_ = Qt::black;
    float textX_ = 0;
    float textY_ = 0;
};

} // namespace view
