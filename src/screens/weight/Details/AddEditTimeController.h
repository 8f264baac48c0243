#pragma once

#include "screens/weight/Details/WeighingEditor.h"

#include <QPointer>

class AddEditWeightController;
namespace ui {
class DatePicker;
}

// The time of day of a weighing, on hour, minute and AM/PM wheels, with the day arrows. Every
// change goes straight back to the weight editor, so "Back" keeps it; "Save" saves the
// weighing as the weight editor would.
class AddEditTimeController : public WeighingEditor {
    Q_OBJECT
public:
    // Starts from the weight editor's moment.
    explicit AddEditTimeController(AddEditWeightController* owner, QObject* parent = nullptr);

    AddEditWeightController* owner() const { return owner_; }
    ui::DatePicker* dateselector() const { return dateselector_; }

    void doSave() override;
    void viewWillAppear() override;

protected:
    void loadView() override;
    void momentChanged() override;

private:
    void updateLabel();

    QPointer<AddEditWeightController> owner_;
    ui::DatePicker* dateselector_ = nullptr;
};
