#include "screens/profile/Details/EditAgeController.h"

#include "core/base/Clock.h"
#include "core/profile/OptionsUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "core/text/ConvertUtil.h"
#include "ui/DatePicker.h"
#include "ui/Label.h"

EditAgeController::EditAgeController(QObject* parent)
    : PickerEditorController(QStringLiteral("Birthday"), parent) {}

QWidget* EditAgeController::createWheel(QWidget* parent) {
    pvAge_ = new ui::DatePicker(ui::DatePicker::Mode::Date, parent);
    pvAge_->setObjectName("pvAge");
    connect(pvAge_, &ui::DatePicker::valueChanged, this, &EditAgeController::showDate);
    return pvAge_;
}

void EditAgeController::viewWillAppear() {
    PickerEditorController::viewWillAppear();
    // Nobody is born after today: a later date would give a negative age.
    pvAge_->setMaximumDate(Clock::now());
    stored_ = OptionsUtil::getDatebirth(SettingsKeys::dateBirth);
    pvAge_->setDate(stored_, true);
    showDate();
}

void EditAgeController::showDate() {
    infolabel()->setText(ConvertUtil::date2str(pvAge_->date(), ConvertUtil::LongStyle));
}

bool EditAgeController::hasChanged() const {
    return pvAge_->date() != stored_;
}

void EditAgeController::store() {
    UDefUtil::setUserDef(pvAge_->date(), SettingsKeys::dateBirth);
}
