#include "ui/SwipeTracker.h"

#include <cstdlib>

namespace ui {

void SwipeTracker::press(QPoint pos) {
    pressPos_ = pos;
    gesture_ = Gesture::Pending;
    active_ = true;
}

SwipeTracker::Gesture SwipeTracker::move(QPoint pos) {
    if (!active_ || gesture_ != Gesture::Pending)
        return gesture_;
    const int dx = pos.x() - pressPos_.x();
    const int dy = pos.y() - pressPos_.y();
    // Mostly sideways and far enough: a swipe; any other movement past the slop scrolls.
    if (std::abs(dx) >= swipeDistance && std::abs(dx) > 2 * std::abs(dy))
        gesture_ = dx < 0 ? Gesture::SwipeLeft : Gesture::SwipeRight;
    else if (std::abs(dy) > slop)
        gesture_ = Gesture::Scroll;
    return gesture_;
}

SwipeTracker::Gesture SwipeTracker::release(QPoint pos) {
    if (!active_)
        return Gesture::None;
    move(pos);
    active_ = false;
    if (gesture_ == Gesture::Pending) {
        const QPoint d = pos - pressPos_;
        gesture_ = d.manhattanLength() <= 2 * slop ? Gesture::Tap : Gesture::None;
    }
    return gesture_;
}

} // namespace ui
