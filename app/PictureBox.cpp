#include "app/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace app {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PictureBox::fitSurface() {
    const qreal ratio = devicePixelRatioF();
    if (surface_.size() == size() && surface_.image().devicePixelRatio() == ratio)
        return false;
    surface_.resize(size(), ratio);
    return true;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), surface_.image());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    emit MouseDown(static_cast<float>(position.x()), static_cast<float>(position.y()));
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key());
}

// Tab stays on the grid: the keyboard belongs to it.
bool PictureBox::focusNextPrevChild(bool) {
    return false;
}

} // namespace app
