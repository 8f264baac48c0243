#include "Gallery.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/weight/Details/AddEditTimeController.h"
#include "screens/weight/Details/AddEditWeightController.h"
#include "screens/weight/WeightController.h"
#include "support/DiaryEntries.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

namespace {

using gallery::december;

// A fortnight of weighings before the gallery's day, two on some days, and three with notes on
// the day itself (6 December).
void sampleLog() {
    UDefUtil::setUserDefFloat(75000.0f, SettingsKeys::goalWeight);
    const char* const earlier[] = {"82.40", "82.10", "81.90", "82.00", "81.60"};
    for (int d = 1; d <= 5; ++d)
        weigh(december(d, 7, 10), earlier[d - 1]);
    weigh(december(3, 21, 40), "82.60", "After a late dinner");
    weigh(december(6, 7, 5), "81.20", "Before breakfast");
    weigh(december(6, 13, 40), "81.90", "After lunch with the team, a big plate of pasta");
    weigh(december(6, 21, 15), "81.50", "Evening, after the gym");
}

void sampleLogInKilograms() {
    sampleLog();
    UDefUtil::setUserDefBool(false, SettingsKeys::weightInPounds);
}

// The phone with the Weight tab chosen.
struct Weight : gallery::Phone {
    Weight() : Phone(3) {}
    WeightController* tab() const { return root<WeightController>(); }
    void dayView() {
        tab()->setSelectedIndex(1);
        gui::settle();
    }
    void addNew() {
        tab()->addNewWeighing();
        gui::settle();
    }
    // The editor of the day's second weighing (13:40, 81.9 kg).
    AddEditWeightController* editSecond() {
        auto* editor = new AddEditWeightController;
        editor->setWeighingData(tab()->w().currentday().getWeighingAtIndex(1));
        editor->setOwner(tab());
        push(editor);
        return editor;
    }
};

constexpr gallery::Shots<Weight> weight{};
const gallery::Registrar weightScenes[] = {
    weight("weight_month", sampleLog, gallery::asOpened),
    weight("weight_day", sampleLog, &Weight::dayView),
    weight("weight_day_row_delete", sampleLogInKilograms,
           [](Weight& screen) {
               screen.dayView();
               screen.tab()->dayTable()->tableView()->showDeleteConfirmation({0, 1});
           }),
    weight("weight_editor_new_pounds", &Weight::addNew),
    weight("weight_editor_new_kilograms", sampleLogInKilograms, &Weight::addNew),
    weight("weight_editor_edit_pounds", sampleLog, &Weight::editSecond),
    weight("weight_editor_edit_kilograms", sampleLogInKilograms, &Weight::editSecond),
    weight("weight_time_editor", sampleLog,
           [](Weight& screen) { screen.push(new AddEditTimeController(screen.editSecond())); }),
};

} // namespace
