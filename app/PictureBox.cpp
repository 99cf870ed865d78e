// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureBox.h"

#include "view/DayDescription.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace app {

namespace {
constexpr int kEighthsPerNotch = 120; // one notch of a common mouse wheel, in eighths of a degree
} // namespace

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

void PictureBox::setShownMonth(const view::DisplayState& state, const view::MonthGeometry& geometry) {
    const bool otherMonth = state.CurYear != state_.CurYear || state.CurMonth != state_.CurMonth;
    const bool otherDay = otherMonth || state.CurDay != state_.CurDay;
    state_ = state;
    geometry_ = geometry;
    setAccessibleName(QStringLiteral("%1年%2月").arg(state.CurYear).arg(state.CurMonth));
    if (!QAccessible::isActive())
        return;
    // Screen readers follow the chosen day: a new month renames every cell, a new day moves the
    // selection and, while the grid has the keys, the focus.
    if (otherMonth) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    if (otherDay) {
        const int chosen = geometry_.cellIndex(state_.CurDay);
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(chosen);
        QAccessible::updateAccessibility(&selection);
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(chosen);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

QRect PictureBox::cellRect(int day) const {
    const QPoint corner = geometry_.cellCorner(day);
    return {corner,
            QSize(view::roundHalfEven(geometry_.CellWidth), view::roundHalfEven(geometry_.CellHeight))};
}

QString PictureBox::describeDay(int day) const {
    static const engine::OfficialDays none;
    return view::describeDay(state_.CurYear, state_.CurMonth, day, official_ ? *official_ : none);
}

bool PictureBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QPointF at = static_cast<QHelpEvent*>(event)->pos();
        const std::optional<int> day =
            geometry_.dayAt(static_cast<float>(at.x()), static_cast<float>(at.y()));
        if (day)
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), describeDay(*day), this,
                               cellRect(*day));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
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

void PictureBox::wheelEvent(QWheelEvent* event) {
    event->accept();
    // Qt counts a turn away from the user as positive; the grid steps forward when it turns down.
    wheelRemainder_ -= event->angleDelta().y();
    const int notches = wheelRemainder_ / kEighthsPerNotch;
    wheelRemainder_ -= notches * kEighthsPerNotch;
    if (notches != 0)
        emit WheelNotches(notches);
}

// Tab stays on the grid: the keyboard belongs to it.
bool PictureBox::focusNextPrevChild(bool) {
    return false;
}

} // namespace app
