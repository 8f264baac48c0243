#include "core/catalogue/ExerciseDbo.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "support/RawDatabase.h"
#include "support/TestEnv.h"

#include <QSet>
#include <cmath>

// The databases the build makes from data/: read through the application's own classes, and
// held to the rules their rows must keep.
class ShippedDatabasesTest : public QuorvelTest {
protected:
    static int count(const FoodGroups& groups) {
        int n = 0;
        for (const auto& group : groups)
            n += static_cast<int>(group.size());
        return n;
    }
    const RawDatabase food = RawDatabase::shipped("food.db");
};

TEST_F(ShippedDatabasesTest, EveryFoodBrowseListIsFilledAndEveryListedItemHasAServing) {
    const QList<FoodSimpleDbo> all = FoodSimpleDbo::searchFoodItems({}, 0, 0, 0).value("items");
    EXPECT_GE(all.size(), 7000);
    const QList<FoodSimpleDbo> types = FoodSimpleDbo::getFoodTypes();
    ASSERT_EQ(types.size(), 24);
    for (int i = 0; i < types.size(); ++i) {
        EXPECT_EQ(types[i].dboId, i + 1);
        EXPECT_TRUE(types[i].icon.endsWith(".png") && !types[i].desc.isEmpty());
        EXPECT_GT(count(FoodSimpleDbo::getFoodByType(types[i].dboId)), 0) << types[i].dboId;
    }
    ASSERT_GE(FoodSimpleDbo::getFoodKinds().size(), 5);
    for (const FoodSimpleDbo& kind : FoodSimpleDbo::getFoodKinds())
        EXPECT_GE(count(FoodSimpleDbo::getFoodByKind(kind.dboId)), 20) << kind.dboId;
    // The grouped list leaves out names that do not start with a letter, so none may.
    EXPECT_EQ(count(FoodSimpleDbo::getRestaurantsList()), food.count("restaurants", "name <> ''"));
    const FoodSimpleDbo& some = all.at(all.size() / 2);
    EXPECT_TRUE(NutritionInfoDbo::getInfoTo(some.dboId).has_value());
    EXPECT_EQ(FoodSimpleDbo::getFoodItem(some.dboId)->name, some.name);
}

TEST_F(ShippedDatabasesTest, FoodRowsPointAtRealRowsAndKeepTheSearchForm) {
    // 0 means "no kind" or "no restaurant": such ids must never name a row.
    for (const char* broken :
         {"food_items where type_id not in (select id from food_types)",
          "food_items where kind_id != 0 and kind_id not in (select id from food_kinds)",
          "food_items where restaurant_id != 0 and restaurant_id not in (select id from "
          "restaurants)",
          "food_kinds where id = 0", "restaurants where id = 0",
          "(select food_item_id from nutrition_values group by food_item_id having count(*) > 1)"})
        EXPECT_EQ(food.scalar(QString("select count(*) from ") + broken).toLongLong(), 0) << broken;
    // The search compares the name lower case without blanks and commas, as the menu cleans
    // what is typed.
    for (const auto& row : food.rows("select name, l_name from food_items")) {
        QString form = row[0].toString().toLower();
        form.remove(u' ');
        form.remove(u',');
        ASSERT_EQ(row[1].toString(), form);
    }
}

TEST_F(ShippedDatabasesTest, ServingsAreCompleteScoredByTheDiaryRuleAndInTheirOwnColumns) {
    const auto rows =
        food.rows("select food_item_id, serving_size, serving_size_gms, calories, total_fat,"
                  " carbohydrate_dietary_fiber, food_points, typeof(food_points), typeof(calories),"
                  " protein, total_carbohydrate from nutrition_values");
    ASSERT_GT(rows.size(), 7000u);
    size_t zeroCalorie = 0;
    size_t withMacros = 0;
    size_t energyMatches = 0;
    for (const auto& r : rows) {
        const std::string id = r[0].toString().toStdString();
        ASSERT_FALSE(r[1].toString().isEmpty()) << id;
        ASSERT_GT(r[2].toDouble(), 0.0) << id;
        ASSERT_EQ(r[7].toString(), "real") << id;
        ASSERT_NE(r[8].toString(), "text") << id;
        const double calories = r[3].toDouble();
        ASSERT_GE(calories, 0.0) << id;
        zeroCalorie += std::round(calories) == 0.0;
        // A fresh one-portion entry must show no points deviation in the diary.
        const double expected =
            std::round(calories) / 50.0 + r[4].toDouble() / 12.0 - r[5].toDouble() / 5.0;
        ASSERT_NEAR(r[6].toDouble(), expected, 0.01) << id;
        // Energy from fat, protein and carbohydrate (9, 4, 4 kcal/g) matches the calories of
        // nearly every food; a shifted or swapped column breaks that for thousands of them.
        if (r[4].isNull() || r[9].isNull() || r[10].isNull())
            continue;
        ++withMacros;
        const double energy = 9 * r[4].toDouble() + 4 * r[9].toDouble() + 4 * r[10].toDouble();
        energyMatches += std::abs(energy - calories) <= 0.2 * calories + 5.0;
    }
    EXPECT_GT(zeroCalorie, 0u);
    EXPECT_GT(withMacros, 7000u);
    EXPECT_GT(energyMatches, withMacros * 9 / 10);

    // A food with household measures is served by its first one, not by 100 g.
    const auto butter = NutritionInfoDbo::getInfoTo(
        food.scalar("select id from food_items where name = 'Butter, salted'").toInt());
    ASSERT_TRUE(butter.has_value());
    EXPECT_EQ(butter->serving, "1 cup");
    EXPECT_GT(butter->calories, 1000.0f);   // a cup of butter, not 100 g of it
    EXPECT_GT(butter->cholesterol, 100.0f); // in mg, not a fatty acid in g
}

TEST_F(ShippedDatabasesTest, ExerciseCategoriesRunWithoutGapsAndIntensitiesRiseInEffort) {
    const auto categories = ExerciseDbo::getCategories(true);
    ASSERT_TRUE(categories.has_value());
    ASSERT_GE(categories->size(), 13);
    // Speedy entries have no catalogue exercise, so nothing is filed under category 1.
    EXPECT_FALSE(ExerciseDbo::getExercisesByCategory(1).has_value());
    QSet<int> seen;
    QSet<QString> levelNames;
    for (int i = 0; i < categories->size(); ++i) {
        // The diary keeps one list per category at position id - 1.
        const ExerciseDbo& category = (*categories)[i];
        ASSERT_EQ(category.dboId, i + 1);
        EXPECT_FALSE(category.icon.isEmpty());
        if (category.dboId == 1)
            continue;
        EXPECT_FALSE(category.desc.isEmpty());
        const auto items = ExerciseDbo::getExercisesByCategory(category.dboId);
        ASSERT_TRUE(items.has_value()) << category.name.toStdString();
        for (const ExerciseDbo& item : *items) {
            seen.insert(item.dboId);
            EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(item.dboId), category.dboId);
            ASSERT_TRUE(!item.mets.isEmpty() && item.mets.size() <= 3) << item.dboId;
            for (int level = 0; level < item.mets.size(); ++level) {
                // One key is one named effort; harder levels come later and burn more.
                if (level > 0) {
                    EXPECT_GT(item.mets[level].metsID, item.mets[level - 1].metsID) << item.dboId;
                    EXPECT_GT(item.mets[level].mets, item.mets[level - 1].mets) << item.dboId;
                }
                levelNames.insert(item.mets[level].metsName);
            }
        }
    }
    EXPECT_GE(seen.size(), 150);
    EXPECT_EQ(levelNames, (QSet<QString>{"Light", "Moderate", "Vigorous"}));
    // No exercise hides in a category the list does not know.
    EXPECT_EQ(ExerciseDbo::searchExerciseUsingTemplate("", 0)->size(), seen.size());
}

TEST_F(ShippedDatabasesTest, TheDiariesShipEmpty) {
    const RawDatabase common = RawDatabase::shipped("common.db");
    for (const char* table : {"saved_food", "recent_food", "saved_exercise", "recent_exercise"})
        EXPECT_EQ(common.count(table), 0) << table;
    EXPECT_EQ(RawDatabase::shipped("weight.db").count("weight"), 0);
}
