#include "Gallery.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/weight/Details/AddEditTimeController.h"
#include "screens/weight/Details/AddEditWeightController.h"
#include "screens/weight/WeightController.h"
#include "support/DiaryEntries.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"
#include "ui/TextView.h"
#include "ui/controls/QVXTableView.h"

#include <QApplication>

namespace {

QDateTime on(int day, int hour, int minute) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute));
}

// A fortnight of weighings before the gallery's day, two on some days, and three with notes on
// the day itself (6 December).
void sampleLog() {
    UDefUtil::setUserDefFloat(75000.0f, SettingsKeys::goalWeight);
    const char* const earlier[] = {"82.40", "82.10", "81.90", "82.00", "81.60"};
    for (int d = 1; d <= 5; ++d)
        weigh(on(d, 7, 10), earlier[d - 1]);
    weigh(on(3, 21, 40), "82.60", "After a late dinner");
    weigh(on(6, 7, 5), "81.20", "Before breakfast");
    weigh(on(6, 13, 40), "81.90", "After lunch with the team, a big plate of pasta");
    weigh(on(6, 21, 15), "81.50", "Evening, after the gym");
}

void useKilograms() {
    UDefUtil::setUserDefBool(false, SettingsKeys::weightInPounds);
}

// The phone with the Weight tab chosen.
struct WeightScreen {
    std::unique_ptr<QWidget> phone = gallery::shell(3);
    ui::NavigationController* nav = nullptr;
    WeightController* weight = nullptr;

    WeightScreen() {
        auto* tabs = phone->findChild<ui::TabBarController*>();
        nav = qobject_cast<ui::NavigationController*>(tabs->selectedViewController());
        weight = qobject_cast<WeightController*>(nav->viewControllers().first());
        phone->show();
        QApplication::processEvents();
    }
    void dayView() {
        weight->setSelectedIndex(1);
        QApplication::processEvents();
    }
    void push(ui::ViewController* top) {
        nav->pushViewController(top, false);
        QApplication::processEvents();
    }
    // The editor of the day's second weighing (13:40, 81.9 kg).
    AddEditWeightController* editSecond() {
        auto* editor = new AddEditWeightController;
        editor->setWeighingData(weight->w().currentday().getWeighingAtIndex(1));
        editor->setOwner(weight);
        push(editor);
        return editor;
    }
};

} // namespace

QUORVEL_GALLERY_SCENE("weight_month") {
    sampleLog();
    return std::move(WeightScreen().phone);
}

QUORVEL_GALLERY_SCENE("weight_day") {
    sampleLog();
    WeightScreen screen;
    screen.dayView();
    return std::move(screen.phone);
}

QUORVEL_GALLERY_SCENE("weight_day_row_delete") {
    sampleLog();
    useKilograms();
    WeightScreen screen;
    screen.dayView();
    screen.weight->dayTable()->tableView()->showDeleteConfirmation({0, 1});
    return std::move(screen.phone);
}

QUORVEL_GALLERY_SCENE("weight_editor_new_pounds") {
    WeightScreen screen;
    screen.weight->addNewWeighing();
    QApplication::processEvents();
    return std::move(screen.phone);
}

QUORVEL_GALLERY_SCENE("weight_editor_new_kilograms") {
    sampleLog();
    useKilograms();
    WeightScreen screen;
    screen.weight->addNewWeighing();
    QApplication::processEvents();
    return std::move(screen.phone);
}

QUORVEL_GALLERY_SCENE("weight_editor_edit_pounds") {
    sampleLog();
    WeightScreen screen;
    screen.editSecond();
    return std::move(screen.phone);
}

QUORVEL_GALLERY_SCENE("weight_editor_edit_kilograms") {
    sampleLog();
    useKilograms();
    WeightScreen screen;
    screen.editSecond();
    return std::move(screen.phone);
}

QUORVEL_GALLERY_SCENE("weight_time_editor") {
    sampleLog();
    WeightScreen screen;
    screen.push(new AddEditTimeController(screen.editSecond()));
    return std::move(screen.phone);
}
