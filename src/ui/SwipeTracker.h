#pragma once

#include <QPoint>

namespace ui {

// Tells a tap from a drag on a list and, once a drag has gone far enough, whether it is a
// vertical scroll or a sideways swipe. Works the same for mouse and for touch turned into mouse.
class SwipeTracker {
public:
    enum class Gesture { Pending, Tap, Scroll, SwipeLeft, SwipeRight, None };

    void press(QPoint pos);
    // The gesture so far; it is decided once and then stays.
    Gesture move(QPoint pos);
    // Tap when the pointer never left the slop radius, else the decided gesture.
    Gesture release(QPoint pos);

    Gesture gesture() const { return gesture_; }
    QPoint pressPos() const { return pressPos_; }
    bool active() const { return active_; }

    // Movement within this many points is still a tap.
    static constexpr int slop = 8;
    // A sideways drag must cover this many points to count as a swipe.
    static constexpr int swipeDistance = 24;

private:
    QPoint pressPos_;
    Gesture gesture_ = Gesture::None;
    bool active_ = false;
};

} // namespace ui
