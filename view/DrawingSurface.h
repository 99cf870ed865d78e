// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing operations the month grid needs of its surface, in pixels with the origin at the
// top-left corner. Behind an interface so that tests can record what a redraw draws.

#include <QRgb>
#include <QString>

namespace view {

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual float width() const = 0;  // inner drawing width
    virtual float height() const = 0; // inner drawing height
    virtual void setBackgroundColor(QRgb color) = 0;
    // Fills the whole surface with the background colour; the text position returns to (0, 0).
    virtual void clear() = 0;
    // The colour of every following line, box and text.
    virtual void setDrawingColor(QRgb color) = 0;
    // Bold on or off for the surface's current font; its face and size stay.
    virtual void setBold(bool bold) = 0;
    // Height of one line of `text` in the current font.
    virtual float textHeight(const QString& text) const = 0;
    virtual void setTextPosition(float x, float y) = 0;
    virtual void setTextX(float x) = 0;
    // Draws `text` at the text position, transparent behind; then the text position moves to
    // the start of the next line (x = 0, y one text line further down).
    virtual void printLine(const QString& text) = 0;
    // A one-pixel line between two points, both included.
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // A rectangle with these opposite corners, both included, filled with the drawing colour.
    virtual void filledBox(float x1, float y1, float x2, float y2) = 0;
    // Draws `text` a size smaller than the current font, never bold, in the drawing colour, with
    // its top-right corner at (right, top); the text position stays where it was.
    virtual void printCornerMark(const QString& text, float right, float top) = 0;
};

} // namespace view
