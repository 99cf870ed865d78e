#pragma once
// The month grid's drawing surface as a widget: it shows the picture of its image surface,
// which only the main window's redraw changes, and passes mouse presses and keys on.

#include "view/ImageSurface.h"

#include <QWidget>

namespace app {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    view::ImageSurface& surface() { return surface_; }
    // Gives the surface this widget's size and pixel ratio if it has not got them yet; true
    // when it changed (the picture is then blank until the next redraw).
    bool fitSurface();

signals:
    // A press of any mouse button, at (x, y) in pixels.
    void MouseDown(float x, float y);
    // Any key, as a Qt::Key.
    void KeyDown(int keyCode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    view::ImageSurface surface_;
};

} // namespace app
