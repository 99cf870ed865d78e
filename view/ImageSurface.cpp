// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ImageSurface.h"

#include <QFontMetricsF>
#include <cmath>

namespace view {

ImageSurface::ImageSurface() {
    resize({1, 1}, 1.0);
}

ImageSurface::~ImageSurface() = default;

void ImageSurface::resize(QSize size, qreal devicePixelRatio) {
    painter_.reset();
    const QSize pixels(std::max(1, static_cast<int>(std::ceil(size.width() * devicePixelRatio))),
                       std::max(1, static_cast<int>(std::ceil(size.height() * devicePixelRatio))));
    size_ = size;
    image_ = QImage(pixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(background_);
}

void ImageSurface::setFont(const QFont& font) {
    const bool bold = font_.bold();
    font_ = font;
    font_.setBold(bold);
    if (painter_)
        painter_->setFont(font_);
}

// The painter lives as long as the image, so that a redraw's many small operations do not
// each open and close one.
QPainter& ImageSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setFont(font_);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
}

float ImageSurface::width() const {
    return static_cast<float>(size_.width());
}

float ImageSurface::height() const {
    return static_cast<float>(size_.height());
}

void ImageSurface::setBackgroundColor(QRgb color) {
    background_ = QColor(color);
}

void ImageSurface::clear() {
    painter().fillRect(QRectF(0, 0, width(), height()), background_);
    textX_ = 0;
    textY_ = 0;
}

void ImageSurface::setDrawingColor(QRgb color) {
    drawing_ = QColor(color);
}

void ImageSurface::setBold(bool bold) {
    font_.setBold(bold);
    if (painter_)
        painter_->setFont(font_);
}

float ImageSurface::textHeight(const QString&) const {
    return static_cast<float>(QFontMetricsF(font_).height());
}

void ImageSurface::setTextPosition(float x, float y) {
    textX_ = x;
    textY_ = y;
}

void ImageSurface::setTextX(float x) {
    textX_ = x;
}

void ImageSurface::printLine(const QString& text) {
    QPainter& p = painter();
    p.setPen(drawing_);
    p.drawText(QPointF(textX_, textY_ + QFontMetricsF(font_).ascent()), text);
    textX_ = 0;
    textY_ += textHeight(text);
}

void ImageSurface::line(float x1, float y1, float x2, float y2) {
    QPainter& p = painter();
    p.setPen(QPen(drawing_, 0)); // cosmetic: one device pixel wide at any scale
    p.drawLine(QPointF(std::round(x1), std::round(y1)), QPointF(std::round(x2), std::round(y2)));
}

void ImageSurface::printCornerMark(const QString& text, float right, float top) {
    QFont small = font_;
    small.setBold(false);
    small.setPointSizeF(font_.pointSizeF() * 0.85);
    const QFontMetricsF metrics(small);
    QPainter& p = painter();
    p.setFont(small);
    p.setPen(drawing_);
    p.drawText(QPointF(right - metrics.horizontalAdvance(text), top + metrics.ascent()), text);
    p.setFont(font_);
}

void ImageSurface::filledBox(float x1, float y1, float x2, float y2) {
    const QPointF from(std::round(std::min(x1, x2)), std::round(std::min(y1, y2)));
    const QPointF to(std::round(std::max(x1, x2)) + 1, std::round(std::max(y1, y2)) + 1);
    painter().fillRect(QRectF(from, to), drawing_);
}

} // namespace view
