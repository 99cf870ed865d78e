// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that reports the mouse as the promotion window's handlers expect it: mouse-down with the
// button, every move over it (also with no button held), mouse-up, and a click (the left button
// pressed and released on the label). The events stop at the label and never reach the window
// beneath, which tells moves over a label from moves over its own surface.

#include <QLabel>
#include <QPointF>

namespace promo {

class EventLabel final : public QLabel {
    Q_OBJECT
public:
    explicit EventLabel(QWidget* parent);

signals:
    void mouseDown(Qt::MouseButton button, QPointF globalPosition);
    void mouseMove(Qt::MouseButtons buttons, QPointF globalPosition);
    void mouseUp(Qt::MouseButton button);
    void click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};

} // namespace promo
