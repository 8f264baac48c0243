#include "ui/BarPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ui {

QColor BarPainter::shade(const QColor& c, double factor) {
    auto scale = [factor](int v) { return std::clamp(static_cast<int>(v * factor), 0, 255); };
    return QColor(scale(c.red()), scale(c.green()), scale(c.blue()), c.alpha());
}

QLinearGradient BarPainter::vertical(const QRectF& rect,
                                     std::initializer_list<QGradientStop> stops) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    for (const QGradientStop& stop : stops)
        g.setColorAt(stop.first, stop.second);
    return g;
}

QLinearGradient BarPainter::gloss(const QRectF& rect, const QColor& c, double top, double middle,
                                  double bottom) {
    return vertical(
        rect, {{0.0, shade(c, top)}, {0.5, shade(c, middle)}, {0.51, c}, {1.0, shade(c, bottom)}});
}

void BarPainter::paintBar(QPainter& p, const QRectF& rect, const QColor& tint) {
    p.fillRect(rect, gloss(rect, tint, 1.25, 1.05, 0.9));
    p.setPen(QPen(shade(tint, 1.4), 0.5));
    p.drawLine(QPointF(rect.left(), rect.top() + 0.25), QPointF(rect.right(), rect.top() + 0.25));
    p.setPen(QPen(shade(tint, 0.55), 1));
    p.drawLine(QPointF(rect.left(), rect.bottom() - 0.5),
               QPointF(rect.right(), rect.bottom() - 0.5));
}

void BarPainter::paintButton(QPainter& p, const QRectF& rect, const QColor& tint, bool pressed,
                             bool done, bool enabled) {
    QColor base = done ? QColor(42, 94, 196) : shade(tint, 0.92);
    if (pressed)
        base = shade(base, 0.75);
    const QLinearGradient g = gloss(rect, base, 1.3, 1.08, 0.95);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (!enabled)
        p.setOpacity(0.55);
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.fillPath(path, g);
    p.setPen(QPen(shade(base, 0.5), 1));
    p.drawPath(path);
    p.restore();
}

void BarPainter::paintEmbossedText(QPainter& p, const QRectF& rect, int flags, const QString& text,
                                   bool enabled) {
    p.save();
    p.setPen(QColor(0, 0, 0, enabled ? 110 : 50));
    p.drawText(rect.translated(0, -1), flags, text);
    p.setPen(enabled ? QColor(Qt::white) : QColor(255, 255, 255, 130));
    p.drawText(rect, flags, text);
    p.restore();
}

} // namespace ui
