#include "Gallery.h"
#include "SampleEntries.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/overview/OverviewController.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

namespace {

using gallery::december;

// The first days of December against an allowance of 2000: kept, exceeded, exactly met, burned
// off, and the gallery's day (the 6th) with meals and exercise.
void sampleMonth() {
    UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    saved(speedyFood(december(1), 0, 450, "Porridge"));
    saved(speedyFood(december(1), 2, 1200, "Lasagne"));
    saved(speedyFood(december(2), 1, 1400, "Burger and fries"));
    saved(speedyFood(december(2), 2, 900, "Pizza"));
    saved(speedyFood(december(3), 2, 2000, "Holiday dinner"));
    saved(speedyFood(december(4), 1, 1900, "Curry"));
    gallery::exercised(22, december(4), 45);
    weigh(december(5, 7, 30), "81.40");
    saved(speedyFood(december(6), 0, 380, "Toast and jam"));
    saved(speedyFood(december(6), 2, 820, "Salmon and rice"));
    gallery::exercised(3, december(6), 45);
    saved(speedyExercise(december(6), 150, "Gardening"));
}

// The phone with the Overview tab chosen, on its month or its day.
struct Overview : gallery::Phone {
    Overview() : Phone(0) {}
    OverviewController* tab() const { return root<OverviewController>(); }
    void dayView() {
        tab()->setSelectedIndex(1);
        gui::settle();
    }
};

constexpr gallery::Shots<Overview> overview{};
const gallery::Registrar overviewScenes[] = {
    overview("overview_month", sampleMonth, gallery::asOpened),
    overview("overview_day", sampleMonth, &Overview::dayView),
    overview("overview_day_delete", sampleMonth,
             [](Overview& screen) {
                 screen.dayView();
                 screen.tab()->dayTable()->tableView()->showDeleteConfirmation({2, 0});
                 gui::settle();
             }),
};

} // namespace
