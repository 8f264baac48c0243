#include "Gallery.h"

#include "ui/DatePicker.h"

namespace {

// The time wheels, twelve-hour with AM and PM.
const gallery::Registrar timePicker("picker_time", [] {
    auto picker = std::make_unique<ui::DatePicker>(ui::DatePicker::Mode::Time);
    picker->resize(320, 216);
    picker->setDate(gallery::december(6, 7, 45));
    return picker;
});

} // namespace
