#pragma once

#include <QColor>
#include <QRectF>

class QFocusEvent;
class QPainter;
class QWidget;

namespace ui {

// The dotted ring a keyboard-driven control draws around its chosen part. It shows only while
// the control has focus that Tab or Backtab brought; a click gives focus without it.
class KeyboardFocusRing {
public:
    // Call from the control's focusInEvent.
    void focusIn(const QFocusEvent* event);
    bool shows(const QWidget& control) const;
    static void paint(QPainter& p, const QRectF& area, const QColor& colour);

private:
    bool fromKeyboard_ = false;
};

} // namespace ui
