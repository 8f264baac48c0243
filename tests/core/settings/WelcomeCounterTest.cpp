#include "core/settings/WelcomeCounter.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/UDefUtil.h"
#include "support/TestEnv.h"

class WelcomeCounterTest : public QuorvelTest {
protected:
    static bool launch() {
        SettingsStore::drop();
        return WelcomeCounter::shouldShowAndCount();
    }
};

TEST_F(WelcomeCounterTest, ShownWhileTheStoredCountIsBelowTwoAndCountedOnlyThen) {
    EXPECT_TRUE(launch());
    EXPECT_TRUE(launch());
    EXPECT_FALSE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), 2);
    UDefUtil::setUserDefInt(5, SettingsKeys::welcome);
    EXPECT_FALSE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), 5);
    UDefUtil::setUserDefInt(-3, SettingsKeys::welcome);
    EXPECT_TRUE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), -2);
}
