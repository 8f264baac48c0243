#include "FoodEditorFixture.h"

#include "core/base/Clock.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/FoodController.h"
#include "screens/food/FoodTableCell.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "support/gui/Gui.h"
#include "ui/AlertView.h"
#include "ui/BarButton.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/SearchBar.h"
#include "ui/SegmentedControl.h"
#include "ui/TableView.h"
#include "ui/TextField.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/QVXTableView.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QSet>
#include <QTest>

// The Food tab driven as a user drives it: from the add button through the menu to the add and
// speedy screens and back, then editing and deleting from the day, checking both the screens and
// the rows of saved_food and recent_food.
namespace {

class FoodTabFlowTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
        food = new FoodController;
        nav = std::make_unique<ui::NavigationController>(food);
        nav->view()->resize(320, 416);
        nav->view()->show();
        nav->viewWillAppear();
        QApplication::processEvents();
    }
    void TearDown() override {
        delete nav->view();
        nav.reset();
        QuorvelTest::TearDown();
    }

    ui::ViewController* top() const { return nav->topViewController(); }
    template <class Screen> Screen* topAs() const { return qobject_cast<Screen*>(top()); }

    void clickBar(const char* title) { gui::click(nav->navigationBar(), title); }
    static void tapRow(ui::TableView* table, const ui::IndexPath& path) {
        gui::tapRow(table, path);
    }
    // The first row of the first section that has rows.
    static ui::IndexPath firstRow(ui::TableView* table) {
        for (int section = 0; section < table->numberOfSections(); ++section)
            if (table->numberOfRows(section) > 0)
                return {section, 0};
        return {};
    }
    // From the main menu to a level below it.
    FoodMenuController* openLevel(const ui::IndexPath& mainRow) {
        clickBar("Add");
        auto* menu = topAs<FoodMenuController>();
        if (!menu)
            return nullptr;
        tapRow(menu->tableView(), mainRow);
        return topAs<FoodMenuController>();
    }
    static void type(ui::SearchBar* bar, const QString& text) { gui::type(bar->field(), text); }
    // One whole portion on the wheels, then Save.
    void saveOnePortion(int meal = 0) {
        auto* add = topAs<AddFoodController>();
        ASSERT_NE(add, nullptr);
        add->portion()->setFocus();
        QTest::keyClick(add->portion(), Qt::Key_Down);
        add->foodType()->setSelectedSegmentIndex(meal);
        clickBar("Save");
        ASSERT_EQ(top(), food);
    }
    ui::TableView* dayList() const { return food->dayTable()->tableView(); }
    QStringList namesIn(int meal) {
        QStringList names;
        dayList()->reloadData();
        for (int row = 0; row < dayList()->numberOfRows(meal); ++row)
            names.append(food->dayData()->entryAt(meal, row)->name());
        return names;
    }
    QString foodTotal() const { return food->daysummarypanel()->itemByIdx(1)->text(); }

    FoodController* food = nullptr;
    std::unique_ptr<ui::NavigationController> nav;
};

} // namespace

TEST_F(FoodTabFlowTest, EveryPathAddsItsFood) {
    QSet<int> chosen;
    auto choose = [&](FoodMenuController* level, const ui::IndexPath& path) {
        chosen.insert(level->rowAt(path).dboId);
        tapRow(level->tableView(), path);
    };

    // The database search, which waits for the search key; the summary counts the food.
    FoodMenuController* search = openLevel({1, 1});
    ASSERT_NE(search, nullptr);
    type(search->searchBar(), "butter, salted");
    EXPECT_EQ(search->tableView()->numberOfRows(0), 0);
    QTest::keyClick(search->searchBar()->field(), Qt::Key_Return);
    ASSERT_GT(search->tableView()->numberOfRows(0), 0);
    const FoodSimpleDbo butter = search->rowAt({0, 0});
    choose(search, {0, 0});
    saveOnePortion(0);
    EXPECT_EQ(namesIn(0), QStringList{butter.name});
    EXPECT_EQ(foodTotal(),
              QString::number(qRound(NutritionInfoDbo::getInfoTo(butter.dboId)->calories)));
    EXPECT_EQ(diary().text("select date from saved_food"), "2026-12-06 00:00:00");

    // Restaurants, then a restaurant, then one of its foods.
    FoodMenuController* restaurants = openLevel({1, 0});
    ASSERT_NE(restaurants, nullptr);
    tapRow(restaurants->tableView(), firstRow(restaurants->tableView()));
    FoodMenuController* restaurant = topAs<FoodMenuController>();
    ASSERT_NE(restaurant, nullptr);
    ASSERT_GT(restaurant->restaurantId(), 0);
    choose(restaurant, firstRow(restaurant->tableView()));
    saveOnePortion(0);

    // A food kind, and a food type.
    FoodMenuController* kind = openLevel({2, 0});
    ASSERT_NE(kind, nullptr);
    ASSERT_GT(kind->kindId(), 0);
    choose(kind, firstRow(kind->tableView()));
    saveOnePortion(1);
    FoodMenuController* typeLevel = openLevel({3, 0});
    ASSERT_NE(typeLevel, nullptr);
    ASSERT_GT(typeLevel->typeId(), 0);
    const int typeId = typeLevel->typeId();
    choose(typeLevel, firstRow(typeLevel->tableView()));
    saveOnePortion(2);

    // A search inside a type's list narrows it to that type's matching foods.
    typeLevel = openLevel({3, 0});
    ASSERT_NE(typeLevel, nullptr);
    const FoodSimpleDbo some = typeLevel->rowAt(firstRow(typeLevel->tableView()));
    type(typeLevel->searchBar(), some.name.left(4));
    ASSERT_TRUE(typeLevel->isSearchResult());
    const int found = typeLevel->tableView()->numberOfRows(0);
    ASSERT_GT(found, 0);
    EXPECT_EQ(FoodSimpleDbo::searchFoodItems(some.name.left(4), 0, 0, typeId).value("items").size(),
              found);
    choose(typeLevel, {0, found - 1});
    saveOnePortion(3);

    // And a recent food: every food just added is remembered once.
    FoodMenuController* recent = openLevel({0, 0});
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->tableView()->numberOfRows(0), chosen.size());
    const FoodSimpleDbo again = recent->rowAt({0, 0});
    tapRow(recent->tableView(), {0, 0});
    saveOnePortion(3);

    EXPECT_EQ(diary().count("saved_food", "portions_count = 1"), 6);
    EXPECT_EQ(diary().count("recent_food"), chosen.size());
    EXPECT_EQ(namesIn(3).first(), again.name);
    for (int meal = 0; meal < 4; ++meal)
        EXPECT_FALSE(namesIn(meal).isEmpty()) << meal;
}

TEST_F(FoodTabFlowTest, SpeedyEntriesAreAddedAndRememberedForNextTime) {
    openLevel({0, 1});
    auto* speedy = topAs<QuickCalories>();
    ASSERT_NE(speedy, nullptr);
    speedy->calories()->setFocus();
    QTest::keyClicks(speedy->calories(), "249.6");
    speedy->name()->setFocus();
    QTest::keyClicks(speedy->name(), "Street food");
    speedy->foodType()->setSelectedSegmentIndex(3);
    clickBar("Done");
    ASSERT_EQ(top(), food);
    EXPECT_EQ(namesIn(3), QStringList{"Street food"});
    EXPECT_EQ(foodTotal(), "250");
    EXPECT_EQ(diary().count("saved_food", "food_item_id = 0 and result_calories = 250"), 1);
    EXPECT_EQ(diary().count("recent_food", "food_item_id = 0 and name = 'Street food'"), 1);

    // Remembered with the whole calories it was saved with, and opened filled in.
    FoodMenuController* recent = openLevel({0, 0});
    ASSERT_NE(recent, nullptr);
    tapRow(recent->tableView(), {0, 0});
    speedy = topAs<QuickCalories>();
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->name()->text(), "Street food");
    EXPECT_EQ(speedy->calories()->text(), "250");
    clickBar("Done");
    EXPECT_EQ(namesIn(0), QStringList{"Street food"});
    EXPECT_EQ(diary().count("saved_food"), 2);
    EXPECT_EQ(diary().count("recent_food"), 1);
}

TEST_F(FoodTabFlowTest, EditingMovesAnEntryToItsNewMealOnTheSameDay) {
    openLevel({0, 1});
    auto* speedy = topAs<QuickCalories>();
    ASSERT_NE(speedy, nullptr);
    QTest::keyClicks(speedy->calories(), "250");
    QTest::keyClicks(speedy->name(), "Soup");
    clickBar("Done");
    FoodMenuController* search = openLevel({1, 1});
    ASSERT_NE(search, nullptr);
    type(search->searchBar(), "bananas raw");
    QTest::keyClick(search->searchBar()->field(), Qt::Key_Return);
    ASSERT_GT(search->tableView()->numberOfRows(0), 0);
    tapRow(search->tableView(), {0, 0});
    saveOnePortion(0);
    ASSERT_EQ(dayList()->numberOfRows(0), 2);

    // The speedy entry opens on its own screen with its calories, and moves to dinner.
    const int speedyRow = food->dayData()->entryAt(0, 0)->foodItemId() == 0 ? 0 : 1;
    tapRow(dayList(), {0, speedyRow});
    speedy = topAs<QuickCalories>();
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->calories()->text(), "250.00");
    QTest::mouseClick(speedy->foodType(), Qt::LeftButton, {},
                      speedy->foodType()->segmentRect(2).center());
    clickBar("Done");
    EXPECT_EQ(namesIn(2), QStringList{"Soup"});
    EXPECT_EQ(diary().count("saved_food", "name = 'Soup' and food_type_id = 2"), 1);

    // The catalogue entry opens the add screen on its portion and moves to lunch.
    tapRow(dayList(), {0, 0});
    auto* add = topAs<AddFoodController>();
    ASSERT_NE(add, nullptr);
    EXPECT_TRUE(add->isEditMode());
    EXPECT_EQ(add->portion()->selectedRowInComponent(0), 1);
    QTest::mouseClick(add->foodType(), Qt::LeftButton, {},
                      add->foodType()->segmentRect(1).center());
    clickBar("Save");
    EXPECT_EQ(dayList()->numberOfRows(0), 0);
    EXPECT_EQ(dayList()->numberOfRows(1), 1);
    EXPECT_EQ(diary().count("saved_food", "food_type_id = 1 and food_item_id <> 0"), 1);
    EXPECT_EQ(food->currDate(), at(2026, 12, 6));
}

TEST_F(FoodTabFlowTest, ANewEntryMovedToTheNextDayIsSavedThereAndTheTabFollows) {
    FoodMenuController* search = openLevel({1, 1});
    ASSERT_NE(search, nullptr);
    type(search->searchBar(), "bananas raw");
    QTest::keyClick(search->searchBar()->field(), Qt::Key_Return);
    tapRow(search->tableView(), {0, 0});
    auto* add = topAs<AddFoodController>();
    ASSERT_NE(add, nullptr);
    auto* nextDay = add->view()->findChild<QAbstractButton*>("plusDay");
    ASSERT_NE(nextDay, nullptr);
    QTest::mouseClick(nextDay, Qt::LeftButton);
    saveOnePortion(1);

    EXPECT_EQ(food->currDate(), at(2026, 12, 7));
    EXPECT_EQ(food->dayLabel()->text(),
              ConvertUtil::date2str(at(2026, 12, 7), ConvertUtil::LongStyle));
    EXPECT_EQ(dayList()->numberOfRows(1), 1);
    EXPECT_EQ(diary().text("select date from saved_food"), "2026-12-07 00:00:00");
    clickBar("Today");
    EXPECT_EQ(dayList()->numberOfRows(1), 0);
}

TEST_F(FoodTabFlowTest, DeletingFromTheDayAndFromTheRecentList) {
    for (const char* name : {"Tea", "Cake"}) {
        openLevel({0, 1});
        auto* speedy = topAs<QuickCalories>();
        ASSERT_NE(speedy, nullptr);
        QTest::keyClicks(speedy->calories(), "100");
        QTest::keyClicks(speedy->name(), name);
        clickBar("Done");
    }
    ASSERT_EQ(dayList()->numberOfRows(0), 2);
    dayList()->showDeleteConfirmation({0, 0});
    QTest::mouseClick(dayList()->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(namesIn(0), QStringList{"Tea"});
    EXPECT_EQ(foodTotal(), "100");
    EXPECT_EQ(diary().count("saved_food"), 1);

    // Forgetting one remembered entry keeps the other and the diary.
    FoodMenuController* recent = openLevel({0, 0});
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->tableView()->numberOfRows(0), 2);
    const QString forgotten = recent->rowAt({0, 0}).name;
    recent->tableView()->showDeleteConfirmation({0, 0});
    QTest::mouseClick(recent->tableView()->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(recent->tableView()->numberOfRows(0), 1);
    EXPECT_EQ(diary().count("recent_food"), 1);
    EXPECT_EQ(diary().count("recent_food", QString("name = '%1'").arg(forgotten)), 0);
    EXPECT_EQ(diary().count("saved_food"), 1);
}
