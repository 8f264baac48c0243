#include "FoodEditorFixture.h"

#include "core/catalogue/FoodSimpleDbo.h"
#include "core/diary/FoodDayInfo.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/AttributePanel.h"
#include "screens/food/Details/NutritionInfoPanel.h"
#include "screens/food/Details/PortionWheels.h"
#include "screens/food/Details/SelectFoodController.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/SegmentedControl.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/ImageButton.h"

#include <QLabel>
#include <cmath>

namespace {

class AddFoodTest : public FoodEditorFixture {
protected:
    // A new-entry screen for a catalogue food, shown the way the food menu shows it.
    AddFoodController* openNew(int itemId, const QString& name) {
        auto* menu = new SelectFoodController(owner);
        menu->setSelectedItem(FoodSimpleDbo(itemId, name));
        auto* screen = new AddFoodController(false, menu);
        screen->setOwner(owner);
        screen->setFoodMenu(menu);
        stack->push(screen);
        return screen;
    }
    // The diary's editor of an entry.
    AddFoodController* openEdit(const SavedFoodPtr& entry) {
        auto* editor = new AddFoodController(true);
        auto* holder = new SelectFoodController(editor);
        holder->setSelectedItem(FoodSimpleDbo::getFoodItem(entry->foodItemId()));
        editor->setOwner(owner);
        editor->setFoodMenu(holder);
        editor->setSavedFoodData(entry.get());
        stack->push(editor);
        return editor;
    }
    static void turn(AddFoodController* screen, int component, int steps) {
        gui::turn(screen->portion(), component, steps);
    }
    static void press(FoodSpin* spin, int times) {
        for (int i = 0; i < times; ++i)
            gui::tap(spin->plusButton());
    }
    static QString wheelText(AddFoodController* screen, int component) {
        const int row = screen->portion()->selectedRowInComponent(component);
        return (component == 0 ? PortionWheels::portions() : PortionWheels::portionsParts())
            .value(row);
    }
    static SavedFoodPtr saveStew(const QDateTime& day, int meal, float portions, float extra) {
        return saved(catalogueFood(stewId, day, meal, portions, extra, 0.5f));
    }
    static std::string savedRows() {
        return rows("select food_item_id, food_type_id, portions_count, result_calories, "
                    "result_points, date from saved_food order by id");
    }
};

TEST(PortionWheelsTest, RowsReadAsPortionsAndStoredCountsFindTheirRows) {
    EXPECT_DOUBLE_EQ(PortionWheels::fractionValue("1/16"), 0.0625);
    EXPECT_DOUBLE_EQ(PortionWheels::fractionValue("-"), 0);
    EXPECT_FLOAT_EQ(PortionWheels::portionCount(3, 4), 3 + 1.0f / 3);
    EXPECT_FLOAT_EQ(PortionWheels::portionCount(10, 9), 10.875f);

    // A third stored with two decimals still finds "1/3", not "3/8" or "1/4".
    EXPECT_EQ(PortionWheels::wholeRowFor(0.33f), 0);
    EXPECT_EQ(PortionWheels::partRowFor(0.33f), 4);
    EXPECT_EQ(PortionWheels::partRowFor(0.02f), 0);
    // More than the wheel holds stops at its last row.
    EXPECT_EQ(PortionWheels::wholeRowFor(14.5f), 10);
}

TEST_F(AddFoodTest, PortionsSetCaloriesPointsAndNutrientsAndTheSpinsKeepTheUsersChanges) {
    AddFoodController* screen = openNew(stewId, "Test stew");
    EXPECT_EQ(screen->servingLabel()->text(), " Serving: 1 bowl");
    EXPECT_EQ(screen->calories()->value(), 0);

    turn(screen, 0, 1);
    turn(screen, 1, 6);
    EXPECT_FLOAT_EQ(screen->calories()->value(), 375);
    EXPECT_NEAR(screen->points()->value(), 8.4, 1e-5);
    EXPECT_EQ(screen->infoPanel()->item("Total fat:")->value(), "18.00");
    EXPECT_EQ(screen->infoPanel()->item("Fiber:")->value(), "3.00");
    EXPECT_EQ(screen->infoPanel()->item("Protein:")->value(), "13.50");
    EXPECT_FALSE(screen->infoPanel()->quickCalories()->isVisible());

    // The user's own change of the points is dropped once the calories move.
    press(screen->points(), 2);
    EXPECT_FLOAT_EQ(screen->points()->valueAdd(), 0.5f);
    press(screen->calories(), 5);
    EXPECT_FLOAT_EQ(screen->calories()->value(), 380);
    EXPECT_FLOAT_EQ(screen->calories()->valueAdd(), 5);
    const double e = 1.5 + 5.0 / 250;
    EXPECT_NEAR(screen->points()->value(), 380.0 / 50 + 12 * e / 12 - 2 * e / 5, 1e-4);
    EXPECT_FLOAT_EQ(screen->points()->valueAdd(), 0);

    // A new portion starts again from the computed amounts.
    turn(screen, 1, 1);
    EXPECT_FLOAT_EQ(screen->calories()->valueAdd(), 0);
    EXPECT_FLOAT_EQ(screen->points()->valueAdd(), 0);
    EXPECT_FLOAT_EQ(screen->calories()->value(), 250 * 1.625f);
}

TEST_F(AddFoodTest, ACalorieFreeServingGivesFinitePoints) {
    AddFoodController* screen = openNew(waterId, "Test water");
    turn(screen, 0, 2);
    EXPECT_FLOAT_EQ(screen->calories()->value(), 0);
    EXPECT_NEAR(screen->points()->value(), 2.0 / 12, 1e-6);
    press(screen->calories(), 3);
    EXPECT_TRUE(std::isfinite(screen->points()->value()));
    EXPECT_NEAR(screen->points()->value(), 3.0 / 50 + 2.0 / 12, 1e-6);
}

TEST_F(AddFoodTest, SavingWritesTheEntryRefreshesTheOwnerAndReturnsToTheRoot) {
    AddFoodController* screen = openNew(stewId, "Test stew");
    turn(screen, 0, 1);
    turn(screen, 1, 6);
    press(screen->calories(), 5);
    gui::tap(screen->foodType(), screen->foodType()->segmentRect(1).center());
    ASSERT_EQ(screen->foodType()->selectedSegmentIndex(), 1);
    click("Save");

    EXPECT_EQ(savedRows(), "990001|1|1.5|380.0|8.51|2026-12-06 00:00:00");
    EXPECT_EQ(rows("select food_item_id, name from recent_food"), "990001|Test stew");
    EXPECT_EQ(owner->refreshes, 1);
    EXPECT_EQ(top(), owner);

    FoodDayPtr day = FoodDayInfo::getFoodOn(at(2026, 12, 6));
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->items().at(1).size(), 1);
    EXPECT_EQ(day->items().at(1).first()->caloriesDiffString(), "(+5)");
}

TEST_F(AddFoodTest, SavingWithoutAPortionOnlyAsksForOne) {
    AddFoodController* screen = openNew(stewId, "Test stew");
    click("Save");
    ui::AlertView* alert = ui::AlertView::current();
    ASSERT_NE(alert, nullptr);
    alert->dismiss();
    EXPECT_EQ(savedRows(), "");
    EXPECT_EQ(owner->refreshes, 0);
    EXPECT_EQ(top(), screen);

    // A fraction alone is a portion.
    turn(screen, 1, 3);
    click("Save");
    EXPECT_EQ(savedRows(), "990001|0|0.25|63.0|1.4|2026-12-06 00:00:00");
}

TEST_F(AddFoodTest, ReopeningForANewItemStartsAfresh) {
    AddFoodController* screen = openNew(stewId, "Test stew");
    turn(screen, 0, 3);
    press(screen->calories(), 2);
    stack->nav()->popViewController(false);
    AppVars::getVars().insert("food_current_date", at(2026, 12, 1));
    auto* menu = qobject_cast<SelectFoodController*>(screen->parent());
    menu->setSelectedItem(FoodSimpleDbo(waterId, "Test water"));
    stack->push(screen);
    EXPECT_EQ(screen->title(), "Test water");
    EXPECT_EQ(wheelText(screen, 0), "-");
    EXPECT_EQ(screen->calories()->value(), 0);
    EXPECT_EQ(screen->calories()->valueAdd(), 0);
    EXPECT_EQ(screen->date(), at(2026, 12, 1));
    EXPECT_EQ(screen->infoPanel()->item("Total fat:")->value(), "0.00");
}

TEST_F(AddFoodTest, EditingShowsTheEntryAndAMealChangeMovesIt) {
    const SavedFoodPtr entry = saveStew(at(2026, 12, 2), 0, 2.5f, 25);
    AddFoodController* screen = openEdit(entry);
    EXPECT_EQ(screen->foodId(), entry->dboId());
    EXPECT_EQ(wheelText(screen, 0), "2");
    EXPECT_EQ(wheelText(screen, 1), "1/2");
    EXPECT_FLOAT_EQ(screen->calories()->value(), 650);
    EXPECT_FLOAT_EQ(screen->calories()->valueAdd(), 25);
    EXPECT_NEAR(screen->points()->value(), entry->resultPoints(), 1e-5);
    EXPECT_NEAR(screen->points()->valueAdd(), 0.5, 1e-5);
    EXPECT_EQ(screen->infoPanel()->item("Total fat:")->value(), "30.00");
    // The day of an entry stays put.
    EXPECT_FALSE(stack->nav()->view()->findChild<QAbstractButton*>("plusDay")->isVisible());
    EXPECT_EQ(AppVars::getVars().value("food_current_foodTypeId").toInt(), 0);

    gui::tap(screen->foodType(), screen->foodType()->segmentRect(2).center());
    click("Save");
    EXPECT_EQ(savedRows(), "990001|2|2.5|650.0|15.06|2026-12-02 00:00:00");
    FoodDayPtr day = FoodDayInfo::getFoodOn(at(2026, 12, 2));
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->items().at(0).isEmpty());
    ASSERT_EQ(day->items().at(2).size(), 1);
    EXPECT_EQ(day->items().at(2).first()->dboId(), entry->dboId());
    EXPECT_EQ(owner->refreshes, 1);

    // A third stored with two decimals opens on the third, not on 3/8 or 1/4.
    AddFoodController* third = openEdit(saveStew(at(2026, 12, 2), 3, 1.0f / 3, 0));
    EXPECT_EQ(wheelText(third, 0), "-");
    EXPECT_EQ(wheelText(third, 1), "1/3");
    EXPECT_FLOAT_EQ(third->calories()->valueAdd(), 0);
    EXPECT_EQ(third->foodType()->selectedSegmentIndex(), 3);
}

} // namespace
