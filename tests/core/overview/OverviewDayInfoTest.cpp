#include "core/overview/OverviewDayInfo.h"
#include "core/base/Clock.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/TestEnv.h"

class OverviewDayInfoTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 5, 20, 9));
    }
};

TEST_F(OverviewDayInfoTest, ADayJoinsItsFoodExerciseAndWeighingsIntoAWholeNetValue) {
    storeFood("2026-05-12 00:00:00", 0, 300);
    storeFood("2026-05-12 00:00:00", 2, 450);
    storeFood("2026-05-13 00:00:00", 2, 999);
    storeExercise("2026-05-12 00:00:00", 0, 200);
    weigh(at(2026, 5, 12, 7), "80.00");
    weigh(at(2026, 5, 12, 21), "81.00");

    const OverviewDayPtr day = OverviewDayInfo::getOverviewForDate(at(2026, 5, 12, 15, 45));
    EXPECT_EQ(day->consumed(), 750.0f);
    EXPECT_EQ(day->burned(), 200.0f);
    EXPECT_EQ(day->netValue(), "550");
    EXPECT_EQ(day->weightInfo()->avgweight(), 80.5f);
    EXPECT_EQ(day->date(), at(2026, 5, 12));
    // The diary days now report to it.
    EXPECT_EQ(day->foodInfo()->overview(), day.get());
    EXPECT_EQ(day->exerciseInfo()->overview(), day.get());

    OverviewDayInfo burnt;
    burnt.setBurned(250.0f);
    EXPECT_EQ(burnt.netValue(), "-250");
    burnt.setBurned(0.3f);
    EXPECT_EQ(burnt.netValue(), "0") << "a fraction more burned than eaten is not \"-0\"";
}

TEST_F(OverviewDayInfoTest, WeighingsAloneMakeADayAndNothingAtAllIsEmpty) {
    weigh(at(2026, 5, 14, 7), "80.00");
    const OverviewDayPtr weighed = OverviewDayInfo::getOverviewForDate(at(2026, 5, 14, 12));
    EXPECT_FALSE(weighed->foodInfo());
    EXPECT_FALSE(weighed->isEmpty());

    const OverviewDayPtr nothing = OverviewDayInfo::getOverviewForDate(at(2026, 5, 15, 12));
    EXPECT_TRUE(nothing->isEmpty());
    EXPECT_EQ(nothing->netValue(), "0");
    // Today always has a day in the diary lists, but without entries it holds nothing.
    const OverviewDayPtr today = OverviewDayInfo::getOverviewForDate(Clock::now());
    EXPECT_TRUE(today->foodInfo());
    EXPECT_TRUE(today->isEmpty());
}

TEST_F(OverviewDayInfoTest, DiaryChangesRecomputeTheNewestDayThatTookTheDiaryDay) {
    storeFood("2026-05-12 00:00:00", 0, 300);
    const OverviewDayPtr older = OverviewDayInfo::getOverviewForDate(at(2026, 5, 12));
    OverviewDayPtr newer = OverviewDayInfo::getOverviewForDate(at(2026, 5, 12));
    EXPECT_EQ(newer->foodInfo(), older->foodInfo());

    saved(speedyFood(at(2026, 5, 12), 1, 250));
    EXPECT_EQ(newer->consumed(), 550.0f);
    EXPECT_EQ(older->consumed(), 300.0f);

    // Letting go of the newer day leaves no link behind; later changes reach nobody.
    const FoodDayPtr foodDay = newer->foodInfo();
    newer.reset();
    EXPECT_EQ(foodDay->overview(), nullptr);
    ASSERT_TRUE(foodDay->removeFoodAtIndexPath(1, 0));
    EXPECT_EQ(older->consumed(), 300.0f);

    // Attaching again moves the link back, and a removal is seen.
    older->setFoodInfo(foodDay);
    ASSERT_TRUE(foodDay->removeFoodAtIndexPath(0, 0));
    EXPECT_EQ(older->consumed(), 0.0f);
    EXPECT_TRUE(older->isEmpty());
}

TEST_F(OverviewDayInfoTest, ReplacingADiaryDayReleasesTheOldLink) {
    storeFood("2026-05-12 00:00:00", 0, 300);
    storeFood("2026-05-13 00:00:00", 0, 400);
    const FoodDayPtr first = FoodDayInfo::getFoodOn(at(2026, 5, 12));
    const FoodDayPtr second = FoodDayInfo::getFoodOn(at(2026, 5, 13));
    ASSERT_TRUE(first && second);
    OverviewDayInfo day;
    day.setFoodInfo(first);
    day.setFoodInfo(second);
    EXPECT_EQ(first->overview(), nullptr);
    EXPECT_EQ(second->overview(), &day);
    EXPECT_EQ(day.consumed(), 400.0f);
    day.setFoodInfo(nullptr);
    EXPECT_EQ(second->overview(), nullptr);
    EXPECT_EQ(day.consumed(), 0.0f);
}
