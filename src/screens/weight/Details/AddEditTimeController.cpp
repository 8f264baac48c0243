#include "screens/weight/Details/AddEditTimeController.h"

#include "screens/weight/Details/AddEditWeightController.h"
#include "screens/weight/WeightTexts.h"
#include "ui/DatePicker.h"
#include "ui/Label.h"

AddEditTimeController::AddEditTimeController(AddEditWeightController* owner, QObject* parent)
    : WeighingEditor(parent), owner_(owner) {
    setTitle(QStringLiteral("Edit Time"));
    view();
    if (!owner_)
        return;
    setMoment(owner_->moment());
    // The arrows change the day alone, so the wheels are set once.
    dateselector_->setDate(moment().moment());
}

void AddEditTimeController::loadView() {
    WeighingEditor::loadView();
    dateselector_ = new ui::DatePicker(ui::DatePicker::Mode::Time, view());
    dateselector_->setObjectName("dateselector");
    dateselector_->setGeometry(wheelFrame());
    connect(dateselector_, &ui::DatePicker::valueChanged, this, [this] {
        WeighingMoment changed = moment();
        changed.setTime(dateselector_->time());
        setMoment(changed);
    });
}

void AddEditTimeController::momentChanged() {
    updateLabel();
    if (owner_)
        owner_->takeMoment(moment());
}

void AddEditTimeController::updateLabel() {
    infolabel()->setText(WeightTexts::timeOfDay(moment().moment()));
}

void AddEditTimeController::viewWillAppear() {
    WeighingEditor::viewWillAppear();
    updateLabel();
}

void AddEditTimeController::doSave() {
    if (owner_)
        owner_->doSave();
}
