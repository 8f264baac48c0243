#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/base/ResetRegistry.h"
#include "support/Dates.h"
#include "support/TestEnv.h"

class SharedStateTest : public QuorvelTest {};

TEST_F(SharedStateTest, ResetDropsVarsAndTheClockFollowsASetTimeOrTheEnvironment) {
    AppVars::getVars().insert("food_current_date", at(2026, 12, 6));
    ResetRegistry::resetAll();
    EXPECT_TRUE(AppVars::getVars().isEmpty());

    Clock::set(at(2026, 3, 8, 1, 30));
    qputenv("QUORVEL_NOW", "2026-12-06T09:30:00");
    Clock::reset();
    EXPECT_EQ(Clock::now(), at(2026, 12, 6, 9, 30));
    qunsetenv("QUORVEL_NOW");
    Clock::reset();
    EXPECT_NE(Clock::now(), at(2026, 12, 6, 9, 30));
}
