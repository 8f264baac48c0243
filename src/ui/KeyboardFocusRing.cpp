#include "ui/KeyboardFocusRing.h"

#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

namespace ui {

void KeyboardFocusRing::focusIn(const QFocusEvent* event) {
    fromKeyboard_ =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
}

bool KeyboardFocusRing::shows(const QWidget& control) const {
    return control.hasFocus() && fromKeyboard_;
}

void KeyboardFocusRing::paint(QPainter& p, const QRectF& area, const QColor& colour) {
    p.setPen(QPen(colour, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area, 3, 3);
}

} // namespace ui
