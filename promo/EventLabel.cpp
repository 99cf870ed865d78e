// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/EventLabel.h"

#include <QMouseEvent>

namespace promo {

EventLabel::EventLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void EventLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    leftPressed_ = event->button() == Qt::LeftButton;
    emit mouseDown(event->button(), event->globalPosition());
}

void EventLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMove(event->buttons(), event->globalPosition());
}

void EventLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool clicked =
        leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    emit mouseUp(event->button());
    if (clicked)
        emit click();
}

} // namespace promo
