#pragma once

#include "screens/profile/Details/PickerEditorController.h"

#include <QDateTime>

namespace ui {
class DatePicker;
}

// The birth date on date wheels that stop at today.
class EditAgeController : public PickerEditorController {
    Q_OBJECT
public:
    explicit EditAgeController(QObject* parent = nullptr);

    ui::DatePicker* pvAge() const { return pvAge_; }

    void viewWillAppear() override;

protected:
    QWidget* createWheel(QWidget* parent) override;
    bool hasChanged() const override;
    void store() override;

private:
    void showDate();

    ui::DatePicker* pvAge_ = nullptr;
    QDateTime stored_;
};
