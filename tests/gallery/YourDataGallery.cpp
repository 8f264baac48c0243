#include "Gallery.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"

#include "core/backup/BackupFolder.h"
#include "core/base/Clock.h"
#include "screens/profile/Details/RestoreListController.h"
#include "screens/profile/ProfileController.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"

#include <QApplication>

namespace {

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
            Clock::set(at(2026, 12, 4, 21, 40));
            BackupFolder::backUpNow();
        }
    }
    Clock::set(at(2026, 12, 6, 9, 30));
    BackupFolder::beforeRestore();
}

ui::NavigationController* profileStack(QWidget* screen) {
    auto* tabs = screen->findChild<ui::TabBarController*>();
    return static_cast<ui::NavigationController*>(tabs->viewControllers().at(4));
}

ProfileController* profile(QWidget* screen) {
    return static_cast<ProfileController*>(profileStack(screen)->viewControllers().first());
}

// The My Profile tab with the backup list open on it.
std::unique_ptr<QWidget> backupList() {
    auto screen = gallery::shell(4);
    profile(screen.get())->didSelectRow(profile(screen.get())->profilemenu(), {3, 1});
    QApplication::processEvents();
    return screen;
}

} // namespace

QUORVEL_GALLERY_SCENE("profile_your_data") {
    backedUpDiary();
    auto screen = gallery::shell(4);
    profile(screen.get())->profilemenu()->scrollToRow({3, 2});
    QApplication::processEvents();
    return screen;
}

QUORVEL_GALLERY_SCENE("profile_backups") {
    backedUpDiary();
    return backupList();
}

QUORVEL_GALLERY_SCENE("profile_backups_empty") {
    return backupList();
}

QUORVEL_GALLERY_SCENE("profile_backups_confirm") {
    backedUpDiary();
    auto screen = backupList();
    auto* backups =
        static_cast<RestoreListController*>(profileStack(screen.get())->topViewController());
    backups->didSelectRow(backups->tableView(), {0, 2});
    if (ui::AlertView* alert = ui::AlertView::current())
        alert->showIn(screen.get());
    return screen;
}
