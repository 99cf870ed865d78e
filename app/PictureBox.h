// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month grid's drawing surface as a widget: it shows the picture of its image surface,
// which only the main window's redraw changes, and passes mouse presses, keys and wheel turns
// on. It knows which month it shows, so that it can name each day cell in a tooltip and to
// assistive technology (the grid is a table of day cells, see MonthGridAccessible.h).

#include "engine/OfficialDays.h"
#include "view/DisplayState.h"
#include "view/ImageSurface.h"
#include "view/MonthGeometry.h"

#include <QWidget>
#include <optional>

namespace app {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    view::ImageSurface& surface() { return surface_; }
    // Gives the surface this widget's size and pixel ratio if it has not got them yet; true
    // when it changed (the picture is then blank until the next redraw).
    bool fitSurface();

    // The month and chosen day the picture now shows, and its cells; set after every redraw.
    void setShownMonth(const view::DisplayState& state, const view::MonthGeometry& geometry);
    const view::DisplayState& shownState() const { return state_; }
    const view::MonthGeometry& shownGeometry() const { return geometry_; }
    // The rectangle of day `day`'s cell, in this widget's pixels.
    QRect cellRect(int day) const;
    // Day `day` of the shown month in words, as its tooltip and assistive technology say it.
    QString describeDay(int day) const;
    // The official days the descriptions name; the table must outlive the widget.
    void setOfficialDays(const engine::OfficialDays* official) { official_ = official; }

signals:
    // A press of any mouse button, at (x, y) in pixels.
    void MouseDown(float x, float y);
    // Any key, as a Qt::Key.
    void KeyDown(int keyCode);
    // The wheel turned by whole notches: positive towards the user (down), negative away.
    void WheelNotches(int notches);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    view::ImageSurface surface_;
    view::DisplayState state_;
    view::MonthGeometry geometry_;
    const engine::OfficialDays* official_ = nullptr;
    int wheelRemainder_ = 0; // eighths of a degree not yet a whole notch (touchpads send small steps)
};

} // namespace app
