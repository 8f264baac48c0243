#include "core/overview/OverviewDayInfo.h"
#include "DiaryRows.h"
#include "core/base/Clock.h"
#include "support/TestEnv.h"

using diaryrows::local;

namespace {

SavedFoodPtr speedyFood(const QDate& day, float calories, int meal) {
    auto food = std::make_shared<SavedFoodDbo>();
    food->setFoodItemId(0);
    food->setFoodTypeId(meal);
    food->setName("Cake");
    food->setResultCalories(calories);
    food->setDate(QDateTime(day, QTime(0, 0)));
    return food;
}

} // namespace

class OverviewDayInfoTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(local(2026, 5, 20, 9));
    }
};

TEST_F(OverviewDayInfoTest, NetValueIsTheFloatDifferenceWithoutDecimals) {
    OverviewDayInfo day;
    EXPECT_EQ(day.netValue(), "0");
    day.setConsumed(1234.6f);
    day.setBurned(200.2f);
    EXPECT_EQ(day.netValue(), "1034");
    day.setConsumed(100.0f);
    day.setBurned(250.0f);
    EXPECT_EQ(day.netValue(), "-150");
    day.setConsumed(0.0f);
    day.setBurned(0.3f);
    EXPECT_EQ(day.netValue(), "0");
}

TEST_F(OverviewDayInfoTest, ADayJoinsItsFoodExerciseAndWeighings) {
    diaryrows::food(QDate(2026, 5, 12), "300.00", 0);
    diaryrows::food(QDate(2026, 5, 12), "450.00", 2);
    diaryrows::food(QDate(2026, 5, 13), "999.00", 2);
    diaryrows::exercise(QDate(2026, 5, 12), "200.00");
    diaryrows::weighing(local(2026, 5, 12, 7), "80.00");
    diaryrows::weighing(local(2026, 5, 12, 21), "81.00");

    const OverviewDayPtr day = OverviewDayInfo::getOverviewForDate(local(2026, 5, 12, 15, 45));
    ASSERT_TRUE(day->foodInfo());
    ASSERT_TRUE(day->exerciseInfo());
    EXPECT_EQ(day->consumed(), 750.0f);
    EXPECT_EQ(day->burned(), 200.0f);
    EXPECT_EQ(day->netValue(), "550");
    EXPECT_EQ(day->weightInfo()->avgweight(), 80.5f);
    EXPECT_EQ(day->date(), local(2026, 5, 12));
    // The diary days now report to it.
    EXPECT_EQ(day->foodInfo()->overview(), day.get());
    EXPECT_EQ(day->exerciseInfo()->overview(), day.get());
}

TEST_F(OverviewDayInfoTest, WeighingsAloneMakeADayAndNothingAtAllIsEmpty) {
    diaryrows::weighing(local(2026, 5, 14, 7), "80.00");

    const OverviewDayPtr weighed = OverviewDayInfo::getOverviewForDate(local(2026, 5, 14, 12));
    EXPECT_FALSE(weighed->foodInfo());
    EXPECT_FALSE(weighed->exerciseInfo());
    EXPECT_FALSE(weighed->isEmpty());
    EXPECT_EQ(weighed->date(), local(2026, 5, 14));

    const OverviewDayPtr nothing = OverviewDayInfo::getOverviewForDate(local(2026, 5, 15, 12));
    EXPECT_TRUE(nothing->isEmpty());
    EXPECT_EQ(nothing->netValue(), "0");
    EXPECT_EQ(nothing->weightInfo()->getTotalWeighings(), 0);

    // Today always has a day in the diary lists, but without entries it holds nothing.
    const OverviewDayPtr today = OverviewDayInfo::getOverviewForDate(Clock::now());
    EXPECT_TRUE(today->foodInfo());
    EXPECT_TRUE(today->isEmpty());
}

TEST_F(OverviewDayInfoTest, DiaryChangesRecomputeTheNewestDayThatTookTheDiaryDay) {
    const QDate may12(2026, 5, 12);
    diaryrows::food(may12, "300.00", 0);
    const OverviewDayPtr older = OverviewDayInfo::getOverviewForDate(local(2026, 5, 12));
    OverviewDayPtr newer = OverviewDayInfo::getOverviewForDate(local(2026, 5, 12));
    EXPECT_EQ(newer->foodInfo(), older->foodInfo());

    speedyFood(may12, 250.0f, 1)->save();
    EXPECT_EQ(newer->consumed(), 550.0f);
    EXPECT_EQ(newer->netValue(), "550");
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
    diaryrows::food(QDate(2026, 5, 12), "300.00", 0);
    diaryrows::food(QDate(2026, 5, 13), "400.00", 0);
    const FoodDayPtr first = FoodDayInfo::getFoodOn(local(2026, 5, 12));
    const FoodDayPtr second = FoodDayInfo::getFoodOn(local(2026, 5, 13));
    ASSERT_TRUE(first && second);
    {
        OverviewDayInfo day;
        day.setFoodInfo(first);
        day.setFoodInfo(second);
        EXPECT_EQ(first->overview(), nullptr);
        EXPECT_EQ(second->overview(), &day);
        EXPECT_EQ(day.consumed(), 400.0f);
        day.setFoodInfo(nullptr);
        EXPECT_EQ(second->overview(), nullptr);
        EXPECT_EQ(day.consumed(), 0.0f);
        day.setFoodInfo(first);
    }
    EXPECT_EQ(first->overview(), nullptr);
}
