#include "core/base/Paths.h"
#include "core/catalogue/ExerciseDbo.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QSet>
#include <algorithm>

// The catalogues the build ships, read through the application's own classes.
class ShippedCatalogueTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        for (const char* name : {"food.db", "exercise.db", "common.db"})
            ASSERT_TRUE(QFile::exists(Paths::resourceDir() + "/" + name))
                << name << " is not built in " << Paths::resourceDir().toStdString();
    }

    static int count(const FoodGroups& groups) {
        int n = 0;
        for (const auto& group : groups)
            n += static_cast<int>(group.size());
        return n;
    }
};

TEST_F(ShippedCatalogueTest, FoodCatalogueIsLargeAndEveryBrowseListIsFilled) {
    const FoodGroups all = FoodSimpleDbo::searchFoodItems("", 0, 0, 0);
    EXPECT_GE(count(all), 7000);
    EXPECT_EQ(FoodSimpleDbo::getFoodTypes().size(), 24);
    EXPECT_GE(count(FoodSimpleDbo::getRestaurantsList()), 10);
    ASSERT_FALSE(FoodSimpleDbo::getFoodKinds().isEmpty());
    for (const FoodSimpleDbo& kind : FoodSimpleDbo::getFoodKinds())
        EXPECT_GT(count(FoodSimpleDbo::searchFoodItems("", 0, kind.dboId, 0)), 0) << kind.dboId;
    for (const auto& group : FoodSimpleDbo::getRestaurantsList())
        for (const FoodSimpleDbo& restaurant : group)
            EXPECT_GT(count(FoodSimpleDbo::getFoodByRestaurant(restaurant.dboId)), 0)
                << restaurant.name.toStdString();
    // Every listed item has a name and a nutrition record.
    const FoodSimpleDbo& some = all.value("items").at(all.value("items").size() / 2);
    EXPECT_TRUE(NutritionInfoDbo::getInfoTo(some.dboId).has_value());
    EXPECT_EQ(FoodSimpleDbo::getFoodItem(some.dboId)->name, some.name);
}

TEST_F(ShippedCatalogueTest, ChickenSearchIsLongAndInNameOrder) {
    const QList<FoodSimpleDbo> chicken =
        FoodSimpleDbo::searchFoodItems("chicken", 0, 0, 0).value("items");
    EXPECT_GT(chicken.size(), 100);
    const bool ordered =
        std::is_sorted(chicken.begin(), chicken.end(), [](const auto& a, const auto& b) {
            return a.name.toUtf8() < b.name.toUtf8();
        });
    EXPECT_TRUE(ordered);
    for (const FoodSimpleDbo& item : chicken)
        EXPECT_FALSE(item.desc.isEmpty()) << item.name.toStdString();
}

TEST_F(ShippedCatalogueTest, ExerciseCategoriesRunWithoutGapsAndEveryItemHasAnIntensity) {
    const auto categories = ExerciseDbo::getCategories(true);
    ASSERT_TRUE(categories.has_value());
    ASSERT_EQ(categories->size(), ExerciseDbo::getCategoriesCount());
    for (int i = 0; i < categories->size(); ++i)
        EXPECT_EQ((*categories)[i].dboId, i + 1);
    int exercises = 0;
    QSet<int> seen;
    for (const ExerciseDbo& category : *categories) {
        const auto items = ExerciseDbo::getExercisesByCategory(category.dboId);
        if (!items)
            continue;
        for (const ExerciseDbo& item : *items) {
            ++exercises;
            seen.insert(item.dboId);
            EXPECT_FALSE(item.mets.isEmpty()) << item.name.toStdString();
            EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(item.dboId), category.dboId);
        }
    }
    EXPECT_GE(exercises, 150);
    // No exercise hides in a category the list does not know.
    EXPECT_EQ(static_cast<int>(ExerciseDbo::searchExerciseUsingTemplate("", 0)->size()),
              seen.size());
}
