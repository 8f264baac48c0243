#pragma once

#include <QColor>
#include <QGradient>
#include <QLinearGradient>
#include <QRectF>
#include <initializer_list>

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
    // A top-to-bottom gradient over the rect through the given stops.
    static QLinearGradient vertical(const QRectF& rect, std::initializer_list<QGradientStop> stops);
    // The glossy face of bars, buttons and segments: the colour scaled by top at the top edge and
    // by middle just above the middle, then the colour itself falling to bottom at the foot.
    static QLinearGradient gloss(const QRectF& rect, const QColor& c, double top, double middle,
                                 double bottom);
};

} // namespace ui
