#include "app/QuorvelAppDelegate.h"

#include "app/DatabaseFailureReporter.h"
#include "core/backup/BackupFailure.h"
#include "core/backup/BackupFolder.h"
#include "core/base/UserNotices.h"
#include "core/db/QVUtil.h"
#include "core/settings/WelcomeCounter.h"
#include "screens/exercise/ExerciseController.h"
#include "screens/food/FoodController.h"
#include "screens/overview/OverviewController.h"
#include "screens/profile/ProfileController.h"
#include "screens/weight/WeightController.h"
#include "ui/AlertView.h"
#include "ui/ImgUtil.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"

#include <QDebug>

QuorvelAppDelegate::QuorvelAppDelegate() = default;

ui::TabBarController* QuorvelAppDelegate::tabBarController() const {
    return qobject_cast<ui::TabBarController*>(controller());
}

void QuorvelAppDelegate::refreshData() {}

ui::ViewController* QuorvelAppDelegate::appendController() {
    struct Tab {
        const char* title;
        const char* icon;
        ui::ViewController* (*make)();
    };
    static const Tab tabs[] = {
        {"Overview", "tab_overview.png",
         []() -> ui::ViewController* { return new OverviewController; }},
        {"Food", "tab_food.png", []() -> ui::ViewController* { return new FoodController; }},
        {"Exercise", "tab_exercise.png",
         []() -> ui::ViewController* { return new ExerciseController; }},
        {"Weight", "tab_weight.png", []() -> ui::ViewController* { return new WeightController; }},
        {"My Profile", "tab_profile.png",
         []() -> ui::ViewController* { return new ProfileController; }}};
    const QColor tint = ui::Metrics::tintColor();
    QList<ui::ViewController*> navs;
    for (const Tab& tab : tabs) {
        ui::ViewController* screen = tab.make();
        // The tab bar's icons are one set.
        screen->setTabBarItem(
            {QString::fromLatin1(tab.title), ImgUtil::image(QString::fromLatin1(tab.icon))});
        navs.append(makeNavController(screen, tint));
    }
    auto* tabBar = new ui::TabBarController;
    tabBar->setViewControllers(navs);
    return tabBar;
}

void QuorvelAppDelegate::setApplicationProps() {
    // The diaries are opened before anything is shown, so that an upgrade of their files is
    // done (or has failed) before a screen reads them, and what it has to say can be shown.
    QVUtil::commonDbc();
    QVUtil::weightDbc();
    // Once a calendar day, a backup set of the diary as it stands at start.
    try {
        BackupFolder::dailyIfDue();
    } catch (const BackupFailure& failure) {
        qWarning().noquote() << failure.reason();
        UserNotices::add(failure.name(), failure.reason());
    }
}

void QuorvelAppDelegate::didShowWindow() {
    DatabaseFailureReporter::setWindow(window());
    if (WelcomeCounter::shouldShowAndCount()) {
        auto* notice = new ui::AlertView(WelcomeCounter::title(), WelcomeCounter::message(),
                                         WelcomeCounter::buttonTitle());
        notice->showIn(window());
    }
    // Shown last, so they stand above the welcome notice.
    for (const UserNotices::Notice& n : UserNotices::take())
        (new ui::AlertView(n.title, n.message, QStringLiteral("OK")))->showIn(window());
}
