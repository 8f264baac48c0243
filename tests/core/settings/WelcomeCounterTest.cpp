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

TEST_F(WelcomeCounterTest, ShownAtTheFirstTwoLaunchesOnly) {
    EXPECT_TRUE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), 1);
    EXPECT_TRUE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), 2);
    EXPECT_FALSE(launch());
    EXPECT_FALSE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), 2);
}

TEST_F(WelcomeCounterTest, StoredCountDecides) {
    UDefUtil::setUserDefInt(5, SettingsKeys::welcome);
    EXPECT_FALSE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), 5);
    UDefUtil::setUserDefInt(-3, SettingsKeys::welcome);
    EXPECT_TRUE(launch());
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::welcome), -2);
}

TEST_F(WelcomeCounterTest, MessageIsParagraphsAfterAnEmptyOne) {
    const QStringList paragraphs = WelcomeCounter::message().split("\n\n");
    ASSERT_EQ(paragraphs.size(), 9);
    EXPECT_TRUE(paragraphs.first().isEmpty());
    EXPECT_FALSE(WelcomeCounter::message().contains("\n\n\n"));
}
