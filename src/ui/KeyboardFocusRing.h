#pragma once

#include <QColor>
#include <QRectF>

class QFocusEvent;
class QPainter;
class QWidget;

namespace ui {

// How the focus came to a control. The dotted ring shows only while Tab or Backtab brought it;
// a click gives focus without it. Either way the user chose the control, so it keeps the keys
// it uses (arrows, Return) from the window's shortcuts; focus the window handed over on its own
// (when it became active) does not.
class KeyboardFocusRing {
public:
    // Call from the control's focusInEvent.
    void focusIn(const QFocusEvent* event);
    bool shows(const QWidget& control) const;
    bool ownsKeys(const QWidget& control) const;
    static void paint(QPainter& p, const QRectF& area, const QColor& colour);
    // A view about to be hidden gives up the focus if it holds it, rather than Qt passing it to
    // whichever control comes next in the window.
    static void releaseFrom(QWidget* view);

private:
    bool fromKeyboard_ = false;
    bool chosen_ = false;
};

} // namespace ui
