#include "Gallery.h"

#include "core/catalogue/ExerciseDbo.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/overview/OverviewController.h"
#include "support/DiaryEntries.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

#include <QApplication>

namespace {

QDateTime on(int day) {
    return QDateTime(QDate(2026, 12, day), QTime(0, 0));
}

// A catalogue exercise as the add-exercise screen records it, at 80 kg.
void did(int day, int id, int minutes) {
    const std::optional<ExerciseDbo> item = ExerciseDbo::getExercise(id);
    const float rate = item && !item->mets.isEmpty() ? float(item->mets.first().mets * 80) : 0.0f;
    saved(exerciseEntry(id, on(day), minutes, rate, rate * minutes / 60));
}

// The first days of December against an allowance of 2000: kept, exceeded, exactly met, burned
// off, and the gallery's day (the 6th) with meals and exercise.
void sampleMonth() {
    UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    saved(speedyFood(on(1), 0, 450, "Porridge"));
    saved(speedyFood(on(1), 2, 1200, "Lasagne"));
    saved(speedyFood(on(2), 1, 1400, "Burger and fries"));
    saved(speedyFood(on(2), 2, 900, "Pizza"));
    saved(speedyFood(on(3), 2, 2000, "Holiday dinner"));
    saved(speedyFood(on(4), 1, 1900, "Curry"));
    did(4, 22, 45);
    weigh(QDateTime(QDate(2026, 12, 5), QTime(7, 30)), "81.40");
    saved(speedyFood(on(6), 0, 380, "Toast and jam"));
    saved(speedyFood(on(6), 2, 820, "Salmon and rice"));
    did(6, 3, 45);
    saved(speedyExercise(on(6), 150, "Gardening"));
}

// The phone with the Overview tab chosen.
struct OverviewScreen {
    std::unique_ptr<QWidget> phone = gallery::shell(0);
    OverviewController* overview = nullptr;

    OverviewScreen() {
        auto* tabs = phone->findChild<ui::TabBarController*>();
        auto* nav = qobject_cast<ui::NavigationController*>(tabs->selectedViewController());
        overview = qobject_cast<OverviewController*>(nav->viewControllers().first());
        phone->show();
        QApplication::processEvents();
    }
    void dayView() {
        overview->setSelectedIndex(1);
        QApplication::processEvents();
    }
};

} // namespace

QUORVEL_GALLERY_SCENE("overview_month") {
    sampleMonth();
    return std::move(OverviewScreen().phone);
}

QUORVEL_GALLERY_SCENE("overview_day") {
    sampleMonth();
    OverviewScreen screen;
    screen.dayView();
    return std::move(screen.phone);
}

QUORVEL_GALLERY_SCENE("overview_day_delete") {
    sampleMonth();
    OverviewScreen screen;
    screen.dayView();
    screen.overview->dayTable()->tableView()->showDeleteConfirmation({2, 0});
    QApplication::processEvents();
    return std::move(screen.phone);
}
