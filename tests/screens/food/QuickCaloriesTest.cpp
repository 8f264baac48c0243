#include "FoodEditorFixture.h"
#include "support/ScopedLocale.h"

#include "core/db/QVUtil.h"
#include "core/diary/FoodDayInfo.h"
#include "screens/food/Details/QuickCalories.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/SegmentedControl.h"
#include "ui/TextField.h"

#include <QAbstractButton>
#include <QTest>

namespace {

class QuickCaloriesTest : public FoodEditorFixture {
protected:
    QuickCalories* openNew() {
        auto* screen = new QuickCalories(false);
        screen->setOwner(owner);
        stack->push(screen);
        return screen;
    }
    QuickCalories* openEdit(const SavedFoodPtr& entry) {
        auto* screen = new QuickCalories(true);
        screen->setSavedFoodData(entry.get());
        screen->setOwner(owner);
        stack->push(screen);
        return screen;
    }
    static void type(ui::TextField* field, const QString& text) { gui::type(field, text); }
    static void erase(ui::TextField* field, int count) {
        field->setFocus();
        field->end(false);
        for (int i = 0; i < count; ++i)
            QTest::keyClick(field, Qt::Key_Backspace);
    }
    static std::string savedRows() {
        return rows("select food_item_id, name, portions_count, result_calories, food_type_id, "
                    "result_points, date from saved_food order by id");
    }
};

TEST_F(QuickCaloriesTest, DoneNeedsBothTextsAndTheCaloriesTakeOnePoint) {
    QuickCalories* screen = openNew();
    EXPECT_FALSE(screen->doneButton()->isEnabled());

    type(screen->calories(), "250");
    EXPECT_FALSE(screen->doneButton()->isEnabled());
    type(screen->name(), "Cake");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    erase(screen->name(), 4);
    EXPECT_FALSE(screen->doneButton()->isEnabled());
    type(screen->name(), "Pie");
    erase(screen->calories(), 3);
    EXPECT_FALSE(screen->doneButton()->isEnabled());

    type(screen->calories(), "12.5.7x");
    EXPECT_EQ(screen->calories()->text(), "12.57");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
}

TEST_F(QuickCaloriesTest, ADecimalCommaSavesItsValueAndALoneSeparatorIsNoNumber) {
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    QuickCalories* screen = openNew();
    type(screen->name(), "Tea");
    type(screen->calories(), ",");
    EXPECT_FALSE(screen->doneButton()->isEnabled()) << "a lone separator would save 0";
    type(screen->calories(), "5");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    erase(screen->calories(), 2);
    type(screen->calories(), "99,6");
    click("Done");
    EXPECT_EQ(savedRows(), "0|Tea|0.0|100.0|0|0.0|2026-12-06 00:00:00");
}

TEST_F(QuickCaloriesTest, DoneSavesASpeedyEntryOnTheBarsDayAndRemembersIt) {
    QuickCalories* screen = openNew();
    // The day bar moves a new entry's day, and the diary's day with it.
    click("plusDay");
    click("plusDay");
    click("minusDay");
    EXPECT_EQ(screen->monthLabel()->text(), "December 7, 2026");
    EXPECT_EQ(AppVars::getVars().value("food_current_date").toDate(), QDate(2026, 12, 7));
    type(screen->calories(), "249.6");
    type(screen->name(), "Office cake");
    gui::tap(screen->foodType(), screen->foodType()->segmentRect(3).center());
    click("Done");

    EXPECT_EQ(savedRows(), "0|Office cake|0.0|250.0|3|0.0|2026-12-07 00:00:00");
    EXPECT_EQ(rows("select food_item_id, name, calories from recent_food"), "0|Office cake|250.0");
    EXPECT_EQ(owner->refreshes, 1);
    EXPECT_EQ(top(), owner);
    FoodDayPtr day = FoodDayInfo::getFoodOn(at(2026, 12, 7));
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->items().at(3).size(), 1);
    EXPECT_EQ(day->items().at(3).first()->kindImage(), "quick_add.png");
}

TEST_F(QuickCaloriesTest, ARefusedWriteIsShownAndTheScreenKeepsTheEntryToSaveAgain) {
    QuickCalories* screen = openNew();
    type(screen->calories(), "300");
    type(screen->name(), "Cake");
    QVUtil::commonDbc(); // the diary file is in place
    {
        const RawDatabase file = diary();
        const auto lock = file.lockWrites();
        click("Done");
        ui::AlertView* alert = ui::AlertView::current();
        ASSERT_NE(alert, nullptr) << "the user is told";
        EXPECT_EQ(alert->title(), "Not Saved");
        EXPECT_TRUE(alert->message().contains("locked")) << alert->message().toStdString();
        EXPECT_EQ(top(), screen);
        EXPECT_EQ(screen->name()->text(), "Cake");
        EXPECT_EQ(owner->refreshes, 0);
        gui::click(alert, "OK");
    }
    EXPECT_EQ(diary().count("saved_food") + diary().count("recent_food"), 0);
    if (FoodDayPtr day = FoodDayInfo::getFoodOn(at(2026, 12, 6))) {
        for (const auto& meal : day->items())
            EXPECT_TRUE(meal.isEmpty()) << "nothing shown as saved";
    }

    click("Done");
    EXPECT_EQ(savedRows(), "0|Cake|0.0|300.0|0|0.0|2026-12-06 00:00:00");
    EXPECT_EQ(diary().count("recent_food"), 1) << "saved once, remembered once";
    EXPECT_EQ(top(), owner);
}

TEST_F(QuickCaloriesTest, EditingShowsTheEntryAndAMealChangeMovesIt) {
    const SavedFoodPtr entry = saved(speedyFood(at(2026, 12, 3), 0, 250, "Soup"));
    saved(speedyFood(at(2026, 12, 3), 0, 100, "Bread"));
    QuickCalories* screen = openEdit(entry);
    EXPECT_EQ(screen->foodId(), entry->dboId());
    EXPECT_EQ(screen->calories()->text(), "250.00");
    EXPECT_EQ(screen->name()->text(), "Soup");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    EXPECT_EQ(screen->date(), at(2026, 12, 3));
    EXPECT_FALSE(stack->nav()->view()->findChild<QAbstractButton*>("minusDay")->isVisible());

    gui::tap(screen->foodType(), screen->foodType()->segmentRect(2).center());
    click("Done");
    EXPECT_EQ(savedRows(), "0|Soup|0.0|250.0|2|0.0|2026-12-03 00:00:00\n"
                           "0|Bread|0.0|100.0|0|0.0|2026-12-03 00:00:00");
    FoodDayPtr day = FoodDayInfo::getFoodOn(at(2026, 12, 3));
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->items().at(0).size(), 1);
    EXPECT_EQ(day->items().at(0).first()->name(), "Bread");
    ASSERT_EQ(day->items().at(2).size(), 1);
    EXPECT_EQ(day->items().at(2).first()->dboId(), entry->dboId());
    // Editing does not remember the entry a second time.
    EXPECT_EQ(rows("select count(*) from recent_food"), "2");
}

} // namespace
