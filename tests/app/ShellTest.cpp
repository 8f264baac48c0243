#include "support/Dates.h"
#include "support/LogCapture.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "app/CommandLine.h"
#include "app/DatabaseFailureReporter.h"
#include "app/QuorvelAppDelegate.h"
#include "app/ScaleOption.h"
#include "core/base/Clock.h"
#include "core/base/UserNotices.h"
#include "core/settings/UDefUtil.h"
#include "core/settings/WelcomeCounter.h"
#include "screens/food/FoodController.h"
#include "ui/AlertView.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/TabBar.h"
#include "ui/TabBarController.h"

#include <QCoreApplication>
#include <vector>

class ShellTest : public QuorvelTest {
protected:
    // One launch of the application in this test's settings.
    static std::unique_ptr<QuorvelAppDelegate> launch() {
        auto delegate = std::make_unique<QuorvelAppDelegate>();
        delegate->applicationDidFinishLaunching();
        return delegate;
    }
};

TEST_F(ShellTest, FiveTintedTabsInOrderFillThePhoneScreen) {
    auto app = launch();
    EXPECT_EQ(app->window()->size(), QSize(320, 460));
    ui::TabBarController* tabs = app->tabBarController();
    ASSERT_NE(tabs, nullptr);
    const QStringList titles{"Overview", "Food", "Exercise", "Weight", "My Profile"};
    ASSERT_EQ(tabs->viewControllers().size(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        auto* nav = qobject_cast<ui::NavigationController*>(tabs->viewControllers().at(i));
        ASSERT_NE(nav, nullptr);
        EXPECT_EQ(nav->viewControllers().first()->tabBarItem().title, titles[i]);
        EXPECT_EQ(nav->navigationBar()->tintColor(), QColor(146, 128, 91));
    }
    EXPECT_EQ(tabs->selectedIndex(), 0);
    EXPECT_EQ(tabs->tabBar()->geometry(), QRect(0, 460 - 49, 320, 49));
    // How a tap switches tabs is TabBarControllerTest's.
}

TEST_F(ShellTest, WelcomeNoticeShowsAtTheFirstTwoLaunchesOnly) {
    for (int launchNo = 1; launchNo <= 3; ++launchNo) {
        if (launchNo == 3) // what the storage has to tell is shown at any launch
            UserNotices::add("Diary upgrade", "1 of your entries could not be carried.");
        auto app = launch();
        ui::AlertView* notice = ui::AlertView::current();
        if (launchNo <= 2) {
            ASSERT_NE(notice, nullptr) << "launch " << launchNo;
            EXPECT_EQ(notice->title(), "PLEASE READ!");
            EXPECT_EQ(notice->message(), WelcomeCounter::message());
            EXPECT_EQ(notice->parentWidget(), app->window());
            gui::click(notice, "OK");
            EXPECT_EQ(ui::AlertView::current(), nullptr);
        } else {
            ASSERT_NE(notice, nullptr);
            EXPECT_EQ(notice->title(), "Diary upgrade");
        }
        EXPECT_EQ(UDefUtil::getUserDefInt("welcome", 0), std::min(launchNo, 2));
    }
}

class DatabaseFailureTest : public QuorvelTest {};

// A failure in use is shown each time and the application goes on; one at start is logged, shown
// once, and quits with a failure when the user closes it.
TEST_F(DatabaseFailureTest, AFailureInUseKeepsRunningAndOneAtStartQuitsOnOk) {
    QWidget window;
    window.resize(320, 460);
    window.show();
    std::vector<int> quits;
    DatabaseFailureReporter::setWindow(&window);
    DatabaseFailureReporter::setQuit([&quits](int code) { quits.push_back(code); });
    const DBException full("DBManager step error", "database or disk is full");
    for (int round = 0; round < 2; ++round) {
        DatabaseFailureReporter::report(full, DatabaseFailureReporter::Then::KeepRunning);
        ASSERT_NE(ui::AlertView::current(), nullptr) << "round " << round << " is shown";
        gui::click(&window, "OK");
        EXPECT_EQ(ui::AlertView::current(), nullptr);
    }
    EXPECT_TRUE(quits.empty());
    EXPECT_FALSE(DatabaseFailureReporter::failed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed alerts

    {
        LogCapture log;
        DatabaseFailureReporter::report(DBException("DBManager step error", "disk I/O error"),
                                        DatabaseFailureReporter::Then::Quit);
        DatabaseFailureReporter::report(DBException("DBManager prepare error", "no such table"),
                                        DatabaseFailureReporter::Then::KeepRunning);
        ASSERT_EQ(log.lines().size(), 2) << "every failure is logged";
        EXPECT_TRUE(log.lines()[0].contains("DBManager step error") &&
                    log.lines()[0].contains("disk I/O error"));
        EXPECT_TRUE(log.lines()[1].contains("no such table"));
    }
    ui::AlertView* alert = ui::AlertView::current();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), "DBManager step error");
    EXPECT_EQ(alert->message(), "disk I/O error");
    EXPECT_EQ(window.findChildren<ui::AlertView*>().size(), 1) << "one alert, not one per failure";
    EXPECT_TRUE(quits.empty()) << "the user reads the alert before the application quits";

    gui::click(&window, "OK");
    EXPECT_EQ(quits, std::vector<int>{1});
    EXPECT_TRUE(DatabaseFailureReporter::failed());
}

class ScaleOptionTest : public QuorvelTest {};

TEST_F(ScaleOptionTest, CommandLineBeatsEnvironmentElseTheLargestWindowThatFits) {
    EXPECT_EQ(ScaleOption::choose("", ""), "");
    EXPECT_EQ(ScaleOption::choose("", "1.5"), "1.5");
    EXPECT_EQ(ScaleOption::choose("3", "1.5"), "3");
    EXPECT_EQ(ScaleOption::choose("zero", "1.5"), "1.5");
    EXPECT_EQ(ScaleOption::choose("-2", "huge"), "");
    // 460 points and a title bar: 2x needs 960 pixels, 1.5x needs 730.
    EXPECT_EQ(ScaleOption::fitting(1053), "2");
    EXPECT_EQ(ScaleOption::fitting(959), "1.5");
    EXPECT_EQ(ScaleOption::fitting(741), "1.5") << "a 768-pixel laptop screen under its panel";
    EXPECT_EQ(ScaleOption::fitting(729), "1");
    EXPECT_EQ(ScaleOption::fitting(0), "1") << "no screen";
}

TEST(CommandLineTest, QtOptionsPassAndAnythingUnknownIsRefused) {
    auto parse = [](std::vector<const char*> args) {
        args.insert(args.begin(), "quorvel");
        return CommandLine::parse(static_cast<int>(args.size()), const_cast<char**>(args.data()));
    };
    const CommandLine run =
        parse({"-platform", "offscreen", "--style=Fusion", "-reverse", "--scale", "1.5"});
    EXPECT_EQ(run.action(), CommandLine::Action::Run);
    EXPECT_EQ(run.scale(), "1.5");
    EXPECT_EQ(parse({"--scale=3"}).scale(), "3");
    EXPECT_EQ(parse({"-reverse", "--help", "--frobnicate"}).action(), CommandLine::Action::Help);
    EXPECT_EQ(parse({"--version"}).action(), CommandLine::Action::Version);

    const std::pair<std::vector<const char*>, QString> refused[] = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"-scale", "2"}, "unknown option '-scale'"},
        {{"diary.db"}, "unexpected argument 'diary.db'"},
        {{"--scale"}, "option '--scale' needs a number"},
        {{"-style"}, "option '-style' needs a value"},
    };
    for (const auto& [args, error] : refused) {
        const CommandLine line = parse(args);
        EXPECT_EQ(line.action(), CommandLine::Action::Refuse) << error.toStdString();
        EXPECT_EQ(line.error(), error);
        EXPECT_EQ(line.answer(), 2);
    }
}

TEST_F(ShellTest, TheKeyboardReachesEveryTabWithoutCodeOfItsOwn) {
    ScopedTimeZone zone("UTC");
    Clock::set(at(2026, 12, 6, 9, 30));
    auto app = launch();
    ASSERT_TRUE(gui::showActive(app->window()));
    gui::press(Qt::Key_Return);
    EXPECT_EQ(ui::AlertView::current(), nullptr) << "Return closes the welcome notice";

    ui::TabBarController* tabs = app->tabBarController();
    gui::press(Qt::CTRL | Qt::Key_2);
    ASSERT_EQ(tabs->selectedIndex(), 1);
    auto* nav = qobject_cast<ui::NavigationController*>(tabs->selectedViewController());
    auto* food = qobject_cast<FoodController*>(nav->topViewController());
    ASSERT_NE(food, nullptr);
    gui::press(Qt::Key_Right);
    EXPECT_EQ(food->currDate(), at(2026, 12, 7));
    gui::press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(nav->topViewController()->title(), "Food Menu");
    gui::press(Qt::Key_Escape);
    EXPECT_EQ(nav->topViewController(), food);

    gui::press(Qt::CTRL | Qt::Key_5);
    EXPECT_EQ(tabs->selectedIndex(), 4);
    gui::press(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(app->window()->isVisible());
}
