#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Small drawing steps shared by the image groups.
namespace shapes {

// Fills the rectangle with a top-to-bottom gradient.
void vertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
// A rounded panel with a vertical gradient, a one-point border and a light top edge.
void panel(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
           const QColor& border);
// A chevron pointing left (dir < 0) or right (dir > 0) centred on c.
void chevron(QPainter& p, QPointF c, qreal size, int dir, const QColor& colour, qreal width);
// A soft shadow strip fading downwards from the given darkness.
void shadowStrip(QPainter& p, const QRectF& r, int alpha);

} // namespace shapes
