#include "core/catalogue/FoodSimpleDbo.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "core/db/QVUtil.h"
#include "support/RawDatabase.h"
#include "support/SampleCatalogues.h"

#include <vector>

namespace {

QStringList names(const QList<FoodSimpleDbo>& rows) {
    QStringList out;
    for (const FoodSimpleDbo& row : rows)
        out.append(row.name);
    return out;
}

QStringList found(const QString& text, int restaurant = 0, int kind = 0, int type = 0) {
    return names(FoodSimpleDbo::searchFoodItems(text, restaurant, kind, type).value("items"));
}

} // namespace

class FoodCatalogueTest : public SampleCatalogueTest {};

TEST_F(FoodCatalogueTest, AlphabetGroupsHoldEveryLetterAndOnlyNamesStartingWithOne) {
    const FoodGroups restaurants = FoodSimpleDbo::getRestaurantsList();
    EXPECT_EQ(restaurants.size(), 26);
    EXPECT_EQ(names(restaurants.value("A")), QStringList{"Arby's"});
    EXPECT_EQ(names(restaurants.value("B")), QStringList{"burger place"});
    int listed = 0;
    for (const auto& group : restaurants)
        listed += static_cast<int>(group.size());
    EXPECT_EQ(listed, 2) << "a name with a digit or an empty name is never grouped";

    const FoodGroups drinks = FoodSimpleDbo::getFoodByType(2);
    EXPECT_EQ(names(drinks.value("C")), (QStringList{"Cheddar", "Chicken soup"}));
    EXPECT_EQ(drinks.value("C").first().desc, "1 oz");
    EXPECT_EQ(names(FoodSimpleDbo::getFoodByKind(5).value("C")), QStringList{"Chicken soup"});
    // Item 5 has no nutrition row and item 6 starts outside A-Z.
    EXPECT_EQ(names(FoodSimpleDbo::getFoodByRestaurant(3).value("C")),
              QStringList{"chicken wings"});
    EXPECT_EQ(FoodSimpleDbo::getFoodByRestaurant(99).size(), 26);
}

TEST_F(FoodCatalogueTest, SearchMatchesAnywhereInAnyCaseAndFiltersByRestaurantThenKindThenType) {
    const QStringList all{"7-layer chicken dip", "Beef, chicken broth", "Chicken soup",
                          "chicken wings", "Éclair chicken"};
    EXPECT_EQ(found("chicken"), all);
    EXPECT_EQ(found("CHICKEN"), all);
    EXPECT_EQ(found("ChickenSoup"), QStringList{"Chicken soup"});
    EXPECT_EQ(FoodSimpleDbo::searchFoodItems("zzz", 0, 0, 0).keys(), QStringList{"items"});
    EXPECT_TRUE(found("zzz").isEmpty());

    EXPECT_EQ(found("chicken", 3, 5, 2), (QStringList{"chicken wings", "Éclair chicken"}));
    EXPECT_EQ(found("chicken", 0, 5, 1),
              (QStringList{"7-layer chicken dip", "Chicken soup", "Éclair chicken"}));
    EXPECT_EQ(found("chicken", 0, 0, 1), (QStringList{"7-layer chicken dip", "chicken wings"}));
    EXPECT_EQ(found("chicken", -1), all);
}

TEST_F(FoodCatalogueTest, TypedWordsFindItemsInAnyOrderAfterTheJoinedTextMatches) {
    QVUtil::foodDbc().executeImmediate(
        "insert into food_items values (80, 'Soup, chicken noodle', 'soupchickennoodle', 2, 0, 0),"
        " (81, 'Milk, 100% whole', 'milk100%whole', 2, 0, 0),"
        " (82, 'Milk, 100 proof', 'milk100proof', 2, 0, 0)",
        {});
    QVUtil::foodDbc().executeImmediate("insert into nutrition_values (food_item_id, serving_size)"
                                       " values (80, '1 cup'), (81, '1 cup'), (82, '1 cup')",
                                       {});
    // The joined text's matches stay first; the word matches follow in name order.
    EXPECT_EQ(found("chicken soup"), (QStringList{"Chicken soup", "Soup, chicken noodle"}));
    EXPECT_EQ(found("Soup , Chicken"), (QStringList{"Soup, chicken noodle", "Chicken soup"}));
    EXPECT_EQ(found("wings chicken", 0, 0, 1), QStringList{"chicken wings"});
    EXPECT_TRUE(found("wings chicken", 0, 0, 2).isEmpty());
    // Typed wildcards match only themselves.
    EXPECT_EQ(found("100%"), QStringList{"Milk, 100% whole"});
    for (const char* text : {"%%", "__", "c_icken", "\\", "100%proof"})
        EXPECT_TRUE(found(text).isEmpty()) << text;
}

TEST_F(FoodCatalogueTest, ItemsTypesKindsAndServingsAreReadOnceButMissesAreAskedAgain) {
    ASSERT_TRUE(FoodSimpleDbo::getFoodItem(5).has_value());
    EXPECT_FALSE(FoodSimpleDbo::getFoodItem(98).has_value());
    const auto soup = NutritionInfoDbo::getInfoTo(1);
    ASSERT_TRUE(soup.has_value());
    EXPECT_EQ(soup->serving, "1 cup");
    EXPECT_EQ((std::vector<float>{soup->servingSize, soup->calories, soup->totalFat,
                                  soup->cholesterol, soup->sodium, soup->protein, soup->calcium,
                                  soup->iron, soup->fiber, soup->carb, soup->points}),
              (std::vector<float>{240, 75, 2.5f, 7, 1100, 4, 17, 0.8f, 0.5f, 9.5f, 1.5f}));
    EXPECT_EQ(NutritionInfoDbo::getInfoTo(2)->totalFat, 0.0f); // NULL reads 0
    EXPECT_FALSE(NutritionInfoDbo::getInfoTo(5).has_value());
    const QList<FoodSimpleDbo> types = FoodSimpleDbo::getFoodTypes();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(QStringList({types[0].name, types[1].desc, types[1].icon}),
              QStringList({"Soups", "Tea and coffee", "type_drink.png"}));

    // Change the user's copy behind the caches' backs.
    QVUtil::foodDbc().executeImmediate("update food_items set name = 'renamed' where id = 5", {});
    QVUtil::foodDbc().executeImmediate("insert into food_items (id, name) values (98, 'late')", {});
    QVUtil::foodDbc().executeImmediate("update nutrition_values set calories = 1", {});
    QVUtil::foodDbc().executeImmediate("delete from food_types", {});
    EXPECT_EQ(FoodSimpleDbo::getFoodItem(5)->name, "Chicken without values");
    ASSERT_TRUE(FoodSimpleDbo::getFoodItem(98).has_value());
    EXPECT_EQ(NutritionInfoDbo::getInfoTo(1)->calories, 75.0f);
    EXPECT_EQ(FoodSimpleDbo::getFoodTypes().size(), 2);
    EXPECT_EQ(FoodSimpleDbo::getFoodKinds().first().icon, "kind_pizza.png");
}

TEST_F(FoodCatalogueTest, RecentFoodsCanBeForgottenByItemOrOneRowAtATime) {
    RawDatabase::user("common.db")
        .exec("insert into recent_food (food_item_id, name, calories) values"
              " (0, 'Snack', 249.6), (4, 'Cheddar', 114), (0, 'Apple', 80), (0, '', 10);");
    const FoodGroups recent = FoodSimpleDbo::getRecentFood();
    ASSERT_EQ(recent.keys(), QStringList{"items"});
    const QList<FoodSimpleDbo> rows = recent.value("items");
    EXPECT_EQ(names(rows), (QStringList{"", "Apple", "Cheddar", "Snack"}));
    EXPECT_FLOAT_EQ(rows[3].numAttribute, 249.6f);
    EXPECT_EQ(rows[2].dboId, 4);

    FoodSimpleDbo::deleteRecentFoodRow(rows[1].rowId);
    EXPECT_EQ(names(FoodSimpleDbo::getRecentFood().value("items")),
              (QStringList{"", "Cheddar", "Snack"}));
    FoodSimpleDbo::deleteRecentFood(0);
    EXPECT_EQ(names(FoodSimpleDbo::getRecentFood().value("items")), QStringList{"Cheddar"});
}
