#include "FoodEditorFixture.h"

#include "core/base/AppVars.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/diary/FoodDayInfo.h"
#include "screens/food/FoodController.h"
#include "screens/food/FoodTableCell.h"
#include "ui/TableView.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class FoodControllerTest : public FoodTabFixture {
protected:
    QString shownDay() const { return food->dayLabel()->text(); }
    QString header(int section) const {
        QWidget* view = food->viewForHeader(dayList(), section);
        if (!view)
            return {};
        auto* label = view->findChild<QLabel*>();
        return label ? label->text() : QStringLiteral("(no label)");
    }
    FoodTableCell* cell(int section, int row) {
        dayList()->reloadData();
        gui::settle();
        return qobject_cast<FoodTableCell*>(dayList()->cellForRow({section, row}));
    }
    static QDateTime sharedDay() {
        return AppVars::getVars().value("food_current_date").toDateTime();
    }
};

} // namespace

TEST_F(FoodControllerTest, OpensOnTodayAndItsDayBarMovesTheSharedDayAtMidnight) {
    EXPECT_EQ(food->currDate(), at(2026, 12, 6));
    EXPECT_EQ(shownDay(), "December 6, 2026");
    EXPECT_EQ(sharedDay(), at(2026, 12, 6));
    // Today is in the list, without entries: four empty meals and no headers.
    ASSERT_NE(food->dayData(), nullptr);
    for (int meal = 0; meal < 4; ++meal) {
        EXPECT_EQ(dayList()->numberOfRows(meal), 0);
        EXPECT_EQ(header(meal), "");
    }

    food->setCurrDate(at(2026, 12, 1, 23, 59));
    EXPECT_EQ(food->currDate(), at(2026, 12, 1));
    click("plusDay");
    click("plusDay");
    click("minusDay");
    EXPECT_EQ(food->currDate(), at(2026, 12, 2));
    EXPECT_EQ(shownDay(), "December 2, 2026");
    EXPECT_EQ(sharedDay(), at(2026, 12, 2));
    // No date only changes the day bar.
    food->setCurrDate(QDateTime());
    EXPECT_EQ(shownDay(), "No date");
    EXPECT_EQ(food->currDate(), at(2026, 12, 2));
    click("Today");
    EXPECT_EQ(food->currDate(), at(2026, 12, 6));
}

TEST_F(FoodControllerTest, MealsListTheirEntriesNewestFirstUnderTheirTotals) {
    saved(speedyFood(at(2026, 12, 6), 0, 200, "Porridge"));
    saved(speedyFood(at(2026, 12, 6), 0, 150, "Coffee"));
    saved(speedyFood(at(2026, 12, 6), 2, 640, "Stew"));
    saved(speedyFood(at(2026, 12, 7), 1, 999, "Tomorrow"));
    food->refreshData();

    EXPECT_EQ(dayList()->numberOfRows(0), 2);
    EXPECT_EQ(dayList()->numberOfRows(1), 0);
    EXPECT_EQ(dayList()->numberOfRows(2), 1);
    EXPECT_EQ(header(0), "Breakfast : 350");
    EXPECT_EQ(header(1), "");
    EXPECT_EQ(header(2), "Dinner : 640");
    EXPECT_EQ(food->heightForHeader(dayList(), 1), 0);
    ASSERT_NE(cell(0, 0), nullptr);
    EXPECT_EQ(cell(0, 0)->info()->name(), "Coffee");
    EXPECT_EQ(cell(0, 1)->info()->name(), "Porridge");
    EXPECT_EQ(panelValue(1), "990");

    click("plusDay");
    EXPECT_EQ(dayList()->numberOfRows(0), 0);
    EXPECT_EQ(header(1), "Lunch : 999");
    EXPECT_EQ(panelValue(1), "999");
}

TEST_F(FoodControllerTest, RowsShowPortionsOrCaloriesAndThePoints) {
    const int butter =
        FoodSimpleDbo::searchFoodItems("buttersalted", 0, 0, 0).value("items").value(0).dboId;
    ASSERT_GT(butter, 0);
    saved(speedyFood(at(2026, 12, 6), 3, 250, "Cake"));
    saved(catalogueFood(butter, at(2026, 12, 6), 0, 0.5f));
    saved(catalogueFood(butter, at(2026, 12, 6), 1, 1.5f, 20));
    food->refreshData();

    // Below one portion the calories stand in for the portion text.
    const FoodTableCell* half = cell(0, 0);
    ASSERT_NE(half, nullptr);
    EXPECT_EQ(half->secondLineTexts(), QStringList{half->info()->caloriesString() + " cals"});
    EXPECT_EQ(half->scoreTexts(), QStringList({half->info()->pointsString(), "score"}));

    // A changed amount shows its deviation between the portions and "cals".
    const FoodTableCell* more = cell(1, 0);
    ASSERT_NE(more, nullptr);
    EXPECT_TRUE(more->info()->portionString().startsWith("1.50x"));
    EXPECT_EQ(more->secondLineTexts(),
              QStringList({more->info()->portionString(), "(+20)", "cals"}));

    const FoodTableCell* speedy = cell(3, 0);
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->secondLineTexts(), QStringList{"250 cals"});
    EXPECT_EQ(speedy->scoreTexts(), QStringList({"0", "score"}));

    // While its delete button shows, a row narrows and drops the score.
    dayList()->showDeleteConfirmation({3, 0});
    auto* shown = qobject_cast<FoodTableCell*>(dayList()->cellForRow({3, 0}));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->showingDeleteConfirmation());
    EXPECT_TRUE(shown->scoreTexts().isEmpty());
    EXPECT_FALSE(shown->secondLineTexts().isEmpty());
    EXPECT_FALSE(food->canEditRow(dayList(), {2, 0}));
}

TEST_F(FoodControllerTest, TheDeleteKeyRemovesOneEntryAndDeletingAPastDaysLastEmptiesIt) {
    saved(speedyFood(at(2026, 12, 6), 2, 500, "Pasta"));
    saved(speedyFood(at(2026, 12, 6), 2, 120, "Salad"));
    saved(speedyFood(at(2026, 12, 3), 1, 400, "Lunch"));
    food->refreshData();
    dayList()->selectRow({2, 1});
    dayList()->setFocus();
    QTest::keyClick(dayList(), Qt::Key_Delete);
    if (dayList()->deleteButton())
        QTest::mouseClick(dayList()->deleteButton(), Qt::LeftButton);
    ASSERT_EQ(dayList()->numberOfRows(2), 1);
    EXPECT_EQ(cell(2, 0)->info()->name(), "Salad");
    EXPECT_EQ(header(2), "Dinner : 120");
    EXPECT_EQ(panelValue(1), "120");

    food->setCurrDate(at(2026, 12, 3));
    EXPECT_EQ(panelValue(1), "400");
    dayList()->showDeleteConfirmation({1, 0});
    ASSERT_NE(dayList()->deleteButton(), nullptr);
    QTest::mouseClick(dayList()->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(dayList()->numberOfRows(1), 0);
    EXPECT_EQ(food->dayData(), nullptr);
    EXPECT_EQ(FoodDayInfo::getFoodOn(at(2026, 12, 3)), nullptr);
    EXPECT_EQ(panelValue(1), "0");
    EXPECT_EQ(header(1), "");
    EXPECT_EQ(diary().lines("select name from saved_food"), QStringList{"Salad"});
}

TEST_F(FoodControllerTest, RefreshAndComingIntoViewPickUpADayThatGotItsFirstEntry) {
    food->setCurrDate(at(2026, 12, 1));
    EXPECT_EQ(food->dayData(), nullptr);
    saved(speedyFood(at(2026, 12, 1), 1, 75, "Apple"));
    EXPECT_EQ(dayList()->numberOfRows(1), 0);
    food->refreshData();
    ASSERT_NE(food->dayData(), nullptr);
    EXPECT_EQ(header(1), "Lunch : 75");
    EXPECT_EQ(panelValue(4), QString::number(500 - 75));

    // An editor moved to a day without entries and saved there.
    AppVars::getVars().insert("food_current_date", at(2026, 12, 9));
    saved(speedyFood(at(2026, 12, 9), 3, 320, "Popcorn"));
    food->refreshData();
    food->viewWillAppear();
    EXPECT_EQ(shownDay(), "December 9, 2026");
    EXPECT_EQ(dayList()->numberOfRows(3), 1);
    EXPECT_EQ(panelValue(1), "320");

    // Without a shared day it shows today.
    AppVars::getVars().remove("food_current_date");
    food->viewWillAppear();
    EXPECT_EQ(food->currDate(), at(2026, 12, 6));
}
