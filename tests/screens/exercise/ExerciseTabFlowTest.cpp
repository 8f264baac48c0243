#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "screens/exercise/Details/AddExerciseController.h"
#include "screens/exercise/Details/ExerciseMenuController.h"
#include "screens/exercise/Details/QuickExercise.h"
#include "screens/exercise/ExerciseController.h"
#include "screens/exercise/ExerciseTableCell.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/RawDatabase.h"
#include "support/SampleCatalogues.h"
#include "support/ScopedLocale.h"
#include "support/gui/Gui.h"
#include "ui/AlertView.h"
#include "ui/Label.h"
#include "ui/PickerView.h"
#include "ui/SearchBar.h"
#include "ui/SegmentedControl.h"
#include "ui/TableView.h"
#include "ui/TextField.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/QVXTableView.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The Exercise tab driven as a user drives it: through the menu to the add and speedy screens,
// then editing and deleting, checking the screens and the rows of saved_exercise and
// recent_exercise.
namespace {

// The Exercise tab on its navigation stack over the sample catalogues, the clock at 9:30 on
// 6 December 2026. One more exercise has the two METs values the figures are checked with:
// 400 "Test stairs" (Running) at light 3.5 and vigorous 8.0.
class ExerciseTabFlowTest : public SampleCatalogueTest {
protected:
    void SetUp() override {
        SampleCatalogueTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
        RawDatabase::user("exercise.db")
            .exec("insert into exercise_items values (400, 'Test stairs', 'teststairs', 2);"
                  "insert into exercise_intensity values (400, 1, 3.5), (400, 3, 8.0);");
        tab = new ExerciseController;
        stack = std::make_unique<gui::ScreenStack>(tab);
    }
    void TearDown() override {
        stack.reset();
        SampleCatalogueTest::TearDown();
    }

    static RawDatabase diary() { return RawDatabase::user("common.db"); }
    static QString rows(const QString& sql) { return diary().lines(sql).join('\n'); }
    template <class Screen> Screen* topAs() const { return stack->top<Screen>(); }
    ui::ViewController* top() const { return stack->top(); }
    void clickBar(const char* title) { stack->click(title); }
    // From the Add button to the level a main menu row opens.
    ExerciseMenuController* openMenuRow(const ui::IndexPath& path) {
        clickBar("Add");
        gui::tapRow(tab->exerciseMenu()->tableView(), path);
        return topAs<ExerciseMenuController>();
    }
    // Turns a wheel to the row with the arrow keys, as a user does.
    static void turnTo(ui::PickerView* picker, int component, int row) {
        gui::turn(picker, component, row - picker->selectedRowInComponent(component));
    }
    ui::TableView* dayList() const { return tab->dayTable()->tableView(); }
    QString header(int section) const {
        QWidget* view = tab->viewForHeader(dayList(), section);
        auto* label = view ? view->findChild<QLabel*>() : nullptr;
        return label ? label->text() : QString();
    }

    AddExerciseController* pick(ExerciseMenuController* level, int row) {
        EXPECT_NE(level, nullptr);
        if (!level)
            return nullptr;
        gui::tapRow(level->tableView(), {0, row});
        return topAs<AddExerciseController>();
    }
    // Sets the wheels and saves; back on the tab.
    void save(AddExerciseController* add, int hours, int fiveMinutes) {
        ASSERT_NE(add, nullptr);
        turnTo(add->duration(), 0, hours);
        turnTo(add->duration(), 1, fiveMinutes);
        clickBar("Save");
        ASSERT_EQ(top(), tab);
    }
    ExerciseTableCell* cellAt(int section, int row) {
        dayList()->reloadData();
        gui::settle();
        return qobject_cast<ExerciseTableCell*>(dayList()->cellForRow({section, row}));
    }

    ExerciseController* tab = nullptr;
    std::unique_ptr<gui::ScreenStack> stack;
};

} // namespace

TEST_F(ExerciseTabFlowTest, EveryPathOfTheMenuAddsItsExerciseAtTheWorkedFigures) {
    // The main menu: recent and speedy, the search, the categories but the speedy one.
    ui::TableView* main = tab->exerciseMenu()->tableView();
    ASSERT_EQ(main->numberOfSections(), 3);
    EXPECT_EQ(main->numberOfRows(2), 2);
    EXPECT_EQ(tab->exerciseMenu()->mainRow({2, 0})->name, "Running");

    // A category's list; 3.5 METs for five minutes give 23.33, saved as 23.
    AddExerciseController* add = pick(openMenuRow({2, 0}), 3);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->title(), "Test stairs");
    EXPECT_FLOAT_EQ(add->burnRate()->value(), 280);
    turnTo(add->duration(), 1, 1);
    EXPECT_NEAR(add->calories()->value(), 23.333, 0.001);
    save(add, 0, 1);
    EXPECT_EQ(rows("select exercise_item_id, name, duration, burn_rate, calories, date from "
                   "saved_exercise"),
              "400|Test stairs|5.0|280.0|23.0|2026-12-06 00:00:00");

    // The catalogue search: 8 METs give 640 an hour, 320 for half an hour, 800 for 1 h 15.
    ExerciseMenuController* search = openMenuRow({1, 0});
    ASSERT_NE(search, nullptr);
    gui::type(search->searchBar()->field(), "stairs");
    ASSERT_EQ(search->data().size(), 1);
    add = pick(search, 0);
    ASSERT_NE(add, nullptr);
    QTest::mouseClick(add->exerciseIntensity(), Qt::LeftButton, {},
                      add->exerciseIntensity()->segmentRect(1).center());
    EXPECT_FLOAT_EQ(add->burnRate()->value(), 640);
    turnTo(add->duration(), 1, 6);
    EXPECT_FLOAT_EQ(add->calories()->value(), 320);
    add->calories()->incValue();
    turnTo(add->duration(), 0, 1);
    turnTo(add->duration(), 1, 3);
    EXPECT_FLOAT_EQ(add->calories()->value(), 800);
    EXPECT_FLOAT_EQ(add->calories()->valueAdd(), 0);
    save(add, 1, 3);

    // The search inside a category keeps to it.
    ExerciseMenuController* cycling = openMenuRow({2, 1});
    ASSERT_NE(cycling, nullptr);
    gui::type(cycling->searchBar()->field(), "running");
    ASSERT_EQ(cycling->data().size(), 1);
    EXPECT_EQ(cycling->data().first().name, "Road running bike");
    save(pick(cycling, 0), 0, 6);

    // The recent list holds each exercise once, newest first, and adds it again.
    ExerciseMenuController* recent = openMenuRow({0, 0});
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->title(), "Recent Exercise Items");
    ASSERT_EQ(recent->data().size(), 2);
    EXPECT_EQ(recent->data().first().name, "Road running bike");
    save(pick(recent, 1), 0, 2);

    EXPECT_EQ(diary().count("saved_exercise"), 4);
    EXPECT_EQ(rows("select exercise_item_id from recent_exercise order by id"), "400\n201");
    EXPECT_EQ(header(1), "Running : 870");
    EXPECT_EQ(header(2), "Cycling : 160");
    EXPECT_EQ(tab->daysummarypanel()->itemByIdx(2)->text(), "1030");
    ExerciseTableCell* cell = cellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->info()->durationString(), "1 h 15 min");
    EXPECT_EQ(cell->caloriesTexts(), QStringList({"800", "cals"}));
}

TEST_F(ExerciseTabFlowTest, SpeedyEntriesRefuseNoCaloriesAndAreRemembered) {
    openMenuRow({0, 1});
    auto* speedy = topAs<QuickExercise>();
    ASSERT_NE(speedy, nullptr);
    // When Save is enabled is the speedy card's, checked with the speedy food screen.
    gui::type(speedy->name(), "Gardening");
    gui::type(speedy->calories(), "0");
    clickBar("Save");
    ui::AlertView* alert = ui::AlertView::current();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->message(), "The calories must be greater than 0.");
    QTest::mouseClick(alert->button(), Qt::LeftButton);
    EXPECT_TRUE(speedy->calories()->text().isEmpty());
    EXPECT_TRUE(gui::waitFor([&] { return speedy->calories()->hasFocus(); }));

    // Two days back, and the tab follows the day.
    gui::click(speedy->view(), "minusDay");
    gui::click(speedy->view(), "minusDay");
    gui::type(speedy->calories(), "150");
    clickBar("Save");
    EXPECT_EQ(tab->currDate(), at(2026, 12, 4));
    EXPECT_EQ(dayList()->numberOfRows(0), 1);
    EXPECT_EQ(header(0), "Quick : 150");
    EXPECT_EQ(rows("select exercise_item_id, name, duration, calories, date from saved_exercise"),
              "0|Gardening|0.0|150.0|2026-12-04 00:00:00");
    EXPECT_EQ(rows("select exercise_item_id, name, calories from recent_exercise"),
              "0|Gardening|150.0");

    // A remembered entry opens with its whole calories; a run of digits is no 0.
    diary().exec("insert into recent_exercise (exercise_item_id, name, calories) "
                 "values (0, 'Pool', 150.6)");
    gui::tapRow(openMenuRow({0, 0})->tableView(), {0, 0});
    speedy = topAs<QuickExercise>();
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->name()->text(), "Pool");
    EXPECT_EQ(speedy->calories()->text(), "150");
    speedy->setCalsString("99999999999");
    clickBar("Save");
    EXPECT_EQ(diary().count("saved_exercise", "name = 'Pool' and calories > 1e10"), 1);
    EXPECT_EQ(diary().count("recent_exercise"), 3);

    // Where the locale writes a decimal comma, it is the decimal point, not the number's end.
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    gui::tapRow(openMenuRow({0, 0})->tableView(), {0, 0});
    speedy = topAs<QuickExercise>();
    ASSERT_NE(speedy, nullptr);
    speedy->setCalsString("75,5");
    clickBar("Save");
    EXPECT_EQ(diary().count("saved_exercise", "calories = 76"), 1) << "75.5, stored whole";
}

TEST_F(ExerciseTabFlowTest, EditingRecomputesOnAnIntensityChangeAndKeepsDayAndExercise) {
    // Jogging, moderate (8.3 METs, 664 an hour) for 95 minutes, raised by hand by 25.
    saved(exerciseEntry(100, at(2026, 12, 6), 95, 664, 1051 + 25));
    // Sprint offers only its vigorous intensity, whose key is 3 but whose place is the first.
    saved(exerciseEntry(101, at(2026, 12, 6), 700, 960, 100));
    tab->refreshData();
    ASSERT_EQ(dayList()->numberOfRows(1), 2);
    ExerciseTableCell* cell = cellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->caloriesTexts(), QStringList({"1051", "(+25)", "cals"}));

    gui::tapRow(dayList(), {1, 1});
    auto* add = topAs<AddExerciseController>();
    ASSERT_NE(add, nullptr);
    EXPECT_TRUE(add->isEditMode());
    EXPECT_EQ(add->exerciseIntensity()->selectedSegmentIndex(), 1);
    EXPECT_EQ(add->duration()->selectedRowInComponent(0), 1);
    EXPECT_EQ(
        AddExerciseController::arrayByComponent(1).at(add->duration()->selectedRowInComponent(1)),
        "35");
    EXPECT_FLOAT_EQ(add->calories()->valueAdd(), 25);
    EXPECT_FALSE(add->dayBar()->minusButton()->isVisible());
    QTest::mouseClick(add->exerciseIntensity(), Qt::LeftButton, {},
                      add->exerciseIntensity()->segmentRect(0).center());
    EXPECT_FLOAT_EQ(add->calories()->value(), 760);
    clickBar("Save");
    EXPECT_EQ(rows("select exercise_item_id, duration, burn_rate, calories, date from "
                   "saved_exercise order by id"),
              "100|95.0|480.0|760.0|2026-12-06 00:00:00\n"
              "101|700.0|960.0|100.0|2026-12-06 00:00:00");
    EXPECT_EQ(header(1), "Running : 860");

    // Longer than the wheels reach: the last rows.
    gui::tapRow(dayList(), {1, 0});
    add = topAs<AddExerciseController>();
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->exerciseIntensity()->selectedSegmentIndex(), 0);
    EXPECT_EQ(add->duration()->selectedRowInComponent(0), 10);
    EXPECT_EQ(add->duration()->selectedRowInComponent(1), 11);
    clickBar("Back");

    // A speedy entry opens with two decimals and is stored again without a new recent row.
    saved(speedyExercise(at(2026, 12, 6), 150, "Gardening"));
    tab->refreshData();
    gui::tapRow(dayList(), {0, 0});
    auto* speedy = topAs<QuickExercise>();
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->calories()->text(), "150.00");
    clickBar("Save");
    EXPECT_EQ(diary().count("saved_exercise", "exercise_item_id = 0 and calories = 150"), 1);
    EXPECT_EQ(diary().count("recent_exercise"), 3);
}

// Deleting from the day is the shared diary tab's, tested with the Food tab.
TEST_F(ExerciseTabFlowTest, DeletingFromTheRecentListTakesOneRememberedRow) {
    saved(speedyExercise(at(2026, 12, 6), 100, "Walk"));
    saved(speedyExercise(at(2026, 12, 6), 200, "Walk"));
    saved(exerciseEntry(200, at(2026, 12, 6), 30, 400, 200));

    // One remembered speedy entry goes, not every speedy row.
    ExerciseMenuController* recent = openMenuRow({0, 0});
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->data().size(), 3);
    gui::swipeLeft(recent->tableView(), {0, 1});
    ASSERT_NE(recent->tableView()->deleteButton(), nullptr);
    QTest::mouseClick(recent->tableView()->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(rows("select exercise_item_id, calories from recent_exercise order by id"),
              "0|100.0\n200|200.0");
    EXPECT_EQ(recent->tableView()->numberOfRows(0), 2);
    EXPECT_EQ(diary().count("saved_exercise"), 3);
}

TEST_F(ExerciseTabFlowTest, AnExerciseGoneFromTheCatalogueIsReportedAndCanStillBeDeleted) {
    // Stored by an earlier catalogue: an item that is no more, in the diary and the recent list.
    diary().exec("insert into saved_exercise (exercise_item_id, name, duration, burn_rate, "
                 "calories, date) values (999, 'Old', 30, 400, 200, '2026-12-06 00:00:00');"
                 "insert into recent_exercise (exercise_item_id, name, calories) "
                 "values (999, 'Old', 200)");
    ExerciseDayInfo::exerciseList() = ExerciseDayInfo::getExerciseInfo();
    tab->refreshData();
    ASSERT_EQ(dayList()->numberOfRows(0), 1);
    // A tap on the day's row opens the editor as the Overview tab does, which checks the report.
    ExerciseMenuController* recent = openMenuRow({0, 0});
    ASSERT_NE(recent, nullptr);
    gui::tapRow(recent->tableView(), {0, 0});
    EXPECT_EQ(top(), recent);
    ui::AlertView* alert = ui::AlertView::current();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->message(), "This exercise is no longer in the exercise database.");
    alert->dismiss();
    recent->back();
    tab->exerciseMenu()->back();

    dayList()->showDeleteConfirmation({0, 0});
    QTest::mouseClick(dayList()->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(diary().count("saved_exercise"), 0);

    // A screen left without an intensity stores nothing.
    AddExerciseController editor(false);
    SelectExerciseController holder;
    holder.setSelectedItem(ExerciseDbo(100, "Jogging"));
    editor.setExerciseMenu(&holder);
    editor.viewWillAppear();
    turnTo(editor.duration(), 0, 1);
    editor.doSave();
    EXPECT_EQ(diary().count("saved_exercise"), 0);
    if (ui::AlertView* alert = ui::AlertView::current())
        alert->dismiss();
}

// The day bar and its clock changes belong to the shared diary tab and are tested with the Food
// tab; here only that the exercise editors share the tab's own day.
TEST_F(ExerciseTabFlowTest, TheEditorsShareTheTabsDay) {
    // Moving the day of a new entry and leaving without a save moves the tab all the same.
    AddExerciseController* add = pick(openMenuRow({2, 0}), 0);
    ASSERT_NE(add, nullptr);
    gui::click(add->view(), "minusDay");
    gui::click(add->view(), "minusDay");
    clickBar("Back");
    clickBar("Back");
    clickBar("Back");
    EXPECT_EQ(top(), tab);
    EXPECT_EQ(tab->currDate(), at(2026, 12, 4));
    EXPECT_EQ(AppVars::getVars().value("exercise_current_date").toDateTime(), at(2026, 12, 4));
}
