#include "support/Dates.h"
#include "support/QtPrinters.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "app/QuorvelAppDelegate.h"
#include "core/base/Clock.h"
#include "core/base/ResetRegistry.h"
#include "screens/exercise/Details/AddExerciseController.h"
#include "screens/exercise/Details/ExerciseMenuController.h"
#include "screens/exercise/ExerciseController.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/FoodController.h"
#include "screens/overview/OverviewController.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "screens/profile/Details/GenderSelectController.h"
#include "screens/profile/ProfileController.h"
#include "screens/profile/WeightLossCell.h"
#include "screens/weight/Details/AddEditWeightController.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/TabBar.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"
#include "ui/TextField.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/MonthView.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

#include <QCoreApplication>
#include <QLabel>

// The application from a fresh data folder and settings file, walked through its five tabs as a
// new user walks them, then started again on what the first run left.
namespace {

enum Tab { Overview, Food, Exercise, Weight, Profile };

class NewUserWalkTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
    }
    void TearDown() override {
        quit();
        QuorvelTest::TearDown();
    }

    void launch() {
        app = std::make_unique<QuorvelAppDelegate>();
        app->applicationDidFinishLaunching();
        gui::settle();
    }
    // The process ends: nothing of it stays but the files.
    void quit() {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ResetRegistry::resetAll();
    }

    ui::TabBarController* tabs() const { return app->tabBarController(); }
    ui::NavigationController* choose(Tab tab) {
        ui::TabBar* bar = tabs()->tabBar();
        gui::tap(bar, bar->tabRect(tab).center());
        return qobject_cast<ui::NavigationController*>(tabs()->selectedViewController());
    }
    template <class Screen> Screen* root(Tab tab) const {
        auto* nav = qobject_cast<ui::NavigationController*>(tabs()->viewControllers().at(tab));
        return qobject_cast<Screen*>(nav->viewControllers().first());
    }
    template <class Screen> Screen* top(ui::NavigationController* nav) const {
        return qobject_cast<Screen*>(nav->topViewController());
    }
    void click(const char* name) { gui::click(app->window(), name); }

    // "Allowed|Food|Burned|Net|Under or Over|left|weight" of a panel.
    static QString numbers(const OverviewInfoPanel* panel) {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << panel->itemByIdx(i)->text();
        texts << panel->keyByIdx(4)->text() << panel->itemByIdx(4)->text()
              << panel->weightvalueLabel()->text();
        return texts.join('|');
    }
    QString todaysMark() const {
        auto* overview = root<OverviewController>(Overview);
        return overview->calendar()
            ->visibleMonth()
            ->buttonFor(QDate(2026, 12, 6))
            ->additionalInfo();
    }

    std::unique_ptr<QuorvelAppDelegate> app;
};

} // namespace

TEST_F(NewUserWalkTest, FiveTabsFromAFreshStartAndTheSameNumbersAfterARestart) {
    launch();
    click("OK"); // the welcome notice, which ShellTest checks
    auto* overview = root<OverviewController>(Overview);
    ASSERT_NE(overview, nullptr) << "the Overview tab is the real screen";
    // No allowance is worked out before the profile is first shown.
    EXPECT_EQ(numbers(overview->summarypanel()), "500|0|0|0|Under|500|0.0 lb");

    // My Profile: a man, whose allowance the profile list shows.
    ui::NavigationController* nav = choose(Profile);
    auto* profile = root<ProfileController>(Profile);
    gui::tapRow(profile->profilemenu(), {1, 0});
    auto* gender = top<GenderSelectController>(nav);
    ASSERT_NE(gender, nullptr);
    gui::tapRow(gender->tableView(), {0, 1});
    click("Back");
    auto* allowanceCell = qobject_cast<WeightLossCell*>(profile->profilemenu()->cellForRow({2, 3}));
    ASSERT_NE(allowanceCell, nullptr);
    const QString allowed = allowanceCell->lbValue()->text();
    EXPECT_NE(allowed, "1588");

    // Food: speedy calories at breakfast.
    nav = choose(Food);
    click("Add");
    gui::tapRow(top<FoodMenuController>(nav)->tableView(), {0, 1});
    auto* speedy = top<QuickCalories>(nav);
    ASSERT_NE(speedy, nullptr);
    gui::type(speedy->calories(), "650");
    gui::type(speedy->name(), "Pancakes");
    click("Done");
    const int eaten = 650;
    EXPECT_EQ(root<FoodController>(Food)->daysummarypanel()->itemByIdx(1)->text(), "650");

    // Exercise: half an hour of the first exercise of the first category.
    nav = choose(Exercise);
    click("Add");
    gui::tapRow(root<ExerciseController>(Exercise)->exerciseMenu()->tableView(), {2, 0});
    gui::tapRow(top<ExerciseMenuController>(nav)->tableView(), {0, 0});
    auto* workout = top<AddExerciseController>(nav);
    ASSERT_NE(workout, nullptr);
    gui::turn(workout->duration(), 1, 6);
    const int burned = workout->calories()->valueLabel()->text().toInt();
    ASSERT_GT(burned, 0);
    click("Save");
    EXPECT_EQ(top<ExerciseController>(nav), root<ExerciseController>(Exercise));

    // Weight: the first weighing, a few pounds over what the editor proposes.
    nav = choose(Weight);
    click("Add");
    auto* weighing = top<AddEditWeightController>(nav);
    ASSERT_NE(weighing, nullptr);
    gui::turn(weighing->selector(), 0, 20);
    const QString weight = weighing->infolabel()->text().trimmed();
    click("Save");

    // The Overview shows that day's numbers in the month and the day view alike.
    choose(Overview);
    const int left = allowed.toInt() - (eaten - burned);
    const QString expected =
        QStringList({allowed, QString::number(eaten), QString::number(burned),
                     QString::number(eaten - burned), "Under", QString::number(left), weight})
            .join('|');
    EXPECT_EQ(numbers(overview->summarypanel()), expected);
    EXPECT_EQ(numbers(overview->daysummarypanel()), expected);
    EXPECT_EQ(todaysMark(), QString::number(left));

    // Started again, the notice read once more: the same numbers.
    quit();
    launch();
    click("OK");
    overview = root<OverviewController>(Overview);
    EXPECT_EQ(numbers(overview->summarypanel()), expected);
    EXPECT_EQ(todaysMark(), QString::number(left));
    // The day lists the breakfast and, after the meals, the exercise.
    overview->setSelectedIndex(1);
    ui::TableView* day = overview->dayTable()->tableView();
    int rows = 0;
    for (int section = 0; section < day->numberOfSections(); ++section)
        rows += day->numberOfRows(section);
    EXPECT_EQ(day->numberOfRows(0), 1);
    EXPECT_EQ(rows, 2);
}
