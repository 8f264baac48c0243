#include "support/LogCapture.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "app/DatabaseFailureReporter.h"
#include "app/QuorvelAppDelegate.h"
#include "app/ScaleOption.h"
#include "core/base/UserNotices.h"
#include "core/settings/UDefUtil.h"
#include "core/settings/WelcomeCounter.h"
#include "ui/AlertView.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/TabBar.h"
#include "ui/TabBarController.h"

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
    ui::TabBar* bar = tabs->tabBar();
    EXPECT_EQ(bar->geometry(), QRect(0, 460 - 49, 320, 49));

    // The notice covers the window first; close it and choose a tab.
    ASSERT_NE(ui::AlertView::current(), nullptr);
    ui::AlertView::current()->dismiss();
    gui::tap(bar, bar->tabRect(3).center());
    EXPECT_EQ(tabs->selectedIndex(), 3);
    QWidget* weight = tabs->viewControllers().at(3)->view();
    EXPECT_TRUE(weight->isVisible());
    EXPECT_EQ(weight->geometry(), QRect(0, 0, 320, 411));
    EXPECT_FALSE(tabs->viewControllers().at(0)->view()->isVisible());
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

TEST_F(DatabaseFailureTest, AFailureAtStartIsLoggedShownAndQuitsWithFailureOnOk) {
    QWidget window;
    window.resize(320, 460);
    window.show();
    std::vector<int> quits;
    DatabaseFailureReporter::setWindow(&window);
    DatabaseFailureReporter::setQuit([&quits](int code) { quits.push_back(code); });
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

TEST_F(DatabaseFailureTest, AFailureInUseIsShownAndTheApplicationKeepsRunning) {
    QWidget window;
    window.resize(320, 460);
    window.show();
    int quits = 0;
    DatabaseFailureReporter::setWindow(&window);
    DatabaseFailureReporter::setQuit([&quits](int) { ++quits; });
    const DBException full("DBManager step error", "database or disk is full");
    for (int round = 0; round < 2; ++round) {
        DatabaseFailureReporter::report(full, DatabaseFailureReporter::Then::KeepRunning);
        ASSERT_NE(ui::AlertView::current(), nullptr) << "round " << round << " is shown";
        gui::click(&window, "OK");
        EXPECT_EQ(ui::AlertView::current(), nullptr);
    }
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(DatabaseFailureReporter::failed());
}

class ScaleOptionTest : public QuorvelTest {};

TEST_F(ScaleOptionTest, CommandLineBeatsEnvironmentAndBadValuesFallBack) {
    auto choose = [](std::vector<const char*> args, const QByteArray& env) {
        args.insert(args.begin(), "quorvel");
        return ScaleOption::choose(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                   env);
    };
    EXPECT_EQ(choose({}, ""), "2");
    EXPECT_EQ(choose({}, "1.5"), "1.5");
    EXPECT_EQ(choose({"--scale", "3"}, "1.5"), "3");
    EXPECT_EQ(choose({"--scale=1"}, ""), "1");
    EXPECT_EQ(choose({"--scale", "zero"}, "1.5"), "1.5");
    EXPECT_EQ(choose({"--scale", "-2"}, ""), "2");
    EXPECT_EQ(choose({"--scale"}, ""), "2");
    EXPECT_EQ(choose({}, "huge"), "2");
}
