#include "ui/BarPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ui {

QColor BarPainter::shade(const QColor& c, double factor) {
    auto scale = [factor](int v) { return std::clamp(static_cast<int>(v * factor), 0, 255); };
    return QColor(scale(c.red()), scale(c.green()), scale(c.blue()), c.alpha());
}

void BarPainter::paintBar(QPainter& p, const QRectF& rect, const QColor& tint) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0.0, shade(tint, 1.25));
    g.setColorAt(0.5, shade(tint, 1.05));
    g.setColorAt(0.51, tint);
    g.setColorAt(1.0, shade(tint, 0.9));
    p.fillRect(rect, g);
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
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0.0, shade(base, 1.3));
    g.setColorAt(0.5, shade(base, 1.08));
    g.setColorAt(0.51, base);
    g.setColorAt(1.0, shade(base, 0.95));
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
