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

// The whole phone screen on the My Profile tab with the editor of a row open or, without a row, the
// list scrolled to its last row.
std::unique_ptr<QWidget> profileTab(const ui::IndexPath& row) {
    auto screen = gallery::shell(4);
    auto* tabs = screen->findChild<ui::TabBarController*>();
    auto* nav = static_cast<ui::NavigationController*>(tabs->viewControllers().at(4));
    auto* profile = static_cast<ProfileController*>(nav->viewControllers().first());
    if (row.isValid())
        profile->didSelectRow(profile->profilemenu(), row);
    else
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

// At 8 feet the inches past 2 cannot be chosen and show grey.
void eightFeet() {
    UDefUtil::setUserDefFloat(250.0f, SettingsKeys::height);
}

void lightlyActive() {
    UDefUtil::setUserDefInt(2, SettingsKeys::activity);
}

void aPoundAWeek() {
    UDefUtil::setUserDefDouble(1.0 / 2.2, SettingsKeys::intensity);
}

// The list filled in, and each editor opened from its row, some over settings of their own.
struct ProfileScene {
    const char* name;
    ui::IndexPath row;
    void (*prepare)() = nullptr;
};
const ProfileScene profileScenes[] = {
    {"profile_metric_filled", {}, metricProfile},
    {"profile_units", {0, 0}},
    {"profile_gender", {1, 0}},
    {"profile_birthday", {1, 1}},
    {"profile_height_feet", {1, 2}, eightFeet},
    {"profile_height_cm", {1, 2}, metricProfile},
    {"profile_job_type", {1, 3}, lightlyActive},
    {"profile_start_weight_pounds", {2, 0}},
    {"profile_goal_weight_kg", {2, 1}, metricProfile},
    {"profile_diet_plan", {2, 2}, aPoundAWeek},
    {"profile_calories_day", {2, 3}, metricProfile},
    {"profile_calories_day_no_plan", {2, 3}},
};

[[maybe_unused]] const bool registered = [] {
    for (const ProfileScene& scene : profileScenes)
        gallery::scenes().push_back({scene.name, [scene] {
                                         if (scene.prepare)
                                             scene.prepare();
                                         return profileTab(scene.row);
                                     }});
    return true;
}();

} // namespace
