#include "ui/FlickTracker.h"

#include <algorithm>

namespace ui {

void FlickTracker::press(qreal position, qint64 ms) {
    position_ = position;
    ms_ = ms;
    velocity_ = 0;
}

void FlickTracker::move(qreal position, qint64 ms) {
    const qreal seconds = std::max<qint64>(1, ms - ms_) / 1000.0;
    // Smoothed, so that one jittery move does not decide the flick.
    velocity_ = 0.6 * velocity_ + 0.4 * (position - position_) / seconds;
    position_ = position;
    ms_ = ms;
}

qreal FlickTracker::releaseVelocity(qint64 ms) const {
    return ms - ms_ > restMs ? 0 : velocity_;
}

} // namespace ui
