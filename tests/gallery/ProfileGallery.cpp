#include "Gallery.h"

#include "core/profile/CalorieBudget.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/profile/ProfileController.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"

#include <QApplication>

namespace {

// The whole phone screen on the My Profile tab, optionally with the editor of a row open or the
// list scrolled to its last row.
std::unique_ptr<QWidget> profileTab(const ui::IndexPath& row = {}, bool scrolled = false) {
    auto screen = gallery::shell(4);
    auto* tabs = screen->findChild<ui::TabBarController*>();
    auto* nav = static_cast<ui::NavigationController*>(tabs->viewControllers().at(4));
    auto* profile = static_cast<ProfileController*>(nav->viewControllers().first());
    if (row.isValid())
        profile->didSelectRow(profile->profilemenu(), row);
    if (scrolled)
        profile->profilemenu()->scrollToRow({2, 3});
    QApplication::processEvents();
    return screen;
}

// A man of 40 in metric units with a plan and an adjustment of his own.
void metricProfile() {
    UDefUtil::setUserDefBool(true, SettingsKeys::heightInCm);
    UDefUtil::setUserDefBool(false, SettingsKeys::weightInPounds);
    UDefUtil::setUserDefBool(false, SettingsKeys::sex);
    UDefUtil::setUserDef(QDateTime(QDate(1986, 3, 14), QTime(0, 0)), SettingsKeys::dateBirth);
    UDefUtil::setUserDefFloat(182.0f, SettingsKeys::height);
    UDefUtil::setUserDefFloat(84500.0f, SettingsKeys::startWeight);
    UDefUtil::setUserDefFloat(76000.0f, SettingsKeys::goalWeight);
    UDefUtil::setUserDefInt(3, SettingsKeys::activity);
    UDefUtil::setUserDefDouble(0.5, SettingsKeys::intensity);
    CalorieBudget::calcCalories();
    UDefUtil::setUserDefFloat(150.0f, SettingsKeys::allowedCaloriesAdd);
}

} // namespace

QUORVEL_GALLERY_SCENE("profile_fresh") {
    return profileTab();
}

QUORVEL_GALLERY_SCENE("profile_metric_filled") {
    metricProfile();
    return profileTab({}, true);
}

QUORVEL_GALLERY_SCENE("profile_units") {
    return profileTab({0, 0});
}

QUORVEL_GALLERY_SCENE("profile_gender") {
    return profileTab({1, 0});
}

QUORVEL_GALLERY_SCENE("profile_birthday") {
    return profileTab({1, 1});
}

// At 8 feet the inches past 2 cannot be chosen and show grey.
QUORVEL_GALLERY_SCENE("profile_height_feet") {
    UDefUtil::setUserDefFloat(250.0f, SettingsKeys::height);
    return profileTab({1, 2});
}

QUORVEL_GALLERY_SCENE("profile_height_cm") {
    metricProfile();
    return profileTab({1, 2});
}

QUORVEL_GALLERY_SCENE("profile_job_type") {
    UDefUtil::setUserDefInt(2, SettingsKeys::activity);
    return profileTab({1, 3});
}

QUORVEL_GALLERY_SCENE("profile_start_weight_pounds") {
    return profileTab({2, 0});
}

QUORVEL_GALLERY_SCENE("profile_goal_weight_kg") {
    metricProfile();
    return profileTab({2, 1});
}

QUORVEL_GALLERY_SCENE("profile_diet_plan") {
    UDefUtil::setUserDefDouble(1.0 / 2.2, SettingsKeys::intensity);
    return profileTab({2, 2});
}

QUORVEL_GALLERY_SCENE("profile_calories_day") {
    metricProfile();
    return profileTab({2, 3});
}

QUORVEL_GALLERY_SCENE("profile_calories_day_no_plan") {
    return profileTab({2, 3});
}
