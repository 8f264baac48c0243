#include "Gallery.h"

#include "core/backup/BackupFolder.h"
#include "core/base/Clock.h"
#include "core/profile/CalorieBudget.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/profile/Details/RestoreListController.h"
#include "screens/profile/ProfileController.h"
#include "support/DiaryEntries.h"
#include "ui/TableView.h"

namespace {

using gallery::choosing;

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

// A diary that grows over a fortnight, backed up each morning at start, once on request and
// once before a restore.
void backedUpDiary() {
    for (int day = 1; day <= 14; ++day) {
        const QDateTime date(QDate(2026, 11, 22).addDays(day), QTime(8, 5));
        Clock::set(date);
        for (int meal = 0; meal < 3; ++meal)
            saved(speedyFood(date, meal, 300 + 40 * meal, "Meal"));
        if (day % 3 == 0)
            saved(speedyExercise(date, 250));
        weigh(date, QString::number(82.0 - day * 0.1, 'f', 2));
        BackupFolder::dailyIfDue();
        if (day == 12) {
            Clock::set(gallery::december(4, 21, 40));
            BackupFolder::backUpNow();
        }
    }
    Clock::set(gallery::december(6, 9, 30));
    BackupFolder::beforeRestore();
}

// The whole phone on the My Profile tab; choosing a row opens its editor or list.
struct ProfileTab : gallery::Phone {
    ProfileTab() : Phone(4) {}
    ui::TableView* menu() const { return root<ProfileController>()->profilemenu(); }
    void choose(const ui::IndexPath& row) {
        root<ProfileController>()->didSelectRow(menu(), row);
        gui::settle();
    }
};

auto scrolledTo(ui::IndexPath row) {
    return [row](ProfileTab& tab) {
        tab.menu()->scrollToRow(row);
        gui::settle();
    };
}

// The third backup chosen from the list: the restore asks first.
void confirmRestore(ProfileTab& tab) {
    tab.choose({3, 1});
    auto* backups = tab.top<RestoreListController>();
    backups->didSelectRow(backups->tableView(), {0, 2});
    gallery::showAlert(tab.host.get());
}

// The list filled in, each editor opened from its row, some over settings of their own, and the
// backups of Your Data.
constexpr gallery::Shots<ProfileTab> profile{};
const gallery::Registrar profileScenes[] = {
    profile("profile_metric_filled", metricProfile, scrolledTo({2, 3})),
    profile("profile_units", choosing({0, 0})),
    profile("profile_gender", choosing({1, 0})),
    profile("profile_birthday", choosing({1, 1})),
    profile("profile_height_feet", eightFeet, choosing({1, 2})),
    profile("profile_height_cm", metricProfile, choosing({1, 2})),
    profile("profile_job_type", lightlyActive, choosing({1, 3})),
    profile("profile_start_weight_pounds", choosing({2, 0})),
    profile("profile_goal_weight_kg", metricProfile, choosing({2, 1})),
    profile("profile_diet_plan", aPoundAWeek, choosing({2, 2})),
    profile("profile_calories_day", metricProfile, choosing({2, 3})),
    profile("profile_calories_day_no_plan", choosing({2, 3})),
    profile("profile_your_data", backedUpDiary, scrolledTo({3, 2})),
    profile("profile_backups", backedUpDiary, choosing({3, 1})),
    profile("profile_backups_empty", choosing({3, 1})),
    profile("profile_backups_confirm", backedUpDiary, confirmRestore),
};

} // namespace
