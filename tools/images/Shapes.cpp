#include "Shapes.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace shapes {

void vertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void panel(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
           const QColor& border) {
    const QRectF inner = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(g);
    p.drawRoundedRect(inner, radius, radius);
    // A thin highlight just inside the top edge lifts the panel off its background.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    const QRectF hi = inner.adjusted(1, 1, -1, -1);
    QPainterPath path;
    path.moveTo(hi.left() + radius, hi.top());
    path.lineTo(hi.right() - radius, hi.top());
    p.drawPath(path);
}

void chevron(QPainter& p, QPointF c, qreal size, int dir, const QColor& colour, qreal width) {
    const qreal h = size / 2;
    const qreal w = size / 3.2 * (dir < 0 ? -1 : 1);
    QPainterPath path;
    path.moveTo(c.x() - w, c.y() - h);
    path.lineTo(c.x() + w, c.y());
    path.lineTo(c.x() - w, c.y() + h);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void shadowStrip(QPainter& p, const QRectF& r, int alpha) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(40, 28, 8, alpha));
    g.setColorAt(0.35, QColor(40, 28, 8, alpha / 3));
    g.setColorAt(1, QColor(40, 28, 8, 0));
    p.fillRect(r, g);
}

} // namespace shapes
