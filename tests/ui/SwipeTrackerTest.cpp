#include "ui/SwipeTracker.h"

#include <gtest/gtest.h>

using Gesture = ui::SwipeTracker::Gesture;

TEST(SwipeTrackerTest, JitterIsATapAndTheGestureIsDecidedOnceBetweenScrollAndSwipe) {
    ui::SwipeTracker t;
    t.press({100, 50});
    EXPECT_EQ(t.move({103, 52}), Gesture::Pending);
    EXPECT_EQ(t.release({104, 53}), Gesture::Tap);

    t.press({200, 50});
    EXPECT_EQ(t.move({190, 51}), Gesture::Pending); // sideways but not far enough yet
    EXPECT_EQ(t.move({170, 53}), Gesture::SwipeLeft);
    // Once a swipe, a later vertical wander does not turn it into a scroll.
    EXPECT_EQ(t.release({170, 120}), Gesture::SwipeLeft);

    t.press({200, 50});
    EXPECT_EQ(t.move({195, 70}), Gesture::Scroll);
    EXPECT_EQ(t.move({140, 70}), Gesture::Scroll);
    t.press({100, 50});
    EXPECT_EQ(t.move({140, 55}), Gesture::SwipeRight);
    t.press({200, 100});
    EXPECT_EQ(t.move({170, 120}), Gesture::Scroll) << "30 sideways but 20 down is too steep";
}
