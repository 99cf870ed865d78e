#pragma once
// A drawing surface that records every operation instead of drawing, so tests can check what a
// redraw draws and in which order. Text is 12 pixels high.

#include "view/DrawingSurface.h"

#include <QString>
#include <vector>

struct DrawOp {
    enum Kind { Background, Clear, Color, Bold, Position, TextX, Print, Line, Box, Mark };
    DrawOp(Kind kind, QRgb color = 0, bool bold = false, float x1 = 0, float y1 = 0, float x2 = 0,
           float y2 = 0, QString text = {})
        : kind(kind), color(color), bold(bold), x1(x1), y1(y1), x2(x2), y2(y2), text(std::move(text)) {}

    Kind kind;
    QRgb color; // the drawing colour in force (Color, Print, Line, Box) or the background
    bool bold;
    float x1, y1, x2, y2; // Position/TextX use x1, y1; Print: where it printed; Mark: its top-right
    QString text;
};

class RecordingSurface final : public view::DrawingSurface {
public:
    RecordingSurface(float width, float height) : width_(width), height_(height) {}

    std::vector<DrawOp> ops;

    float width() const override { return width_; }
    float height() const override { return height_; }
    void setBackgroundColor(QRgb color) override { ops.push_back({DrawOp::Background, color}); }
    void clear() override {
        ops.push_back({DrawOp::Clear});
        x_ = y_ = 0;
    }
    void setDrawingColor(QRgb color) override {
        color_ = color;
        ops.push_back({DrawOp::Color, color});
    }
    void setBold(bool bold) override {
        bold_ = bold;
        ops.push_back({DrawOp::Bold, color_, bold});
    }
    float textHeight(const QString&) const override { return 12; }
    void setTextPosition(float x, float y) override {
        x_ = x;
        y_ = y;
        ops.push_back({DrawOp::Position, color_, bold_, x, y});
    }
    void setTextX(float x) override {
        x_ = x;
        ops.push_back({DrawOp::TextX, color_, bold_, x});
    }
    void printLine(const QString& text) override {
        ops.push_back({DrawOp::Print, color_, bold_, x_, y_, 0, 0, text});
        x_ = 0;
        y_ += 12;
    }
    void line(float x1, float y1, float x2, float y2) override {
        ops.push_back({DrawOp::Line, color_, bold_, x1, y1, x2, y2});
    }
    void filledBox(float x1, float y1, float x2, float y2) override {
        ops.push_back({DrawOp::Box, color_, bold_, x1, y1, x2, y2});
    }
    void printCornerMark(const QString& text, float right, float top) override {
        ops.push_back({DrawOp::Mark, color_, false, right, top, 0, 0, text});
    }

    std::vector<DrawOp> printed() const {
        std::vector<DrawOp> result;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Print)
                result.push_back(op);
        return result;
    }

private:
    float width_, height_;
    float x_ = 0, y_ = 0;
    QRgb color_ = 0;
    bool bold_ = false;
};
