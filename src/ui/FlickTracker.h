#pragma once

#include <QtGlobal>

namespace ui {

// The speed of a drag at the moment it is let go, from the positions and times of its moves.
// The times are the input events' own timestamps, so a flick depends only on the events that
// make it: the same moves always carry a list or a wheel equally far.
class FlickTracker {
public:
    void press(qreal position, qint64 ms);
    void move(qreal position, qint64 ms);
    // Units per second at the release; 0 when the pointer rested before letting go.
    qreal releaseVelocity(qint64 ms) const;

    // A pause this long (milliseconds) before letting go ends the flick.
    static constexpr qint64 restMs = 100;

private:
    qreal position_ = 0;
    qint64 ms_ = 0;
    qreal velocity_ = 0;
};

} // namespace ui
