#include "Gallery.h"

#include "ui/DatePicker.h"

// The time wheels, twelve-hour with AM and PM.
QUORVEL_GALLERY_SCENE("picker_time") {
    auto picker = std::make_unique<ui::DatePicker>(ui::DatePicker::Mode::Time);
    picker->resize(320, 216);
    picker->setDate(QDateTime(QDate(2026, 12, 6), QTime(7, 45)));
    return picker;
}
