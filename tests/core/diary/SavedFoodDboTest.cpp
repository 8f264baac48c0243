#include "core/diary/SavedFoodDbo.h"
#include "core/diary/FoodDayInfo.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/SampleCatalogues.h"

#include <cmath>

namespace {

const QDateTime day = at(2026, 12, 6);

// Portions of a sample food at lunch, with the figures changed by hand by the extra amounts.
SavedFoodPtr lunch(int itemId, float portions, float extraCalories = 0, float extraPoints = 0) {
    return catalogueFood(itemId, day, 1, portions, extraCalories, extraPoints);
}

} // namespace

class SavedFoodDboTest : public SampleCatalogueTest {};

TEST_F(SavedFoodDboTest, TextsShowTheCatalogueFiguresAndTheDeviationsFromThem) {
    const auto asListed = lunch(10, 1.5f);
    EXPECT_EQ(asListed->portionString(), "1.50x250");
    EXPECT_EQ(asListed->caloriesString(), "375");
    EXPECT_EQ(asListed->caloriesDiffString(), "");
    EXPECT_EQ(lunch(10, 1.5f, 25)->caloriesDiffString(), "(+25)");
    EXPECT_EQ(lunch(10, 1.5f, 25)->caloriesDiffColor(), (QVColor{0, 102, 0}));
    EXPECT_EQ(lunch(10, 1.5f, -10)->caloriesDiffString(), "(-10)");
    EXPECT_EQ(lunch(10, 1.5f, -10)->caloriesDiffColor(), (QVColor{255, 0, 0}));

    // Points: 100 / 50 + 6 / 12 - 2 / 5 = 2.1 a serving.
    EXPECT_EQ(lunch(11, 1)->pointsString(), "2.10");
    EXPECT_EQ(lunch(11, 1, 0, -0.2f)->pointsDiffString(), "(-0.20)");
    // 50 more calories than one serving count as half a portion more:
    // 150 / 50 + 6 * 1.5 / 12 - 2 * 1.5 / 5 = 3.15
    const auto bigger = lunch(11, 1, 50, 0.35f);
    EXPECT_EQ(bigger->pointsString(), "3.15");
    EXPECT_EQ(bigger->pointsDiffString(), "(+0.35)");

    // Two cups of tea: no calories, yet the portions count: 0.6 * 2 / 12 = 0.1.
    const auto tea = lunch(12, 2);
    EXPECT_FALSE(std::isnan(tea->standardPoints()));
    EXPECT_EQ(tea->pointsString(), "0.10");
    EXPECT_EQ(tea->portionString(), "2.00x0");

    const auto speedy = speedyFood(day, 0, 250);
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

    // Texts already shown follow a later change of the fields they come from.
    food->setPortionCount(2);
    EXPECT_EQ(food->portionString(), "2.00x100");
    EXPECT_EQ(food->caloriesString(), "200");
    EXPECT_EQ(food->caloriesDiffString(), "(-50)");
    food->setFoodItemId(0);
    EXPECT_EQ(food->portionString(), "");
    EXPECT_EQ(food->caloriesString(), "150");
}

TEST_F(SavedFoodDboTest, StoredFiguresAreRoundedAndImagesComeFromKindThenType) {
    const auto food = lunch(10, 1, -0.5f);
    food->setResultWeight(120.4f);
    EXPECT_FLOAT_EQ(food->resultCalories(), 250.0f);
    EXPECT_FLOAT_EQ(food->resultWeight(), 120.0f);
    EXPECT_EQ(food->kindImage(), "kind_pizza.png");
    EXPECT_EQ(lunch(11, 1)->kindImage(), "type_soup.png");
    EXPECT_EQ(lunch(13, 1)->kindImage(), "restaurant.png");

    auto soup = lunch(11, 1.0f / 3.0f);
    soup->setResultPoints(0.7f);
    soup->setFoodTypeId(3);
    soup->setName("typed over");
    EXPECT_EQ(soup->rowParams(), (QStringList{"11", "Lentil soup", "0.333", "0.00", "33.00", "3.00",
                                              "2026-12-06 00:00:00", "0.70"}));
    // An item the catalogue does not know keeps the entry's own name.
    auto lost = lunch(999, 1);
    lost->setName("Old favourite");
    EXPECT_EQ(lost->rowParams().at(1), "Old favourite");
}

TEST_F(SavedFoodDboTest, SaveInsertsOnceUpdateRewritesAndUnstorableEntriesWriteNothing) {
    auto undated = lunch(10, 1);
    undated->setDate(QDateTime());
    EXPECT_THROW(undated->save(), std::invalid_argument);
    auto badMeal = lunch(10, 1);
    badMeal->setFoodTypeId(4);
    EXPECT_THROW(badMeal->save(), std::invalid_argument);
    SavedFoodDbo notShared;
    notShared.setDate(day);
    EXPECT_THROW(notShared.save(), std::logic_error);
    EXPECT_EQ(diary("select count(*) from saved_food") + diary("select count(*) from recent_food"),
              "00");

    const auto food = saved(lunch(12, 2));
    ASSERT_GT(food->dboId(), 0);
    food->save();
    EXPECT_EQ(diary("select count(*) from saved_food"), "1");
    EXPECT_EQ(diary("select result_points from saved_food"), "0.1");
    // Saved twice, still counted once in its day.
    EXPECT_EQ(FoodDayInfo::getFoodOn(day)->items().at(1).size(), 1);
    food->setResultCalories(300);
    food->update();
    EXPECT_EQ(diary("select result_calories || ' ' || date from saved_food"),
              "300.0 2026-12-06 00:00:00");
}

TEST_F(SavedFoodDboTest, RecentFoodsKeepThirtyDistinctRows) {
    for (int id = 20; id <= 49; ++id)
        saved(lunch(id, 1));
    const QString oldest = diary("select min(id) from recent_food");
    saved(lunch(50, 1));
    EXPECT_EQ(diary("select count(*) from recent_food"), "30");
    EXPECT_EQ(diary("select count(*) from recent_food where id = " + oldest), "0");
    EXPECT_EQ(diary("select calories from recent_food where food_item_id = 50"), "80.0");

    // A full list still loses its oldest row, but a listed food adds none.
    saved(lunch(30, 1));
    EXPECT_EQ(diary("select count(*) from recent_food"), "29");
    EXPECT_EQ(diary("select count(*) from recent_food where food_item_id = 30"), "1");
}
