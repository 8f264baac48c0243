#include "core/diary/SavedFoodDbo.h"
#include "DiaryTestSupport.h"
#include "core/diary/FoodDayInfo.h"

#include <cmath>

namespace {

// Filled in the order the entry screens use: item, meal, portions and results, date.
SavedFoodPtr entry(int itemId, float portions, float calories, float points = 0.0f) {
    auto food = std::make_shared<SavedFoodDbo>();
    food->setFoodItemId(itemId);
    food->setFoodTypeId(1);
    food->setPortionCount(portions);
    food->setResultCalories(calories);
    food->setResultPoints(points);
    food->setDate(QDateTime(QDate(2026, 12, 6), QTime(0, 0)));
    food->getKindImage();
    return food;
}

} // namespace

class SavedFoodDboTest : public DiaryTest {};

TEST_F(SavedFoodDboTest, CalorieTextsShowTheCatalogueValueAndTheDeviation) {
    const auto asListed = entry(10, 1.5f, 375);
    EXPECT_EQ(asListed->portionString(), "1.50x250");
    EXPECT_EQ(asListed->caloriesString(), "375");
    EXPECT_EQ(asListed->caloriesDiffString(), "");

    const auto more = entry(10, 1.5f, 400);
    EXPECT_EQ(more->caloriesDiffString(), "(+25)");
    EXPECT_EQ(more->caloriesDiffColor(), (QVColor{0, 102, 0}));

    const auto less = entry(10, 1.5f, 365);
    EXPECT_EQ(less->caloriesDiffString(), "(-10)");
    EXPECT_EQ(less->caloriesDiffColor(), (QVColor{255, 0, 0}));
}

TEST_F(SavedFoodDboTest, PointsFollowCaloriesFatAndFibre) {
    // 100 / 50 + 6 / 12 - 2 / 5 = 2.1
    const auto exact = entry(11, 1, 100, 2.1f);
    EXPECT_EQ(exact->pointsString(), "2.10");
    EXPECT_EQ(exact->pointsDiffString(), "");

    const auto fewer = entry(11, 1, 100, 1.9f);
    EXPECT_EQ(fewer->pointsDiffString(), "(-0.20)");
    EXPECT_EQ(fewer->pointsDiffColor(), (QVColor{255, 0, 0}));

    // 50 more calories than one serving count as half a portion more:
    // 150 / 50 + 6 * 1.5 / 12 - 2 * 1.5 / 5 = 3.15
    const auto bigger = entry(11, 1, 150, 3.5f);
    EXPECT_EQ(bigger->pointsString(), "3.15");
    EXPECT_EQ(bigger->pointsDiffString(), "(+0.35)");
}

TEST_F(SavedFoodDboTest, AServingWithoutCaloriesStillGivesNumbers) {
    // Two cups of tea: the portions are the portions, 0.6 * 2 / 12 = 0.1.
    const auto tea = entry(12, 2, 0, 0.1f);
    EXPECT_FALSE(std::isnan(tea->standardPoints()));
    EXPECT_EQ(tea->pointsString(), "0.10");
    EXPECT_EQ(tea->pointsDiffString(), "");
    EXPECT_EQ(tea->caloriesString(), "0");
    EXPECT_EQ(tea->portionString(), "2.00x0");

    tea->save();
    EXPECT_EQ(commonScalar("select result_points from saved_food"), "0.1");
}

TEST_F(SavedFoodDboTest, SpeedyEntryShowsItsOwnCalories) {
    auto speedy = std::make_shared<SavedFoodDbo>();
    speedy->setName("Cake at work");
    speedy->setFoodItemId(0);
    speedy->setResultCalories(250);
    speedy->getKindImage();
    EXPECT_EQ(speedy->caloriesString(), "250");
    EXPECT_EQ(speedy->pointsString(), "0");
    EXPECT_EQ(speedy->portionString(), "");
    EXPECT_EQ(speedy->kindImage(), "quick_add.png");
}

TEST_F(SavedFoodDboTest, TextsDoNotDependOnTheOrderFieldsAreSet) {
    auto food = std::make_shared<SavedFoodDbo>();
    food->setResultPoints(2.1f);
    food->setResultCalories(150);
    food->setPortionCount(1);
    food->setFoodItemId(11);
    EXPECT_EQ(food->caloriesString(), "100");
    EXPECT_EQ(food->caloriesDiffString(), "(+50)");
    EXPECT_EQ(food->pointsString(), "3.15");
    EXPECT_EQ(food->name(), "Lentil soup");
}

TEST_F(SavedFoodDboTest, StoredFiguresAreRoundedAndImagesComeFromKindThenType) {
    const auto food = entry(10, 1, 99.5f);
    food->setResultWeight(120.4f);
    EXPECT_FLOAT_EQ(food->resultCalories(), 100.0f);
    EXPECT_FLOAT_EQ(food->resultWeight(), 120.0f);
    EXPECT_EQ(food->kindImage(), "kind_pizza.png");
    EXPECT_EQ(entry(11, 1, 100)->kindImage(), "type_soup.png");
    EXPECT_EQ(entry(13, 1, 120)->kindImage(), "restaurant.png");
}

TEST_F(SavedFoodDboTest, RowTextsUseTheStoredNumberFormats) {
    auto food = entry(11, 1.0f / 3.0f, 33.4f, 0.7f);
    food->setFoodTypeId(3);
    food->setName("typed over");
    EXPECT_EQ(food->rowParams(), (QStringList{"11", "Lentil soup", "0.333", "0.00", "33.00", "3.00",
                                              "2026-12-06 00:00:00", "0.70"}));
    // An item the catalogue does not know keeps the entry's own name.
    auto lost = entry(999, 1, 50);
    lost->setName("Old favourite");
    EXPECT_EQ(lost->rowParams().at(1), "Old favourite");
}

TEST_F(SavedFoodDboTest, SaveInsertsOnceAndUpdateRewritesTheRow) {
    const auto food = entry(10, 1, 250);
    food->save();
    ASSERT_GT(food->dboId(), 0);
    food->save();
    EXPECT_EQ(commonScalar("select count(*) from saved_food"), "1");
    // Saved twice, still counted once in its day.
    EXPECT_FLOAT_EQ(FoodDayInfo::getFoodOn(food->date())->total(), 250.0f);

    food->setResultCalories(300);
    food->update();
    EXPECT_EQ(commonScalar("select result_calories from saved_food"), "300.0");
    EXPECT_EQ(commonScalar("select date from saved_food"), "2026-12-06 00:00:00");
}

TEST_F(SavedFoodDboTest, EntriesThatCannotBeStoredAreRefusedBeforeAnyWrite) {
    auto undated = entry(10, 1, 250);
    undated->setDate(QDateTime());
    EXPECT_THROW(undated->save(), std::invalid_argument);
    auto badMeal = entry(10, 1, 250);
    badMeal->setFoodTypeId(4);
    EXPECT_THROW(badMeal->save(), std::invalid_argument);
    SavedFoodDbo notShared;
    notShared.setDate(QDateTime(QDate(2026, 12, 6), QTime(0, 0)));
    EXPECT_THROW(notShared.save(), std::logic_error);
    EXPECT_EQ(commonScalar("select count(*) from saved_food"), "0");
    EXPECT_EQ(commonScalar("select count(*) from recent_food"), "0");
}

TEST_F(SavedFoodDboTest, RecentFoodsKeepThirtyDistinctRows) {
    for (int id = 20; id <= 49; ++id)
        entry(id, 1, 80)->save();
    ASSERT_EQ(commonScalar("select count(*) from recent_food"), "30");
    const QString oldest = commonScalar("select min(id) from recent_food");

    entry(50, 1, 80)->save();
    EXPECT_EQ(commonScalar("select count(*) from recent_food"), "30");
    EXPECT_EQ(commonScalar("select count(*) from recent_food where id = " + oldest), "0");
    EXPECT_EQ(commonScalar("select count(*) from recent_food where food_item_id = 20"), "0");
    EXPECT_EQ(commonScalar("select calories from recent_food where food_item_id = 50"), "80.0");

    // A full list still loses its oldest row, but a listed food adds none.
    entry(30, 1, 80)->save();
    EXPECT_EQ(commonScalar("select count(*) from recent_food"), "29");
    EXPECT_EQ(commonScalar("select count(*) from recent_food where food_item_id = 30"), "1");
}
