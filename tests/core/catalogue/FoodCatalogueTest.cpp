#include "core/catalogue/FoodSimpleDbo.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "core/db/DbTestSupport.h"
#include "core/db/QVUtil.h"

#include <vector>

namespace {

QStringList names(const QList<FoodSimpleDbo>& rows) {
    QStringList out;
    for (const FoodSimpleDbo& row : rows)
        out.append(row.name);
    return out;
}

QStringList items(const FoodGroups& groups) {
    return names(groups.value("items"));
}

} // namespace

// A small catalogue whose rows each show one rule.
class FoodCatalogueTest : public OwnResourcesTest {
protected:
    void SetUp() override {
        OwnResourcesTest::SetUp();
        rawdb::exec(
            resourcePath("food.db"),
            "create table food_types (id INTEGER PRIMARY KEY, name TEXT, desc TEXT, icon TEXT);"
            "create table food_kinds (id INTEGER PRIMARY KEY, name TEXT, desc TEXT, icon TEXT);"
            "create table restaurants (id INTEGER PRIMARY KEY, name TEXT);"
            "create table food_items (id INTEGER PRIMARY KEY, name TEXT, l_name TEXT, "
            "type_id INTEGER, kind_id INTEGER, restaurant_id INTEGER);"
            "create table nutrition_values (food_item_id INTEGER, serving_size TEXT, "
            "serving_size_gms REAL, calories REAL, total_fat REAL, cholesterol REAL, "
            "sodium REAL, protein REAL, calcium REAL, iron REAL, "
            "carbohydrate_dietary_fiber REAL, total_carbohydrate REAL, food_points REAL);"
            "insert into food_types values (2, 'Dairy', 'Milk and cheese', 'type_dairy.png'),"
            " (1, 'Meat', 'Beef and pork', 'type_meat.png');"
            "insert into food_kinds values (1, 'Raw', 'As it comes', 'kind_raw.png');"
            "insert into restaurants values (1, 'burger place'), (2, '7 Eleven'), (3, 'Arby''s'),"
            " (4, '');"
            // id, name, l_name, type, kind, restaurant
            "insert into food_items values"
            " (1, 'Chicken soup', 'chickensoup', 2, 5, 0),"
            " (2, 'chicken wings', 'chickenwings', 1, 0, 3),"
            " (3, '7-layer chicken dip', '7-layerchickendip', 1, 5, 0),"
            " (4, 'Cheddar', 'cheddar', 2, 1, 0),"
            " (5, 'Chicken without values', 'chickenwithoutvalues', 2, 5, 3),"
            " (6, 'Éclair chicken', 'éclairchicken', 2, 5, 3),"
            " (7, 'Beef, chicken broth', 'beefchickenbroth', 2, 0, 0);"
            "insert into nutrition_values values"
            " (1, '1 cup', 240, 75, 2.5, 7, 1100, 4, 17, 0.8, 0.5, 9.5, 1.5),"
            " (2, '4 pieces', 100, 290, null, null, null, null, null, null, null, null, null),"
            " (3, '2 tbsp', 30, 60, 1, 1, 1, 1, 1, 1, 1, 1, 1),"
            " (4, '1 oz', 28, 114, 9, 1, 1, 1, 1, 1, 1, 1, 1),"
            " (6, '1 piece', 50, 200, 1, 1, 1, 1, 1, 1, 1, 1, 1),"
            " (7, '1 cup', 240, 20, 1, 1, 1, 1, 1, 1, 1, 1, 1);");
    }
};

TEST_F(FoodCatalogueTest, AlphabetGroupsHoldEveryLetterAndOnlyLetters) {
    const FoodGroups restaurants = FoodSimpleDbo::getRestaurantsList();
    EXPECT_EQ(restaurants.size(), 26);
    EXPECT_EQ(restaurants.firstKey(), "A");
    EXPECT_EQ(restaurants.lastKey(), "Z");
    EXPECT_EQ(names(restaurants.value("A")), QStringList{"Arby's"});
    EXPECT_EQ(names(restaurants.value("B")), QStringList{"burger place"});
    EXPECT_EQ(restaurants.value("A").first().desc, "0");
    int listed = 0;
    for (const auto& group : restaurants)
        listed += static_cast<int>(group.size());
    EXPECT_EQ(listed, 2) << "a name with a digit or an empty name is never grouped";

    const FoodGroups none = FoodSimpleDbo::getFoodByRestaurant(99);
    EXPECT_EQ(none.size(), 26);
    for (const auto& group : none)
        EXPECT_TRUE(group.isEmpty());
}

TEST_F(FoodCatalogueTest, ListsJoinNutritionAndKeepNameOrder) {
    const FoodGroups dairy = FoodSimpleDbo::getFoodByType(2);
    EXPECT_EQ(names(dairy.value("C")), (QStringList{"Cheddar", "Chicken soup"}));
    EXPECT_EQ(dairy.value("C").first().desc, "1 oz");
    EXPECT_EQ(names(dairy.value("B")), QStringList{"Beef, chicken broth"});
    EXPECT_EQ(names(FoodSimpleDbo::getFoodByKind(5).value("C")), QStringList{"Chicken soup"});
    // Item 5 has no nutrition row and item 6 starts outside A-Z.
    EXPECT_EQ(names(FoodSimpleDbo::getFoodByRestaurant(3).value("C")),
              QStringList{"chicken wings"});
}

TEST_F(FoodCatalogueTest, SearchMatchesAnywhereInAnyCaseAndFindsDigitNames) {
    const QStringList all = items(FoodSimpleDbo::searchFoodItems("chicken", 0, 0, 0));
    EXPECT_EQ(all, (QStringList{"7-layer chicken dip", "Beef, chicken broth", "Chicken soup",
                                "chicken wings", "Éclair chicken"}));
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("CHICKEN", 0, 0, 0)), all);
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("ChickenSoup", 0, 0, 0)),
              QStringList{"Chicken soup"});
    const FoodGroups nothing = FoodSimpleDbo::searchFoodItems("zzz", 0, 0, 0);
    EXPECT_EQ(nothing.keys(), QStringList{"items"});
    EXPECT_TRUE(nothing.value("items").isEmpty());
}

TEST_F(FoodCatalogueTest, SearchFiltersByRestaurantThenKindThenType) {
    // Restaurant 3 wins over kind 5.
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("chicken", 3, 5, 2)),
              (QStringList{"chicken wings", "Éclair chicken"}));
    // Kind 5 wins over type 1.
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("chicken", 0, 5, 1)),
              (QStringList{"7-layer chicken dip", "Chicken soup", "Éclair chicken"}));
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("chicken", 0, 0, 1)),
              (QStringList{"7-layer chicken dip", "chicken wings"}));
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("chicken", -1, 0, 0)).size(), 5);
}

TEST_F(FoodCatalogueTest, TypedWordsFindItemsInAnyOrderAfterTheJoinedTextMatches) {
    rawdb::exec(resourcePath("food.db"),
                "insert into food_items values (8, 'Soup, chicken noodle', 'soupchickennoodle', "
                "2, 0, 0), (9, 'Milk, 100% whole', 'milk100%whole', 2, 0, 0),"
                " (10, 'Milk, 100 proof', 'milk100proof', 2, 0, 0);"
                "insert into nutrition_values (food_item_id, serving_size) values (8, '1 cup'),"
                " (9, '1 cup'), (10, '1 cup');");
    // The joined text's matches stay first; the word matches follow in name order.
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("chicken soup", 0, 0, 0)),
              (QStringList{"Chicken soup", "Soup, chicken noodle"}));
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("Soup , Chicken", 0, 0, 0)),
              (QStringList{"Soup, chicken noodle", "Chicken soup"}));
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("wings chicken", 0, 0, 1)),
              QStringList{"chicken wings"});
    EXPECT_TRUE(items(FoodSimpleDbo::searchFoodItems("wings chicken", 0, 0, 2)).isEmpty());
    // Typed wildcards match only themselves.
    EXPECT_EQ(items(FoodSimpleDbo::searchFoodItems("100%", 0, 0, 0)),
              QStringList{"Milk, 100% whole"});
    for (const char* text : {"%%", "__", "c_icken", "\\", "100%proof"})
        EXPECT_TRUE(items(FoodSimpleDbo::searchFoodItems(text, 0, 0, 0)).isEmpty()) << text;
}

TEST_F(FoodCatalogueTest, ItemLookupCachesHitsButNotMisses) {
    ASSERT_TRUE(FoodSimpleDbo::getFoodItem(5).has_value());
    EXPECT_EQ(FoodSimpleDbo::getFoodItem(5)->name, "Chicken without values");
    EXPECT_FALSE(FoodSimpleDbo::getFoodItem(42).has_value());

    // Change the user's copy behind the cache's back.
    QVUtil::foodDbc().executeImmediate("update food_items set name = 'renamed' where id = 5", {});
    QVUtil::foodDbc().executeImmediate("insert into food_items (id, name) values (42, 'late')", {});
    EXPECT_EQ(FoodSimpleDbo::getFoodItem(5)->name, "Chicken without values");
    ASSERT_TRUE(FoodSimpleDbo::getFoodItem(42).has_value());
    EXPECT_EQ(FoodSimpleDbo::getFoodItem(42)->dboId, 42);
}

TEST_F(FoodCatalogueTest, TypesAndKindsAreReadOnceInIdOrder) {
    const QList<FoodSimpleDbo> types = FoodSimpleDbo::getFoodTypes();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(QStringList({types[0].name, types[1].desc, types[1].icon}),
              QStringList({"Meat", "Milk and cheese", "type_dairy.png"}));
    QVUtil::foodDbc().executeImmediate("delete from food_types", {});
    EXPECT_EQ(FoodSimpleDbo::getFoodTypes().size(), 2);
    EXPECT_EQ(FoodSimpleDbo::getFoodKinds().first().icon, "kind_raw.png");
}

TEST_F(FoodCatalogueTest, NutritionColumnsLandInTheirFieldsOncePerItem) {
    const auto soup = NutritionInfoDbo::getInfoTo(1);
    ASSERT_TRUE(soup.has_value());
    EXPECT_EQ(soup->food_id, 1);
    EXPECT_EQ(soup->serving, "1 cup");
    EXPECT_EQ((std::vector<float>{soup->servingSize, soup->calories, soup->totalFat,
                                  soup->cholesterol, soup->sodium, soup->protein, soup->calcium,
                                  soup->iron, soup->fiber, soup->carb, soup->points}),
              (std::vector<float>{240, 75, 2.5f, 7, 1100, 4, 17, 0.8f, 0.5f, 9.5f, 1.5f}));
    EXPECT_EQ(NutritionInfoDbo::getInfoTo(2)->totalFat, 0.0f); // NULL reads 0
    EXPECT_FALSE(NutritionInfoDbo::getInfoTo(5).has_value());
    QVUtil::foodDbc().executeImmediate("update nutrition_values set calories = 1", {});
    EXPECT_EQ(NutritionInfoDbo::getInfoTo(1)->calories, 75.0f);
}

TEST_F(FoodCatalogueTest, RecentFoodsCanBeForgottenByItemOrOneRowAtATime) {
    rawdb::exec(resourcePath("common.db"),
                "create table recent_food (id INTEGER PRIMARY KEY, food_item_id INTEGER, "
                "name TEXT, calories REAL);"
                "insert into recent_food (food_item_id, name, calories) values"
                " (0, 'Snack', 249.6), (4, 'Cheddar', 114), (0, 'Apple', 80), (0, '', 10);");
    FoodGroups recent = FoodSimpleDbo::getRecentFood();
    ASSERT_EQ(recent.keys(), QStringList{"items"});
    const QList<FoodSimpleDbo> rows = recent.value("items");
    EXPECT_EQ(names(rows), (QStringList{"", "Apple", "Cheddar", "Snack"}));
    EXPECT_FLOAT_EQ(rows[3].numAttribute, 249.6f);
    EXPECT_EQ(rows[2].dboId, 4);

    FoodSimpleDbo::deleteRecentFoodRow(rows[1].rowId);
    EXPECT_EQ(items(FoodSimpleDbo::getRecentFood()), (QStringList{"", "Cheddar", "Snack"}));
    FoodSimpleDbo::deleteRecentFood(0);
    EXPECT_EQ(items(FoodSimpleDbo::getRecentFood()), QStringList{"Cheddar"});
}
