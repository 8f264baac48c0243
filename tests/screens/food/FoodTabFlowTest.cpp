#include "FoodEditorFixture.h"

#include "core/catalogue/NutritionInfoDbo.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/FoodController.h"
#include "ui/PickerView.h"
#include "ui/SearchBar.h"
#include "ui/SegmentedControl.h"
#include "ui/TableView.h"
#include "ui/TextField.h"

#include <QSet>
#include <QTest>

// The Food tab driven as a user drives it: from the add button through the menu to the add and
// speedy screens and back, then editing from the day, checking both the screens and the rows of
// saved_food and recent_food.
namespace {

class FoodTabFlowTest : public FoodTabFixture {
protected:
    template <class Screen> Screen* topAs() const { return stack->top<Screen>(); }
    // The first row of the first section that has rows.
    static ui::IndexPath firstRow(ui::TableView* table) {
        for (int section = 0; section < table->numberOfSections(); ++section)
            if (table->numberOfRows(section) > 0)
                return {section, 0};
        return {};
    }
    // From the main menu to a level below it.
    FoodMenuController* openLevel(const ui::IndexPath& mainRow) {
        click("Add");
        auto* menu = topAs<FoodMenuController>();
        if (!menu)
            return nullptr;
        gui::tapRow(menu->tableView(), mainRow);
        return topAs<FoodMenuController>();
    }
    // "Search Database" with the words typed and the search key pressed.
    FoodMenuController* searchDatabase(const QString& words) {
        FoodMenuController* search = openLevel({1, 1});
        if (search) {
            gui::type(search->searchBar()->field(), words);
            QTest::keyClick(search->searchBar()->field(), Qt::Key_Return);
        }
        return search;
    }
    // One whole portion on the wheels, then Save.
    void saveOnePortion(int meal = 0) {
        auto* add = topAs<AddFoodController>();
        ASSERT_NE(add, nullptr);
        gui::turn(add->portion(), 0, 1);
        add->foodType()->setSelectedSegmentIndex(meal);
        click("Save");
        ASSERT_EQ(top(), food);
    }
    // A speedy entry made on its screen from the menu.
    void addSpeedy(const QString& calories, const QString& name, int meal = 0) {
        openLevel({0, 1});
        auto* speedy = topAs<QuickCalories>();
        ASSERT_NE(speedy, nullptr);
        gui::type(speedy->calories(), calories);
        gui::type(speedy->name(), name);
        speedy->foodType()->setSelectedSegmentIndex(meal);
        click("Done");
        ASSERT_EQ(top(), food);
    }
    QStringList namesIn(int meal) {
        QStringList names;
        dayList()->reloadData();
        for (int row = 0; row < dayList()->numberOfRows(meal); ++row)
            names.append(food->dayData()->entryAt(meal, row)->name());
        return names;
    }
};

} // namespace

// What each level of the menu lists is FoodMenuTest's; a row of any level opens the add screen
// the same way, so the lists of foods, search results and the recent foods stand for them all.
TEST_F(FoodTabFlowTest, EveryKindOfListAddsItsFood) {
    QSet<int> chosen;
    auto choose = [&](FoodMenuController* level, const ui::IndexPath& path) {
        chosen.insert(level->rowAt(path).dboId);
        gui::tapRow(level->tableView(), path);
    };

    // The database search; the summary counts the food.
    FoodMenuController* search = searchDatabase("butter, salted");
    ASSERT_NE(search, nullptr);
    ASSERT_GT(search->tableView()->numberOfRows(0), 0);
    const FoodSimpleDbo butter = search->rowAt({0, 0});
    choose(search, {0, 0});
    saveOnePortion(0);
    EXPECT_EQ(namesIn(0), QStringList{butter.name});
    EXPECT_EQ(panelValue(1),
              QString::number(qRound(NutritionInfoDbo::getInfoTo(butter.dboId)->calories)));
    EXPECT_EQ(diary().text("select date from saved_food"), "2026-12-06 00:00:00");

    // A food type's list, and a search inside it.
    FoodMenuController* typeLevel = openLevel({3, 0});
    ASSERT_NE(typeLevel, nullptr);
    choose(typeLevel, firstRow(typeLevel->tableView()));
    saveOnePortion(1);
    typeLevel = openLevel({3, 0});
    ASSERT_NE(typeLevel, nullptr);
    const FoodSimpleDbo some = typeLevel->rowAt(firstRow(typeLevel->tableView()));
    gui::type(typeLevel->searchBar()->field(), some.name.left(4));
    ASSERT_TRUE(typeLevel->isSearchResult());
    const int found = typeLevel->tableView()->numberOfRows(0);
    ASSERT_GT(found, 0);
    choose(typeLevel, {0, found - 1});
    saveOnePortion(2);

    // And a recent food: every food just added is remembered once.
    FoodMenuController* recent = openLevel({0, 0});
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->tableView()->numberOfRows(0), chosen.size());
    const FoodSimpleDbo again = recent->rowAt({0, 0});
    gui::tapRow(recent->tableView(), {0, 0});
    saveOnePortion(3);

    EXPECT_EQ(diary().count("saved_food", "portions_count = 1"), 4);
    EXPECT_EQ(diary().count("recent_food"), chosen.size());
    EXPECT_EQ(namesIn(3), QStringList{again.name});
    for (int meal = 0; meal < 4; ++meal)
        EXPECT_EQ(namesIn(meal).size(), 1) << meal;
}

// Speedy entries are remembered once by name and opened again filled in.
TEST_F(FoodTabFlowTest, SpeedyEntriesAreRememberedOnceAndReused) {
    addSpeedy("249.6", "Street food", 3);
    addSpeedy("100", "Tea");
    EXPECT_EQ(namesIn(3), QStringList{"Street food"});
    EXPECT_EQ(panelValue(1), "350");
    EXPECT_EQ(diary().lines("select name, calories from recent_food order by id"),
              QStringList({"Street food|250.0", "Tea|100.0"}));

    FoodMenuController* recent = openLevel({0, 0});
    ASSERT_NE(recent, nullptr);
    gui::tapRow(recent->tableView(), {0, 0});
    auto* speedy = topAs<QuickCalories>();
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->name()->text(), "Street food");
    EXPECT_EQ(speedy->calories()->text(), "250");
    click("Done");
    EXPECT_EQ(namesIn(0), QStringList({"Street food", "Tea"}));
    EXPECT_EQ(diary().count("saved_food"), 3);
    EXPECT_EQ(diary().count("recent_food"), 2);
}

// The speedy entries' editor is opened the same way from the Overview tab.
TEST_F(FoodTabFlowTest, ACatalogueRowOpensTheAddScreenOnItsPortionAndAMealChangeMovesIt) {
    ASSERT_NE(searchDatabase("bananas raw"), nullptr);
    gui::tapRow(topAs<FoodMenuController>()->tableView(), {0, 0});
    saveOnePortion(0);

    gui::tapRow(dayList(), {0, 0});
    auto* add = topAs<AddFoodController>();
    ASSERT_NE(add, nullptr);
    EXPECT_TRUE(add->isEditMode());
    EXPECT_EQ(add->portion()->selectedRowInComponent(0), 1);
    gui::tap(add->foodType(), add->foodType()->segmentRect(1).center());
    click("Save");
    EXPECT_EQ(dayList()->numberOfRows(0), 0);
    EXPECT_EQ(dayList()->numberOfRows(1), 1);
    EXPECT_EQ(diary().lines("select food_type_id from saved_food"), QStringList({"1"}));
    EXPECT_EQ(food->currDate(), at(2026, 12, 6));
}

TEST_F(FoodTabFlowTest, ANewEntryMovedToTheNextDayIsSavedThereAndTheTabFollows) {
    FoodMenuController* search = searchDatabase("bananas raw");
    ASSERT_NE(search, nullptr);
    gui::tapRow(search->tableView(), {0, 0});
    click("plusDay");
    saveOnePortion(1);

    EXPECT_EQ(food->currDate(), at(2026, 12, 7));
    EXPECT_EQ(dayList()->numberOfRows(1), 1);
    EXPECT_EQ(diary().text("select date from saved_food"), "2026-12-07 00:00:00");
}
