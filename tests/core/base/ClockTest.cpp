#include "core/base/Clock.h"
#include "support/TestEnv.h"

class ClockTest : public QuorvelTest {};

TEST_F(ClockTest, FixedTimeWinsUntilReset) {
    const QDateTime fixed(QDate(2026, 3, 8), QTime(1, 30));
    Clock::set(fixed);
    EXPECT_EQ(Clock::now(), fixed);
    Clock::reset();
    EXPECT_NE(Clock::now(), fixed);
}

TEST_F(ClockTest, EnvironmentPinsARun) {
    qputenv("QUORVEL_NOW", "2026-12-06T09:30:00");
    Clock::reset();
    EXPECT_EQ(Clock::now(), QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    qunsetenv("QUORVEL_NOW");
    Clock::reset();
}
