#include "app/QuorvelAppDelegate.h"

#include "app/DatabaseFailureReporter.h"
#include "app/PlaceholderController.h"
#include "core/base/UserNotices.h"
#include "core/db/QVUtil.h"
#include "core/settings/WelcomeCounter.h"
#include "ui/AlertView.h"
#include "ui/ImgUtil.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"

#ifdef QUORVEL_HAVE_SCREENS
#include "screens/exercise/ExerciseController.h"
#include "screens/food/FoodController.h"
#include "screens/overview/OverviewController.h"
#include "screens/profile/ProfileController.h"
#include "screens/weight/WeightController.h"
#include "ui/Metrics.h"
#endif

QuorvelAppDelegate::QuorvelAppDelegate() = default;

ui::TabBarController* QuorvelAppDelegate::tabBarController() const {
    return qobject_cast<ui::TabBarController*>(controller());
}

void QuorvelAppDelegate::refreshData() {}

ui::ViewController* QuorvelAppDelegate::appendController() {
    struct Tab {
        const char* title;
        const char* icon;
    };
    // Screens not built yet hold their tab's place with its title.
    static const Tab tabs[] = {{"Overview", "tab_overview.png"},
                               {"Food", "tab_food.png"},
                               {"Exercise", "tab_exercise.png"},
                               {"Weight", "tab_weight.png"},
                               {"My Profile", "tab_profile.png"}};
    const QColor tint = ui::Metrics::tintColor();
    QList<ui::ViewController*> navs;
    for (const Tab& tab : tabs) {
        const QString title = QString::fromLatin1(tab.title);
        const QPixmap icon = ImgUtil::image(QString::fromLatin1(tab.icon));
        ui::ViewController* screen = nullptr;
#ifdef QUORVEL_HAVE_SCREENS
        if (title == QLatin1String("Overview"))
            screen = new OverviewController;
        else if (title == QLatin1String("Food"))
            screen = new FoodController;
        else if (title == QLatin1String("Exercise"))
            screen = new ExerciseController;
        else if (title == QLatin1String("Weight"))
            screen = new WeightController;
        else if (title == QLatin1String("My Profile"))
            screen = new ProfileController;
        // The tab bar's icons are one set.
        if (screen)
            screen->setTabBarItem({title, icon});
#endif
        if (!screen)
            screen = new PlaceholderController(title, icon);
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
