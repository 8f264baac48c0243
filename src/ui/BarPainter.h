#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace ui {

// The look shared by every tinted bar and bar control: a soft vertical gloss over the tint,
// a lighter top edge and a darker bottom line.
class BarPainter {
public:
    static void paintBar(QPainter& p, const QRectF& rect, const QColor& tint);
    // A rounded button face on a bar; pressed and done faces are darker and bluer respectively.
    static void paintButton(QPainter& p, const QRectF& rect, const QColor& tint, bool pressed,
                            bool done, bool enabled);
    // White text with a dark shadow one point above, as bar titles are drawn.
    static void paintEmbossedText(QPainter& p, const QRectF& rect, int flags, const QString& text,
                                  bool enabled = true);
    static QColor shade(const QColor& c, double factor);
};

} // namespace ui
