// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Icons.h"

#include <QDirIterator>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {
namespace {

// Draws at every pixel ratio the icon may be shown at, so it stays sharp when scaled.
template <typename Draw> QIcon drawnIcon(int size, Draw draw) {
    QIcon icon;
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        QPixmap pixmap(QSize(size, size) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A chevron pointing left (direction -1) or right (+1) centred at x.
void chevron(QPainter& painter, qreal x, int direction) {
    QPainterPath path;
    path.moveTo(x - 2.5 * direction, 3.5);
    path.lineTo(x + 2.5 * direction, 8);
    path.lineTo(x - 2.5 * direction, 12.5);
    painter.drawPath(path);
}

} // namespace

QIcon programIcon() {
    // Every size drawn for the desktop (the small ones pixel by pixel), so that Qt scales none of
    // them when an exact size exists; each file tells its own size.
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("kesparo-*.png")}, QDir::Files);
    while (pictures.hasNext())
        icon.addFile(pictures.next());
    return icon;
}

QIcon navigationIcon(int index) {
    return drawnIcon(16, [index](QPainter& p) {
        p.setPen(QPen(QColor(30, 70, 160), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        switch (index) {
        case 0:
            chevron(p, 5.5, -1);
            chevron(p, 10.5, -1);
            break; // previous year
        case 1:
            chevron(p, 8, -1);
            break; // previous month
        case 2:
            chevron(p, 8, 1);
            break; // next month
        case 3:
            chevron(p, 5.5, 1);
            chevron(p, 10.5, 1);
            break; // next year
        default: { // today: a small leaf with a dot
            p.setPen(QPen(QColor(30, 70, 160), 1.2));
            p.drawRoundedRect(QRectF(2.5, 3.5, 11, 10), 1.5, 1.5);
            p.drawLine(QPointF(2.5, 6.5), QPointF(13.5, 6.5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(214, 40, 40));
            p.drawEllipse(QPointF(8, 10), 2, 2);
            break;
        }
        }
    });
}

} // namespace app
