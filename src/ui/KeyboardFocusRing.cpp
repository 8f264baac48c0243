#include "ui/KeyboardFocusRing.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

namespace ui {

void KeyboardFocusRing::focusIn(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        fromKeyboard_ = chosen_ = true;
        break;
    case Qt::MouseFocusReason:
        fromKeyboard_ = false;
        chosen_ = true;
        break;
    default:
        // Focus handed back (an alert closed, the window came to the front) came as it did before.
        break;
    }
}

bool KeyboardFocusRing::shows(const QWidget& control) const {
    return control.hasFocus() && fromKeyboard_;
}

bool KeyboardFocusRing::ownsKeys(const QWidget& control) const {
    return control.hasFocus() && chosen_;
}

void KeyboardFocusRing::paint(QPainter& p, const QRectF& area, const QColor& colour) {
    p.setPen(QPen(colour, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area, 3, 3);
}

void KeyboardFocusRing::releaseFrom(QWidget* view) {
    QWidget* focused = QApplication::focusWidget();
    if (view && focused && view->isAncestorOf(focused))
        focused->clearFocus();
}

} // namespace ui
