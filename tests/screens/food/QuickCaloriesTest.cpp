#include "FoodEditorFixture.h"

#include "AppVars.h"
#include "BarButtonItem.h"
#include "ConvertUtil.h"
#include "FoodDayInfo.h"
#include "FoodMenuController.h"
#include "FoodSimpleDbo.h"
#include "Label.h"
#include "NavigationController.h"
#include "QuickCalories.h"
#include "SavedFoodDbo.h"
#include "ScopedTimeZone.h"
#include "SegmentedControl.h"
#include "TextField.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace {

class QuickCaloriesTest : public FoodEditorFixture {
protected:
    QuickCalories* openNew() {
        auto* screen = new QuickCalories(false);
        screen->setOwner(owner);
        push(screen);
        return screen;
    }
    QuickCalories* openEdit(const SavedFoodPtr& entry) {
        auto* screen = new QuickCalories(true);
        screen->setSavedFoodData(entry.get());
        screen->setOwner(owner);
        push(screen);
        return screen;
    }
    static void type(ui::TextField* field, const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    static void erase(ui::TextField* field, int count) {
        field->setFocus();
        field->end(false);
        for (int i = 0; i < count; ++i)
            QTest::keyClick(field, Qt::Key_Backspace);
    }
    static SavedFoodPtr saveSpeedy(const QDateTime& day, int meal, float calories,
                                   const QString& name) {
        auto entry = std::make_shared<SavedFoodDbo>();
        entry->setFoodTypeId(meal);
        entry->setName(name);
        entry->setResultCalories(calories);
        entry->setDate(day);
        entry->getKindImage();
        entry->save();
        return entry;
    }
    static std::string savedRows() {
        return rows("select food_item_id, name, portions_count, result_calories, food_type_id, "
                    "result_points, date from saved_food order by id");
    }
};

TEST_F(QuickCaloriesTest, DoneNeedsBothTextsAndTheCaloriesTakeOnePoint) {
    QuickCalories* screen = openNew();
    EXPECT_EQ(screen->title(), "Speedy Calories");
    EXPECT_FALSE(screen->doneButton()->isEnabled());

    type(screen->calories(), "250");
    EXPECT_FALSE(screen->doneButton()->isEnabled());
    type(screen->name(), "Cake");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    erase(screen->name(), 4);
    EXPECT_EQ(screen->name()->text(), "");
    EXPECT_FALSE(screen->doneButton()->isEnabled());
    type(screen->name(), "Pie");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    erase(screen->calories(), 3);
    EXPECT_FALSE(screen->doneButton()->isEnabled());

    type(screen->calories(), "12.5.7x");
    EXPECT_EQ(screen->calories()->text(), "12.57");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    const std::optional<FoodSimpleDbo> item = screen->selectedItem();
    ASSERT_TRUE(item.has_value());
    EXPECT_EQ(item->dboId, 0);
    EXPECT_EQ(item->name, "Pie");
    EXPECT_FLOAT_EQ(item->numAttribute, 12.57f);
}

TEST_F(QuickCaloriesTest, DoneSavesASpeedyEntryAndRemembersIt) {
    QuickCalories* screen = openNew();
    type(screen->calories(), "249.6");
    type(screen->name(), "Office cake");
    QTest::mouseClick(screen->foodType(), Qt::LeftButton, {},
                      screen->foodType()->segmentRect(3).center());
    click("Done");

    EXPECT_EQ(savedRows(), "0|Office cake|0.0|250.0|3|0.0|2026-12-06 00:00:00");
    EXPECT_EQ(rows("select food_item_id, name, calories from recent_food"), "0|Office cake|250.0");
    EXPECT_EQ(owner->refreshes, 1);
    EXPECT_EQ(top(), owner);
    FoodDayPtr day = FoodDayInfo::getFoodOn(at(2026, 12, 6));
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->items().at(3).size(), 1);
    EXPECT_EQ(day->items().at(3).first()->kindImage(), "quick_add.png");
}

TEST_F(QuickCaloriesTest, ARememberedEntryFromTheMenuIsFilledInAndCanBeSaved) {
    saveSpeedy(at(2026, 12, 1), 0, 249.6f, "Biscuits");
    // The menu's recent list, as the Food tab's menu would show it.
    auto* menu = new FoodMenuController(QStringLiteral("Recent Food Items"), 3, owner);
    menu->setOwner(owner);
    push(menu);
    menu->restoreData();
    const FoodGroups recent = FoodSimpleDbo::getRecentFood();
    ASSERT_EQ(recent.value("items").size(), 1);
    menu->setSelectedItem(recent.value("items").first());
    QApplication::processEvents();

    auto* screen = qobject_cast<QuickCalories*>(top());
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->isEditMode());
    EXPECT_EQ(screen->name()->text(), "Biscuits");
    EXPECT_EQ(screen->calories()->text(), "250");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    click("Done");
    EXPECT_EQ(rows("select name, result_calories, date from saved_food order by id"),
              "Biscuits|250.0|2026-12-01 00:00:00\nBiscuits|250.0|2026-12-06 00:00:00");
    // Already remembered: the list does not grow.
    EXPECT_EQ(rows("select count(*) from recent_food"), "1");
    EXPECT_EQ(top(), owner);
}

TEST_F(QuickCaloriesTest, EditingShowsTheEntryAndAMealChangeMovesIt) {
    const SavedFoodPtr entry = saveSpeedy(at(2026, 12, 3), 0, 250, "Soup");
    saveSpeedy(at(2026, 12, 3), 0, 100, "Bread");
    QuickCalories* screen = openEdit(entry);
    EXPECT_EQ(screen->foodId(), entry->dboId());
    EXPECT_EQ(screen->calories()->text(), "250.00");
    EXPECT_EQ(screen->name()->text(), "Soup");
    EXPECT_TRUE(screen->doneButton()->isEnabled());
    EXPECT_EQ(screen->date(), at(2026, 12, 3));
    EXPECT_EQ(screen->monthLabel()->text(),
              ConvertUtil::date2str(at(2026, 12, 3), ConvertUtil::LongStyle));
    EXPECT_EQ(nav->view()->findChild<QAbstractButton*>("left.png"), nullptr);

    QTest::mouseClick(screen->foodType(), Qt::LeftButton, {},
                      screen->foodType()->segmentRect(2).center());
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

TEST_F(QuickCaloriesTest, DayArrowsMoveOneCalendarDayAndTheSavedEntryFollows) {
    ScopedTimeZone tz("America/New_York");
    AppVars::getVars().insert("food_current_date", at(2026, 3, 7));
    QuickCalories* screen = openNew();
    EXPECT_EQ(screen->date(), at(2026, 3, 7));
    click("right.png");
    click("right.png");
    EXPECT_EQ(screen->date(), at(2026, 3, 9));
    click("left.png");
    EXPECT_EQ(screen->date(), at(2026, 3, 8));
    EXPECT_EQ(AppVars::getVars().value("food_current_date").toDateTime(), at(2026, 3, 8));
    screen->setDate(at(2026, 10, 31));
    click("right.png");
    click("right.png");
    EXPECT_EQ(screen->date(), at(2026, 11, 2));
    EXPECT_EQ(screen->monthLabel()->text(),
              ConvertUtil::date2str(at(2026, 11, 2), ConvertUtil::LongStyle));

    screen->setCalsString("300");
    screen->setNameString("Late tea");
    click("Done");
    EXPECT_EQ(rows("select date from saved_food"), "2026-11-02 00:00:00");
    EXPECT_EQ(AppVars::getVars().value("food_current_date").toDateTime(), at(2026, 11, 2));
}

} // namespace
