#pragma once

#include <QRect>

class QWidget;

// Moves a widget to a new frame, eased in and out over the given time, or at once when
// animations are off. A new move replaces one still running on the same widget.
class FrameAnimation {
public:
    static void moveTo(QWidget* widget, const QRect& frame, int ms);
};
